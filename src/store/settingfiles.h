#pragma once
// Loaders and writers of the setting files. Each loader empties its table, reads the file
// (a missing file is not an error), applies the defaults and reports a failure once through
// ShowErrorBox with its message and code. Writers replace the file atomically: a failed write
// leaves the old file as it was, reports the writer's message and returns false.
#include "store/settingtables.h"

namespace SettingFiles
{
inline const QString kShop = QStringLiteral("Shop.snw");
inline const QString kMenu = QStringLiteral("Menu.snw");
inline const QString kMenuSub = QStringLiteral("MenuSub.snw");
inline const QString kStaff = QStringLiteral("Staff.snw");
inline const QString kMenuSitei = QStringLiteral("MenuSitei.snw");
inline const QString kBuilding = QStringLiteral("Building.snw");
inline const QString kCti = QStringLiteral("Cti.snw");
inline const QString kBackup = QStringLiteral("BackUp.snw");
inline const QString kDm = QStringLiteral("dm.snw");
inline const QString kMenuBoard = QStringLiteral("menub.snw");
} // namespace SettingFiles

inline const QString kDefaultNoticeLine = QStringLiteral("今日も1日頑張りましょう！");

bool LoadShopSettings(SettingTables &t);
bool LoadMenuTable(SettingTables &t);
bool LoadStaffList(SettingTables &t);
bool LoadCtiSettings(SettingTables &t);
bool LoadMenuOptionList(SettingTables &t);
bool LoadDeliverToList(SettingTables &t);
bool LoadBuildingList(SettingTables &t);
bool LoadDmHistory(SettingTables &t);
bool LoadMenuBoard(SettingTables &t);
// BackupFolder defaults to the user files folder (the program folder when run from a build) + "/Backup", BackupFileName
// to "Soranowa.snb".
bool LoadBackupSettings(SettingTables &t);
// Start-up order: motive list, Shop, Menu, Staff, Cti, MenuSub, MenuSitei, Building, dm, menub.
// Every step runs even when an earlier one failed.
void LoadAllSettings(SettingTables &t);

// Writers. `deleteWhenEmpty`: a settings window whose list became empty deletes the file.
bool SaveShopSettings(const SettingTables &t); // "店舗ファイル書き込みエラー", 15
bool SaveMenuTable(const SettingTables &t, bool deleteWhenEmpty = true); // "メニューファイル書き込みエラー", 16
bool SaveMenuOptionList(const SettingTables &t, bool deleteWhenEmpty = true);
bool SaveStaffList(const SettingTables &t, bool deleteWhenEmpty = true); // "スタッフファイル書き込みエラー", 16
bool SaveDeliverToList(const SettingTables &t, bool deleteWhenEmpty = true); // "入力支援ファイル書き込みエラー", 16
bool SaveBuildingList(const SettingTables &t, bool deleteWhenEmpty = true);
bool SaveCtiSettings(const SettingTables &t);    // "CTIファイル書き込みエラー", 15
bool SaveBackupSettings(const SettingTables &t); // reported by the caller; returns false on failure
bool SaveDmHistory(const SettingTables &t, bool deleteWhenEmpty = true); // no message: the window reports
bool SaveMenuBoard(const SettingTables &t);                              // always writes slots 1..120; no message
// At exit: Building, MenuSub, MenuSitei in that order; the first failure shows
// "メニューファイル書き込みエラー" (16) and skips the rest. Empty lists give empty files.
bool SaveInputSupportLists(const SettingTables &t);
