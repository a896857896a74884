#include "platform/ui/messageboxprompt.h"

#include "platform/datafolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace
{

QMessageBox::Icon toIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// After any file dialog the data folder is the current directory again.
struct RestoreDataFolder {
    ~RestoreDataFolder() { QDir::setCurrent(DataFolderPath()); }
};

} // namespace

PromptAnswer MessageBoxPrompt::ask(const PromptRequest &request)
{
    QMessageBox box(toIcon(request.icon), request.title,
                    QString(request.text)
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                        .replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *ok = nullptr, *cancel = nullptr, *yes = nullptr, *no = nullptr, *retry = nullptr;
    switch (request.buttons) {
    case PromptButtons::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case PromptButtons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    case PromptButtons::YesNo:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        break;
    case PromptButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    case PromptButtons::RetryCancel:
        retry = box.addButton(QStringLiteral("再試行(&R)"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        break;
    }
    if (cancel)
        box.setEscapeButton(cancel);
    else if (no)
        box.setEscapeButton(no);
    else if (ok)
        box.setEscapeButton(ok);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked && clicked == ok)
        return PromptAnswer::Ok;
    if (clicked && clicked == yes)
        return PromptAnswer::Yes;
    if (clicked && clicked == no)
        return PromptAnswer::No;
    if (clicked && clicked == retry)
        return PromptAnswer::Retry;
    return request.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

QString MessageBoxPrompt::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    RestoreDataFolder restore;
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString MessageBoxPrompt::saveFileName(const QString &title, const QString &path, const QString &filter)
{
    RestoreDataFolder restore;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, path, filter);
}

QString MessageBoxPrompt::folderName(const QString &title, const QString &folder)
{
    RestoreDataFolder restore;
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder);
}
