#pragma once
// Everything the windows share while the program runs: the record store with its index tables,
// and the setting tables. One instance, handed to every window.
#include "store/recordstore.h"
#include "store/settingtables.h"

struct AppData {
    explicit AppData(const QString &folder = QString()) : records(folder) {}

    RecordStore records;
    SettingTables settings;
    // Set once start-up has loaded every table.
    bool StartupDone = false;

    // Start-up loading: open the record files and build their indexes, then load every setting
    // file in order. Each failing step reports itself; the rest still run.
    void LoadAll();
};
