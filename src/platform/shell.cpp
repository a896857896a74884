#include "platform/shell.h"

#include "platform/datafolder.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace
{

class DesktopShell final : public ShellService
{
  public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

DesktopShell desktopShell;
ShellService *current = nullptr;

} // namespace

ShellService &Shell()
{
    return current ? *current : desktopShell;
}

void SetShellService(ShellService *service)
{
    current = service;
}

QUrl ProductTopPageUrl()
{
    return QUrl(QStringLiteral("https://soranowa.example.jp/"));
}

QUrl ProductInfoPageUrl()
{
    return QUrl(QStringLiteral("https://soranowa.example.jp/product/"));
}

QUrl MapUrlForZip(const QString &zip)
{
    // The map service's base address; the path and the query are the service's own.
    static const QString base = QStringLiteral("https://www.mapion.co.jp");
    // The code is encoded so that no character of it can change the query.
    return QUrl(base + QStringLiteral("/c/f?uc=11&grp=all&zip=") + QString::fromLatin1(QUrl::toPercentEncoding(zip)));
}

QUrl HelpTopicUrl(int topic)
{
    const QString folder = ProgramFile(QStringLiteral("help")) + QLatin1Char('/');
    const QString page = folder + QStringLiteral("topic%1.html").arg(topic);
    // A topic without its own page opens the contents.
    if (topic != 0 && QFileInfo::exists(page))
        return QUrl::fromLocalFile(page);
    return QUrl::fromLocalFile(folder + QStringLiteral("index.html"));
}

bool OpenHelp(int topic)
{
    return Shell().openUrl(HelpTopicUrl(topic));
}
