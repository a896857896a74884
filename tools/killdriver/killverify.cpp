#include "killverify.h"

#include "store/recordjournal.h"
#include "store/records.h"
#include "store/recordstore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>

namespace
{

QByteArray contents(const QString &path, bool *exists)
{
    QFile f(path);
    *exists = f.open(QIODevice::ReadOnly);
    return *exists ? f.readAll() : QByteArray();
}

int recordLength(const QString &relative)
{
    const QString name = QFileInfo(relative).fileName();
    if (name == RecordStore::kCustomerFile)
        return kCustomerRecordLength;
    if (name == RecordStore::kSalesFile)
        return kSalesRecordLength;
    if (name == RecordStore::kPhoneBookFile)
        return kPhoneBookRecordLength;
    return 0;
}

QSet<QString> filesUnder(const QString &root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

// Temporary files a stop may leave that hold no data: the compaction's copies and the backup's
// archive under construction. The next compaction or backup replaces them.
bool isScratch(const QString &relative)
{
    const QString name = QFileInfo(relative).fileName();
    return name.endsWith(QLatin1String(".tmp")) || name.startsWith(QLatin1String("Soranowa.snb."));
}

} // namespace

VerifyResult VerifyFolder(const QString &dir, const QString &before, const QString &after, bool joint)
{
    VerifyResult r;
    bool sawOld = false, sawNew = false;
    QSet<QString> names = filesUnder(before) + filesUnder(after) + filesUnder(dir);
    for (const QString &rel : names) {
        if (rel.endsWith(RecordJournal::kFileName) || rel.contains(QStringLiteral("/.restore-"))) {
            r.leftovers = true;
            r.detail += QStringLiteral(" leftover:") + rel;
            continue;
        }
        bool inCur = false, inOld = false, inNew = false;
        const QByteArray cur = contents(QDir(dir).filePath(rel), &inCur);
        const QByteArray old = contents(QDir(before).filePath(rel), &inOld);
        const QByteArray neu = contents(QDir(after).filePath(rel), &inNew);
        if (!inOld && !inNew) {
            if (!isScratch(rel))
                r.detail += QStringLiteral(" extra:") + rel;
            continue;
        }
        const bool isOld = inCur == inOld && cur == old;
        const bool isNew = inCur == inNew && cur == neu;
        if (isOld && isNew)
            continue;
        if (isOld || isNew) {
            (isOld ? sawOld : sawNew) = true;
            continue;
        }
        r.detail += QStringLiteral(" changed:") + rel;
        const int length = recordLength(rel);
        if (length == 0 || cur.size() % length != 0) {
            ++(inCur ? r.damaged : r.lost);
            continue;
        }
        // Record by record: each one old or new; a record both versions have must be there.
        const qsizetype records = std::max({cur.size(), old.size(), neu.size()}) / length;
        for (qsizetype i = 0; i < records; ++i) {
            const qsizetype at = i * length;
            const QByteArray c = cur.mid(at, length), o = old.mid(at, length), n = neu.mid(at, length);
            if (c == o)
                sawOld = sawOld || o != n;
            else if (c == n)
                sawNew = true;
            else if (c.isEmpty())
                ++r.lost;
            else
                ++r.damaged;
        }
    }
    r.state = sawOld && sawNew ? QStringLiteral("mixed") : sawNew ? QStringLiteral("new") : QStringLiteral("old");
    // Independent steps may each be at their own side.
    if (!joint && r.state == QLatin1String("mixed"))
        r.state = QStringLiteral("partial");
    return r;
}
