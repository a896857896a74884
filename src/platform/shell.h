#pragma once
// Opening web pages and the help in the user's browser. Tests install a recorder.
#include <QString>
#include <QUrl>

class ShellService
{
  public:
    virtual ~ShellService() = default;
    virtual bool openUrl(const QUrl &url) = 0;
};

ShellService &Shell();
void SetShellService(ShellService *service);

// The product's two web pages.
QUrl ProductTopPageUrl();
QUrl ProductInfoPageUrl();
// The web map of a postal code.
QUrl MapUrlForZip(const QString &zip);
// The help page of a topic (0 = contents), shipped as HTML in the program folder's "help".
QUrl HelpTopicUrl(int topic);
// Opens the help at a topic; returns false when nothing could open it.
bool OpenHelp(int topic = 0);
