// The plain list files: one entry per line, in display order.
// "Staff.snw", "MenuSub.snw" and "MenuSitei.snw" keep empty lines as entries;
// "Building.snw" (name TAB address) skips them.
#include "store/helpers.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"

namespace
{

const FileMessage kMenuWriteError{16, QStringLiteral("メニューファイル書き込みエラー")};
const FileMessage kStaffWriteError{16, QStringLiteral("スタッフファイル書き込みエラー")};
const FileMessage kSupportWriteError{16, QStringLiteral("入力支援ファイル書き込みエラー")};

bool loadList(const QString &name, QStringList &list, bool skipEmpty, const FileMessage &failure)
{
    list = QStringList{QString()};
    bool failed = false;
    const auto lines = ReadSettingLines(name, failure, &failed);
    if (!lines)
        return !failed;
    for (const QString &line : *lines) {
        if (!(skipEmpty && line.isEmpty()))
            list << line;
    }
    return true;
}

} // namespace

bool LoadStaffList(SettingTables &t)
{
    return loadList(SettingFiles::kStaff, t.StaffList, false, {5, QStringLiteral("スタッフファイル読み込みエラー")});
}

bool LoadMenuOptionList(SettingTables &t)
{
    return loadList(SettingFiles::kMenuSub, t.MenuOptionList, false,
                    {5, QStringLiteral("メニュー補助項目ファイル読み込みエラー")});
}

bool LoadDeliverToList(SettingTables &t)
{
    return loadList(SettingFiles::kMenuSitei, t.DeliverToList, false,
                    {5, QStringLiteral("特定配達先ファイル読み込みエラー")});
}

bool LoadBuildingList(SettingTables &t)
{
    return loadList(SettingFiles::kBuilding, t.BuildingList, true,
                    {5, QStringLiteral("マンションファイル読み込みエラー")});
}

bool SaveStaffList(const SettingTables &t, bool deleteWhenEmpty)
{
    return SaveSettingList(SettingFiles::kStaff, EntriesOf(t.StaffList), deleteWhenEmpty, kStaffWriteError);
}

bool SaveMenuOptionList(const SettingTables &t, bool deleteWhenEmpty)
{
    return SaveSettingList(SettingFiles::kMenuSub, EntriesOf(t.MenuOptionList), deleteWhenEmpty, kMenuWriteError);
}

bool SaveDeliverToList(const SettingTables &t, bool deleteWhenEmpty)
{
    return SaveSettingList(SettingFiles::kMenuSitei, EntriesOf(t.DeliverToList), deleteWhenEmpty, kSupportWriteError);
}

bool SaveBuildingList(const SettingTables &t, bool deleteWhenEmpty)
{
    return SaveSettingList(SettingFiles::kBuilding, EntriesOf(t.BuildingList), deleteWhenEmpty, kSupportWriteError);
}

bool SaveInputSupportLists(const SettingTables &t)
{
    // Order entry may have extended these lists during the run. One message is enough:
    // the first failure stops the rest, which are written again at the next exit.
    const std::pair<QString, const QStringList *> files[] = {
        {SettingFiles::kBuilding, &t.BuildingList},
        {SettingFiles::kMenuSub, &t.MenuOptionList},
        {SettingFiles::kMenuSitei, &t.DeliverToList},
    };
    for (const auto &[name, list] : files) {
        if (!WriteSettingLines(name, EntriesOf(*list), kMenuWriteError))
            return false;
    }
    return true;
}
