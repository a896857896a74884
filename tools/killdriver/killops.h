#pragma once
// The operations the kill driver performs on a data folder, each through the same core calls
// the windows make. Every choice follows from the seed and the pinned clock, so running an
// operation twice on equal folders gives equal files.
#include <QString>
#include <QStringList>

#include <functional>

struct AppData;

struct KillOp {
    QString name;
    // Record files and setting files move together (all old or all new), except where an
    // operation is a series of independent steps, like the compaction of two files.
    bool joint = true;
    std::function<bool(AppData &data, quint64 seed, const QString &archive)> run;
};

const std::vector<KillOp> &KillOps();
const KillOp *FindKillOp(const QString &name);

// A few cancellations, a deleted customer and changed settings, so that compaction has records
// to drop and a restore has something to undo.
bool PrepareFolder(AppData &data, const QString &archive);
