// A backup archive given to the restore: read and, when every entry may be restored, unpacked
// over the data folder. Whatever the archive holds, nothing may land outside the data folder.
#include "fuzzsupport.h"

#include "backup/backupdata.h"
#include "backup/lzhreader.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    const QString folder = Fuzz::DataFolder();
    const QString archive = QDir(folder).absoluteFilePath(QStringLiteral("../restore.snb"));
    {
        QFile file(archive);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(in.rest());
    }
    ReadLzhArchive(archive, QString(), [](const LzhEntry &) { return true; });
    UnpackData(archive);
    QDir parent(QDir(folder).absoluteFilePath(QStringLiteral("..")));
    const QStringList outside = parent.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    Fuzz::Check(outside.size() == 2, "the restore wrote outside the data folder");
    // The restored files must not pile up between runs.
    QDir restored(folder);
    for (const QString &name : restored.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        Fuzz::Check(IsRestorableName(name), "the restore left a file that is no data file");
        restored.remove(name);
    }
    return 0;
}
