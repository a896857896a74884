// Packing then unpacking gives back every byte: the input is cut into up to three files, packed
// with the program's own writer, passed by the read-back check and read back through the
// restore's reader.
#include "fuzzsupport.h"

#include "backup/lzhreader.h"
#include "backup/lzhverify.h"
#include "backup/lzhwriter.h"

#include <QDir>
#include <QFile>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    const QString folder = Fuzz::DataFolder();
    const int files = 1 + in.byte() % 3;
    QByteArray all = in.rest();
    std::vector<QByteArray> contents;
    std::vector<LzhSource> sources;
    for (int i = 0; i < files; ++i) {
        // Each file but the last takes a share of the input picked by its first two bytes.
        QByteArray part = all;
        if (i + 1 < files && all.size() >= 2) {
            const qsizetype cut = ((uchar(all[0]) << 8) | uchar(all[1])) % (all.size() - 1) + 2;
            part = all.mid(2, cut - 2);
            all = all.mid(cut);
        } else {
            all.clear();
        }
        const QString name = QStringLiteral("File%1.snw").arg(i);
        Fuzz::WriteFile(name, part);
        contents.push_back(part);
        sources.push_back({name, folder + QLatin1Char('/') + name, QDateTime::fromSecsSinceEpoch(1700000000)});
    }
    const QString archivePath = folder + QStringLiteral("/pack.lzh");
    QFile archive(archivePath);
    Fuzz::Check(archive.open(QIODevice::WriteOnly | QIODevice::Truncate), "archive not created");
    std::vector<LzhEntryInfo> written;
    Fuzz::Check(WriteLzhArchive(archive, sources, &written), "archive not written");
    archive.close();

    const auto checked = VerifyLzhArchive(archivePath);
    Fuzz::Check(checked.has_value() && checked->size() == size_t(files), "the read-back check refuses our archive");

    const QString out = folder + QStringLiteral("/out");
    QDir().mkpath(out);
    const auto entries = ReadLzhArchive(archivePath, out, [](const LzhEntry &) { return true; });
    Fuzz::Check(entries.has_value(), "our own archive does not read");
    Fuzz::Check(entries->size() == size_t(files) && written.size() == size_t(files), "entries lost");
    for (int i = 0; i < files; ++i) {
        const LzhEntry &e = (*entries)[size_t(i)];
        Fuzz::Check(e.name == sources[size_t(i)].name, "entry name changed");
        Fuzz::Check(e.size == contents[size_t(i)].size() && e.crc == written[size_t(i)].crc, "entry size or CRC");
        QFile back(out + QLatin1Char('/') + e.name);
        Fuzz::Check(back.open(QIODevice::ReadOnly) && back.readAll() == contents[size_t(i)], "bytes changed");
        Fuzz::RemoveFile(e.name);
    }
    QDir(out).removeRecursively();
    QFile::remove(archivePath);
    return 0;
}
