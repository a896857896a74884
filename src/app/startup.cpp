#include "app/startup.h"

#include "app/firststart.h"
#include "app/frmSplash.h"
#include "app/singleinstance.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"
#include "settings/ui/frmShop.h"
#include "store/appdata.h"
#include "store/settingfiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QScreen>

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}

StartupResult RunStartup(AppData &data)
{
    StartupResult result;
    frmSplash splash;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        splash.move(screen->geometry().center() - splash.rect().center());
    splash.show();
    QApplication::processEvents();

    result.guard = std::make_unique<SingleInstanceGuard>();
    if (!result.guard->acquire()) {
        splash.close();
        ShowWarning(kDuplicateStartTitle, DuplicateStartText(QStringLiteral("ソラノワ")));
        return result;
    }

    // A data folder that cannot be entered leaves the program in the current directory.
    EnterDataFolder();

    if (IsFirstStart()) {
        SaveLabelPaperDefaults();
        splash.hide();
        ShowInformation(kFirstStartTitle, FirstStartNoticeText());
        // A data folder brought from another machine has its shop settings already: the window
        // shows them, so confirming it can never replace them with blanks or defaults.
        const bool shopFileExists = QFileInfo::exists(SettingFiles::kShop);
        if (shopFileExists)
            LoadShopSettings(data.settings);
        frmShop shop(data.settings);
        if (!shopFileExists)
            shop.PrefillFirstStart();
        shop.exec();
        MarkFirstStartDone();
        splash.show();
        QApplication::processEvents();
    }

    data.LoadAll();
    data.StartupDone = true;
    splash.close();
    result.proceed = true;
    return result;
}
