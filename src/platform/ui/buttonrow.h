#pragma once
// The OK / Cancel buttons at the foot of a dialog: right-aligned, OK first and the default button.
#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

struct ButtonRow {
    QHBoxLayout *layout = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

// The two buttons are children of `parent`; the caller places `layout`. Names and captions
// default to "cmdOK" "OK" and "cmdCancel" "ｷｬﾝｾﾙ".
ButtonRow OkCancelRow(QWidget *parent, const QString &okCaption = QStringLiteral("OK"), const char *okName = "cmdOK",
                      const QString &cancelCaption = QStringLiteral("ｷｬﾝｾﾙ"), const char *cancelName = "cmdCancel");
