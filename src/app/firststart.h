#pragma once
// The first start of the program for a user: label-paper defaults, a notice, then shop settings.
#include <QString>

bool IsFirstStart();
// Written at the end of the first start, so an interrupted first start runs again.
void MarkFirstStartDone();
void SaveLabelPaperDefaults();
QString FirstStartNoticeText();
inline const QString kFirstStartTitle = QStringLiteral("初めてご利用になる方へ");
