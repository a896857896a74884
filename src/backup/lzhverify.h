#pragma once
// The read-back check of an archive we just wrote: every level-2 header and its CRC, every
// entry's data decoded, its size and CRC-16 compared with the header's. Only the layout our
// writer produces (level-2 headers, -lh0- and -lh5- to -lh7- data) passes.
#include "backup/lzhwriter.h"

#include <QString>

#include <optional>
#include <vector>

// The entries as their data came out, in archive order; nullopt on any damage.
std::optional<std::vector<LzhEntryInfo>> VerifyLzhArchive(const QString &archivePath);
