#pragma once
// Closing a window with unsaved changes asks "<what>が変更されています。保存しますか？" (title
// "保存確認"): Yes saves and closes once the save succeeded, No discards and closes, Cancel stays.
#include <QString>

#include <functional>

class QDialog;

// What a settings dialog's Cancel button and close box do.
void CloseWithSaveQuestion(QDialog &dialog, bool changed, const QString &whatChanged,
                           const std::function<bool()> &save);
