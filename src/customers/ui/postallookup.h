#pragma once

class QLineEdit;
class QWidget;

void RunPostalLookup(QLineEdit *zipField, QLineEdit *addressField, QWidget *parent);
