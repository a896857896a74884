#include "app/commands.h"
#include "app/frmMain.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "backup/autobackup.h"
#include "platform/ui/messageboxprompt.h"
#include "platform/ui/programicon.h"
#include "store/appdata.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SoranowaApp"));
    QApplication::setApplicationDisplayName(QStringLiteral("ソラノワ"));
    QApplication::setWindowIcon(ProgramIcon());
    InstallFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 10));

    MessageBoxPrompt prompt;
    SetPromptService(&prompt);
    RegisterProgramWindows();

    AppData data;
    StartupResult started = RunStartup(data);
    if (!started.proceed)
        return 0;

    frmMain window(data);
    window.automaticBackup = [](AppData &) { return RunAutomaticBackup(); };
    window.ShowPlaced();
    const int rc = app.exec();
    SetPromptService(nullptr);
    return rc;
}
