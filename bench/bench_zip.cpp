// The postal-code database on Debian's whole postal data, each figure against a baseline
// measured in the same run:
//   building ZipDB.IDX from the dictionaries  vs  reading and decoding them   target < 10 s
//   opening the file (checks and checksum)    reported (every lookup window pays it once)
//   lookup by code, over every code            vs  a scan of the decoded entries   target < 20 ms
//   lookup by address (the town of every 50th entry)  vs  a substring scan of the decoded entries
//
//   bench_zip [OUT_FOLDER]      (default /tmp/soranowa-bench-zip)
#include "customers/zipkey.h"
#include "customers/zipnofinder.h"
#include "customers/zipsources.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace
{

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args[1] : QStringLiteral("/tmp/soranowa-bench-zip");
    QDir().mkpath(folder);
    const QString out = QDir(folder).filePath(QStringLiteral("ZipDB.IDX"));
    if (!QFile::exists(kDebianZipDictionary)) {
        std::fprintf(stderr, "%s is missing (package skkdic-extra)\n", qPrintable(kDebianZipDictionary));
        return 1;
    }

    // Baseline: reading and decoding the sources, which any build must do.
    QElapsedTimer t;
    t.start();
    std::vector<ZipDbEntry> decoded;
    for (const QString &path : {kDebianZipDictionary, kDebianOfficeZipDictionary}) {
        ZipSourceReport report;
        QString error;
        ReadZipSource(path, &decoded, &report, &error);
    }
    const double readMs = ms(t);

    t.restart();
    std::vector<ZipSourceReport> reports;
    qint64 size = 0;
    QString error;
    if (!BuildZipDbFile(out, {}, &reports, &size, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double buildMs = ms(t);
    std::printf("build ZipDB.IDX: %.0f ms for %zu source entries, file %lld bytes (%.1f MB)\n", buildMs, decoded.size(),
                static_cast<long long>(size), size / 1048576.0);
    std::printf("  baseline reading + decoding the sources: %.0f ms  ratio %.2f\n", readMs, buildMs / readMs);

    t.restart();
    const int opens = 20;
    for (int i = 0; i < opens; ++i) {
        ZipNoFinder f;
        f.setDatabaseFile(out);
        if (!f.IsOpen())
            return 1;
    }
    std::printf("open with checks: %.2f ms per window\n", ms(t) / opens);

    ZipNoFinder finder;
    finder.setDatabaseFile(out);
    const auto db = ZipDatabase::open(out);
    const quint32 n = db->count();

    // Lookup by code over every code.
    t.restart();
    long long hits = 0;
    for (quint32 i = 0; i < n; ++i) {
        finder.Reset();
        finder.setDatabaseFile(out);
        finder.setZipKey(QString::number(db->code(i)).rightJustified(7, QLatin1Char('0')));
        hits += finder.ResultCount();
    }
    const double codeMs = ms(t) / n;
    const int scans = 200;
    t.restart();
    long long scanHits = 0;
    for (int k = 0; k < scans; ++k) {
        const quint32 code = decoded[std::size_t(k) * decoded.size() / scans].code;
        for (const ZipDbEntry &e : decoded)
            scanHits += e.code == code;
    }
    const double codeScanMs = ms(t) / scans;
    std::printf("lookup by code: %.4f ms per code over %u codes (%lld matches)\n", codeMs, n, hits);
    std::printf("  baseline scan of the decoded entries: %.4f ms (%lld matches)  ratio %.4f\n", codeScanMs, scanHits,
                codeMs / codeScanMs);

    // Lookup by address: the town part of every 50th entry.
    QStringList keys;
    for (quint32 i = 0; i < n; i += 50)
        keys << TownPart(NormaliseAddressKey(db->display(i))).left(12);
    t.restart();
    hits = 0;
    double worst = 0;
    for (const QString &key : keys) {
        QElapsedTimer one;
        one.start();
        finder.Reset();
        finder.setDatabaseFile(out);
        finder.setAddressKey(key);
        hits += finder.ResultCount();
        worst = std::max(worst, ms(one));
    }
    const double addressMs = ms(t) / keys.size();
    t.restart();
    scanHits = 0;
    const int addressScans = 100;
    for (int k = 0; k < addressScans; ++k) {
        const QString &key = keys[k * keys.size() / addressScans];
        for (const ZipDbEntry &e : decoded)
            scanHits += e.address.contains(key);
    }
    const double addressScanMs = ms(t) / addressScans;
    std::printf("lookup by address: %.3f ms per key over %lld keys, worst %.2f ms (%lld matches)\n", addressMs,
                static_cast<long long>(keys.size()), worst, hits);
    std::printf("  baseline substring scan of the decoded entries: %.3f ms (%lld matches)  ratio %.4f\n", addressScanMs,
                scanHits, addressMs / addressScanMs);
    return 0;
}
