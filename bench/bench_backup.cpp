// Packing a data folder into an LZH archive, each figure against gzip measured in the same run:
//   pack (writing the archive)            vs  gzip -6 of the same files     target time <= 1.0 x
//   archive size                          vs  the gzip -6 outputs together  target size <= 1.15 x
//   read-back check after packing         vs  the pack time                  target <= 0.3 x
//   unpack into the data folder           vs  gzip -d of the same files      target time <= 1.0 x
//
//   bench_backup [DATA_DIR]   (default: a sample shop made by soranowa-admin in /tmp)
#include "backup/backupdata.h"
#include "backup/lzhreader.h"
#include "backup/lzhverify.h"
#include "backup/lzhwriter.h"
#include "platform/datafolder.h"

#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

bool run(const QString &program, const QStringList &args, const QString &outFile = QString())
{
    QProcess p;
    if (!outFile.isEmpty())
        p.setStandardOutputFile(outFile);
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString data = args.size() > 1 ? args[1] : QStringLiteral("/tmp/soranowa-bench-backup");
    if (args.size() <= 1 && !QFile::exists(data + QStringLiteral("/Sales.snw"))) {
        const QString admin = QCoreApplication::applicationDirPath() + QStringLiteral("/../soranowa-admin");
        std::printf("making a sample shop in %s ...\n", qPrintable(data));
        QDir().mkpath(data);
        if (!run(admin, {QStringLiteral("sample-data"), data, QStringLiteral("--customers"), QStringLiteral("20000"),
                         QStringLiteral("--orders"), QStringLiteral("200000"), QStringLiteral("--force")})) {
            std::fprintf(stderr, "could not run %s\n", qPrintable(admin));
            return 1;
        }
    }
    QDir dir(data);
    const QStringList files = dir.entryList({QStringLiteral("*.snw")}, QDir::Files, QDir::Name);
    qint64 total = 0;
    for (const QString &f : files)
        total += QFileInfo(dir.filePath(f)).size();
    std::printf("%lld files, %.1f MB\n", qlonglong(files.size()), total / 1e6);

    QTemporaryDir work;
    // Each figure is the best of three runs: the machine is shared, and the least disturbed run
    // is the one that says most about the code.
    constexpr int kRuns = 3;
    qint64 gzipSize = 0;
    const double gzipTime =
        best(kRuns,
             [&] {
                 gzipSize = 0;
                 for (const QString &f : files) {
                     const QString out = work.filePath(f + QStringLiteral(".gz"));
                     run(QStringLiteral("gzip"), {QStringLiteral("-6"), QStringLiteral("-c"), dir.filePath(f)}, out);
                     gzipSize += QFileInfo(out).size();
                 }
             }) /
        1000.0;
    const double gunzipTime =
        best(kRuns,
             [&] {
                 for (const QString &f : files)
                     run(QStringLiteral("gzip"),
                         {QStringLiteral("-d"), QStringLiteral("-c"), work.filePath(f + QStringLiteral(".gz"))},
                         work.filePath(QStringLiteral("out.bin")));
             }) /
        1000.0;

    // Ours: the archive alone, then the read-back check, then an unpack.
    std::vector<LzhSource> sources;
    for (const QString &f : files)
        sources.push_back({f, dir.filePath(f), QFileInfo(dir.filePath(f)).lastModified()});
    const QString archive = work.filePath(QStringLiteral("bench.snb"));
    std::vector<LzhEntryInfo> written;
    const double packTime = best(kRuns,
                                 [&] {
                                     QFile out(archive);
                                     out.open(QIODevice::WriteOnly | QIODevice::Truncate);
                                     if (!WriteLzhArchive(out, sources, &written))
                                         std::fprintf(stderr, "writing the archive failed\n");
                                 }) /
                            1000.0;
    const qint64 packSize = QFileInfo(archive).size();
    bool readBack = false;
    const double checkTime = best(kRuns,
                                  [&] {
                                      const auto checked = VerifyLzhArchive(archive);
                                      readBack = checked && checked->size() == written.size();
                                  }) /
                             1000.0;

    const QString copy = work.filePath(QStringLiteral("data"));
    QDir().mkpath(copy);
    SetDataFolderOverride(copy);
    bool unpacked = false;
    const double unpackTime = best(kRuns, [&] { unpacked = UnpackData(archive); }) / 1000.0;
    SetDataFolderOverride(QString());

    std::printf("gzip -6     %8.3f s  %10lld bytes\n", gzipTime, qlonglong(gzipSize));
    std::printf("lh5 pack    %8.3f s  %10lld bytes\n", packTime, qlonglong(packSize));
    std::printf("pack time ratio    %.2f  (target <= 1.00)\n", packTime / gzipTime);
    std::printf("archive size ratio %.3f  (target <= 1.15)\n", double(packSize) / double(gzipSize));
    std::printf("read-back check    %.3f s = %.2f x pack time (target <= 0.30)%s\n", checkTime, checkTime / packTime,
                readBack ? "" : "  FAILED");
    std::printf("unpack time ratio  %.2f  vs gzip -d %.3f s (target <= 1.00)%s\n", unpackTime / gunzipTime, gunzipTime,
                unpacked ? "" : "  FAILED");
    return readBack && unpacked ? 0 : 1;
}
