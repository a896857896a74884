// soranowa-admin: headless maintenance of a Soranowa data folder.
#include "admin.h"

#include "printing/printfonts.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char **argv)
{
    // Drawing pages needs fonts, hence a GUI application; it never opens a window.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "render") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        InstallPrintFontSubstitutes();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        PrintErr(QStringLiteral("no command given"));
        std::fputs((Usage() + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return kExitUsage;
    }
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        PrintOut(Usage());
        return kExitOk;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("stats"))
        return RunStats(args);
    if (command == QLatin1String("compact"))
        return RunCompact(args);
    if (command == QLatin1String("sample-data"))
        return RunSampleData(args);
    if (command == QLatin1String("render"))
        return RunRender(args);
    if (command == QLatin1String("totals"))
        return RunTotals(args);
    if (command == QLatin1String("import"))
        return RunImport(args);
    if (command == QLatin1String("zipdb"))
        return RunZipDb(args);
    if (command == QLatin1String("zip"))
        return RunZip(args);
    if (command == QLatin1String("backup"))
        return RunBackupCommand(args);
    if (command == QLatin1String("restore"))
        return RunRestoreCommand(args);
    PrintErr(QStringLiteral("unknown command '%1'").arg(command));
    PrintErr(QStringLiteral("try 'soranowa-admin --help'"));
    return kExitUsage;
}
