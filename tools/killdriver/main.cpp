// soranowa-killdriver: performs one operation on a data folder through the core, so that
// scripts/killtest.sh can stop it at any file write and check what the folder holds afterwards.
//
//   prepare DIR NOW            cancellations, a deleted customer, a backup to DIR/arch, then more
//                              orders and a settings change
//   run DIR OP SEED NOW        one operation (see killops.cpp)
//   verify DIR BEFORE AFTER OP after a stop: the folder opens, its indexes build, and every file
//                              and record is as in BEFORE or as in AFTER
//
// DIR holds data/ (the data folder) and arch/Soranowa.snb (the backup archive). NOW pins the
// clock (ISO date and time), so equal folders give equal results.
#include "killops.h"
#include "killverify.h"

#include "platform/clock.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/saleamounts.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <dlfcn.h>

namespace
{

// Says Yes to every question and counts the error boxes, each of which is a failure here.
class DriverPrompt final : public PromptService
{
  public:
    int errors = 0;
    PromptAnswer ask(const PromptRequest &request) override
    {
        if (request.title == QStringLiteral("エラー")) {
            ++errors;
            std::fprintf(stderr, "error box: %s\n", qPrintable(request.text.simplified()));
        }
        switch (request.buttons) {
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Yes;
        case PromptButtons::RetryCancel:
            return PromptAnswer::Cancel;
        default:
            return PromptAnswer::Ok;
        }
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
};

// Starts counting file changes in the preloaded stopper, when there is one.
void armStopper()
{
    using ArmFn = void (*)();
    if (auto arm = reinterpret_cast<ArmFn>(dlsym(RTLD_DEFAULT, "killshim_arm")))
        arm();
}

// Opens DIR/data as the program does at start-up: it becomes the current folder.
bool openFolder(AppData &data, const QString &dir)
{
    const QString folder = QDir(dir).absoluteFilePath(QStringLiteral("data"));
    SetDataFolderOverride(folder);
    if (!QDir::setCurrent(folder))
        return false;
    data.LoadAll();
    // Points move with every order the driver stores.
    ShopSettings &shop = data.settings.Shop;
    if (!PointRules::FromShop(shop).usable) {
        shop.PointService = QStringLiteral("1");
        shop.PointYenUnit = QStringLiteral("100");
        shop.PointsPerUnit = QStringLiteral("1");
        shop.PointStep = QStringLiteral("100");
        shop.PointStepYen = QStringLiteral("100");
        shop.PointValidMonths = QStringLiteral("12");
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: soranowa-killdriver prepare DIR NOW | run DIR OP SEED NOW | "
                         "verify DIR BEFORE AFTER OP\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    DriverPrompt prompt;
    SetPromptService(&prompt);
    const QString command = args.at(0);

    if (command == QLatin1String("verify") && args.size() == 5) {
        const KillOp *op = FindKillOp(args.at(4));
        if (!op)
            return usage();
        const QString dir = QDir(args.at(1)).absolutePath();
        AppData data;
        const bool opened = openFolder(data, dir);
        const VerifyResult r =
            VerifyFolder(dir, QDir(args.at(2)).absolutePath(), QDir(args.at(3)).absolutePath(), op->joint);
        const bool ok = opened && prompt.errors == 0 && r.consistent();
        std::printf("state=%s damaged=%d lost=%d open=%s %s\n", qPrintable(r.state), r.damaged, r.lost,
                    opened && prompt.errors == 0 ? "ok" : "failed", qPrintable(r.detail));
        return ok ? 0 : 1;
    }

    const bool isRun = command == QLatin1String("run") && args.size() == 5;
    const bool isPrepare = command == QLatin1String("prepare") && args.size() == 3;
    if (!isRun && !isPrepare)
        return usage();
    const QDateTime now = QDateTime::fromString(args.last(), Qt::ISODate);
    if (!now.isValid())
        return usage();
    Clock::Pin(now);
    const QString dir = QDir(args.at(1)).absolutePath();
    const QString archive = QDir(dir).absoluteFilePath(QStringLiteral("arch/Soranowa.snb"));
    AppData data;
    if (!openFolder(data, dir) || prompt.errors > 0)
        return 1;

    bool ok = false;
    if (isPrepare) {
        ok = PrepareFolder(data, archive) && QDir(dir).mkpath(QStringLiteral("arch")) &&
             FindKillOp(QStringLiteral("backup"))->run(data, 0, archive);
        for (quint64 seed = 11; seed <= 13; ++seed)
            ok = FindKillOp(QStringLiteral("confirm"))->run(data, seed, archive) && ok;
        ok = FindKillOp(QStringLiteral("settings"))->run(data, 2, archive) && ok;
    } else {
        const KillOp *op = FindKillOp(args.at(2));
        bool seedOk = false;
        const quint64 seed = args.at(3).toULongLong(&seedOk);
        if (!op || !seedOk)
            return usage();
        armStopper();
        ok = op->run(data, seed, archive);
    }
    return ok && prompt.errors == 0 ? 0 : 1;
}
