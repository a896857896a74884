#pragma once
// The "参照" button beside a postal-code field: fills the postal code from the address field or
// the address from the postal-code field, through the lookup window. With both fields filled it
// first asks which way; only a chosen entry changes the two fields.
class QLineEdit;
class QWidget;

void RunPostalLookup(QLineEdit *zipField, QLineEdit *addressField, QWidget *parent);
