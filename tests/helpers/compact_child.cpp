// Runs the exit-time compaction of a data folder and nothing else, so that a test can stop it
// at any moment and inspect the files left behind.
//
//   soranowa_compact_child DATA_FOLDER
//
// Prints "scanned" on standard output (flushed) once the last sales record has been read,
// which lets the test aim at the moments around the final replacement of the file.
#include "store/recordstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: soranowa_compact_child DATA_FOLDER\n");
        return 2;
    }
    RecordStore store(QString::fromLocal8Bit(argv[1]));
    // As at exit: the files are open when the compaction starts.
    if (!store.OpenRecordFiles())
        return 1;
    bool ok = store.CompactCustomers();
    ok = store.CompactSales([](qint64 value, qint64 maximum) {
        if (value == maximum - 9) {
            std::fputs("scanned\n", stdout);
            std::fflush(stdout);
        }
    }) && ok;
    store.CloseRecordFiles();
    return ok ? 0 : 1;
}
