// soranowa-admin: headless maintenance of a Soranowa data folder.
#include "admin.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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
    PrintErr(QStringLiteral("unknown command '%1'").arg(command));
    PrintErr(QStringLiteral("try 'soranowa-admin --help'"));
    return kExitUsage;
}
