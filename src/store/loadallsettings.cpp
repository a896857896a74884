#include "store/settingfiles.h"

void LoadAllSettings(SettingTables &t)
{
    // Each loader reports its own failure; the program goes on with what was loaded.
    t.MotiveList = BuildMotiveList();
    LoadShopSettings(t);
    LoadMenuTable(t);
    LoadStaffList(t);
    LoadCtiSettings(t);
    LoadMenuOptionList(t);
    LoadDeliverToList(t);
    LoadBuildingList(t);
    LoadDmHistory(t);
    LoadMenuBoard(t);
}
