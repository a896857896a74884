#pragma once
// The undo journal of the record files. An operation that writes several records (an order and
// its customer's points, a sale and its customer's completion count, a whole import batch) runs
// as one group: before a record is first overwritten within the group its stored bytes go to the
// journal, and before a file first grows its length does. When the group ends the data files are
// synced and the journal removed. A journal still present when the files are opened means the
// program stopped inside a group: the saved bytes go back and the files are cut to their old
// lengths, so the operation is either wholly on file or not at all.
//
// Each journal entry ends with a checksum and reaches the disk before the write it protects, so a
// torn last entry belongs to a write that never happened and is ignored.
#include <QString>

#include <array>
#include <set>
#include <utility>

class RecordJournal
{
  public:
    static inline const QString kFileName = QStringLiteral("Records.jnl");
    static constexpr int kFiles = 3;

    RecordJournal() = default;
    ~RecordJournal();
    RecordJournal(const RecordJournal &) = delete;
    RecordJournal &operator=(const RecordJournal &) = delete;

    // Starts a group; the journal file is created only by the first write.
    void begin(const QString &journalPath);
    bool active() const { return m_active; }
    // Saves what a write of `length` bytes at `offset` into file `fileId` (0..kFiles-1, open as
    // `fd`) would lose. False when the journal could not be written: the write must not happen.
    bool saveBefore(int fileId, int fd, qint64 offset, qint64 length);
    // Ends the group: the written files are synced, then the journal goes.
    bool commit(const std::array<int, kFiles> &fds);

    // Undoes the group a stop cut short. `paths` are the data files by fileId. True when there
    // was nothing to undo or the undo completed; the journal is removed only then.
    static bool RollBack(const QString &journalPath, const std::array<QString, kFiles> &paths);

  private:
    bool append(const QByteArray &entry);

    QString m_path;
    bool m_active = false;
    int m_fd = -1;
    std::array<qint64, kFiles> m_lengthBefore{-1, -1, -1};
    std::set<std::pair<int, qint64>> m_saved; // (fileId, offset) already in the journal
};
