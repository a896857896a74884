// zipdb build and zip: the postal-code database and a search in it.
#include "admin.h"

#include "customers/postalsearch.h"
#include "customers/zipkey.h"
#include "customers/zipnofinder.h"
#include "customers/zipsources.h"
#include "platform/datafolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace
{

QString kindName(ZipSourceKind kind)
{
    switch (kind) {
    case ZipSourceKind::SkkDictionary:
        return QStringLiteral("SKK dictionary");
    case ZipSourceKind::KenAllCsv:
        return QStringLiteral("KEN_ALL.CSV");
    case ZipSourceKind::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

int usageError(const QString &message)
{
    PrintErr(message);
    PrintErr(QStringLiteral("try 'soranowa-admin --help'"));
    return kExitUsage;
}

} // namespace

int RunZipDb(const QStringList &args)
{
    QString error;
    const auto parsed = ParseArgs(args, {}, {}, &error);
    if (!parsed)
        return usageError(error);
    QStringList words = parsed->positional;
    if (words.size() < 2 || words.front() != QLatin1String("build"))
        return usageError(QStringLiteral("zipdb takes: build OUT [SOURCES...]"));
    words.removeFirst();
    const QString out = words.takeFirst();
    QElapsedTimer timer;
    timer.start();
    std::vector<ZipSourceReport> reports;
    qint64 size = 0;
    if (!BuildZipDbFile(out, words, &reports, &size, &error)) {
        PrintErr(error);
        return kExitFailure;
    }
    for (const ZipSourceReport &r : reports) {
        PrintOut(
            QStringLiteral("%1: %2, %3 addresses%4")
                .arg(r.path, kindName(r.kind))
                .arg(r.entries)
                .arg(r.badCharacters ? QStringLiteral(", %1 undecodable characters").arg(r.badCharacters) : QString()));
    }
    const auto db = ZipDatabase::open(out);
    PrintOut(QStringLiteral("%1: %2 entries, %3 bytes, %4 ms")
                 .arg(out)
                 .arg(db ? db->count() : 0)
                 .arg(size)
                 .arg(timer.elapsed()));
    return kExitOk;
}

int RunZip(const QStringList &args)
{
    QString error;
    const auto parsed = ParseArgs(args, {}, {}, &error);
    if (!parsed)
        return usageError(error);
    if (parsed->positional.size() != 2)
        return usageError(QStringLiteral("zip takes exactly DATA_DIR and KEY"));
    const QString folder = parsed->positional.at(0), key = parsed->positional.at(1);
    // A key of digits (and hyphens) is a postal code, anything else an address, as the lookup
    // window's two directions search them.
    const QString digits = NormaliseZipKey(key);
    bool byZip = !digits.isEmpty();
    for (QChar c : digits)
        byZip = byZip && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    ZipNoFinder finder;
    finder.setDatabaseFile(DataOrProgramFileIn(folder, ProgramFolder(), kZipDatabaseFile));
    if (byZip)
        finder.setZipKey(LookupKey(ZipDirection::ZipToAddress, key));
    else
        finder.setAddressKey(key);
    if (!finder.IsOpen()) {
        PrintErr(QStringLiteral("cannot read %1").arg(QDir(folder).filePath(kZipDatabaseFile)));
        return kExitFailure;
    }
    const int count = finder.ResultCount();
    if (count == -2)
        return usageError(QStringLiteral("the key is too short: give at least 3 digits of a postal code"));
    if (count <= 0) {
        PrintErr(QStringLiteral("no match for %1").arg(key));
        return kExitFailure;
    }
    for (int i = 0; i < count; ++i)
        PrintOut(LookupLine(finder, i));
    if (finder.IsTruncated())
        PrintOut(QStringLiteral("(truncated: only the first %1 matches are listed)").arg(ZipNoFinder::kResultLimit));
    return kExitOk;
}
