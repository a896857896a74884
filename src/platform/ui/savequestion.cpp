#include "platform/ui/savequestion.h"

#include "platform/prompt.h"

#include <QDialog>

void CloseWithSaveQuestion(QDialog &dialog, bool changed, const QString &whatChanged, const std::function<bool()> &save)
{
    // done() rather than accept()/reject(): the dialog's own reject() is what called here.
    if (!changed) {
        dialog.done(QDialog::Rejected);
        return;
    }
    switch (AskYesNoCancel(QStringLiteral("保存確認"),
                           whatChanged + QStringLiteral("が変更されています。保存しますか？"), PromptIcon::Warning)) {
    case PromptAnswer::Yes:
        if (save())
            dialog.done(QDialog::Accepted);
        return;
    case PromptAnswer::No:
        dialog.done(QDialog::Rejected);
        return;
    default:
        return;
    }
}
