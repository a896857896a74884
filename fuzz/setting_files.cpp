// Each setting file as it may be found in the data folder: the first byte picks the file, the
// rest is its content. The loaded table is written back and loaded again, as the settings
// windows do, and must come back the same.
#include "fuzzsupport.h"

#include "store/settingfiles.h"

#include <QFile>

#include <array>
#include <functional>

namespace
{

struct SettingFile {
    QString name;
    std::function<bool(SettingTables &)> load;
    std::function<bool(const SettingTables &)> save;
};

const std::array<SettingFile, 10> &files()
{
    static const std::array<SettingFile, 10> all{{
        {SettingFiles::kShop, LoadShopSettings, SaveShopSettings},
        {SettingFiles::kMenu, LoadMenuTable, [](const SettingTables &t) { return SaveMenuTable(t, false); }},
        {SettingFiles::kStaff, LoadStaffList, [](const SettingTables &t) { return SaveStaffList(t, false); }},
        {SettingFiles::kCti, LoadCtiSettings, SaveCtiSettings},
        {SettingFiles::kMenuSub, LoadMenuOptionList,
         [](const SettingTables &t) { return SaveMenuOptionList(t, false); }},
        {SettingFiles::kMenuSitei, LoadDeliverToList,
         [](const SettingTables &t) { return SaveDeliverToList(t, false); }},
        {SettingFiles::kBuilding, LoadBuildingList, [](const SettingTables &t) { return SaveBuildingList(t, false); }},
        {SettingFiles::kDm, LoadDmHistory, [](const SettingTables &t) { return SaveDmHistory(t, false); }},
        {SettingFiles::kMenuBoard, LoadMenuBoard, SaveMenuBoard},
        {SettingFiles::kBackup, LoadBackupSettings, SaveBackupSettings},
    }};
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::DataFolder();
    Fuzz::Input in(data, size);
    const SettingFile &file = files()[in.byte() % files().size()];
    Fuzz::WriteFile(file.name, in.rest());
    SettingTables tables;
    tables.MotiveList = BuildMotiveList();
    if (file.load(tables) && file.save(tables)) {
        // What a window wrote must load as the same table, and write the same bytes again.
        QFile written(Fuzz::DataFolder() + QLatin1Char('/') + file.name);
        written.open(QIODevice::ReadOnly);
        const QByteArray first = written.readAll();
        written.close();
        SettingTables again;
        again.MotiveList = tables.MotiveList;
        Fuzz::Check(file.load(again), "a written setting file does not load");
        Fuzz::Check(file.save(again), "a loaded setting file cannot be written");
        written.open(QIODevice::ReadOnly);
        Fuzz::Check(written.readAll() == first, "a setting file changes when loaded and written again");
    }
    Fuzz::RemoveFile(file.name);
    Fuzz::TakeBoxCount();
    return 0;
}
