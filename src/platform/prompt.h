#pragma once
// Every message box, question and file dialog of the program goes through this service,
// so that tests can answer them and check their exact texts.
#include <QString>
#include <QStringList>

enum class PromptIcon { None, Information, Warning, Question, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

struct PromptRequest {
    PromptIcon icon = PromptIcon::None;
    QString title;
    QString text;
    PromptButtons buttons = PromptButtons::Ok;
};

class PromptService
{
  public:
    virtual ~PromptService() = default;
    virtual PromptAnswer ask(const PromptRequest &request) = 0;
    // File and folder dialogs return the empty text when the user cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &path, const QString &filter) = 0;
    virtual QString folderName(const QString &title, const QString &folder) = 0;
};

// The service in force. Until a window program installs its own, a console service is used
// (it prints to standard error and takes the default answer), which suits the headless tool.
PromptService &Prompt();
// Installs a service; pass nullptr to go back to the console service. The caller keeps ownership.
void SetPromptService(PromptService *service);

// Shorthands for the common boxes.
void ShowWarning(const QString &title, const QString &text);
void ShowInformation(const QString &title, const QString &text);
bool AskYesNo(const QString &title, const QString &text, PromptIcon icon = PromptIcon::Question);
PromptAnswer AskYesNoCancel(const QString &title, const QString &text, PromptIcon icon = PromptIcon::Question);
