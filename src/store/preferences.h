#pragma once
// The preferences as the windows use them, each typed by its row of the preference table.
#include "store/progressmode.h"
#include "store/settingvalue.h"
#include "store/sortkind.h"

namespace Prefs
{
inline constexpr SettingValue<std::optional<int>> BoardSortColumn{PrefKey::BoardSortColumn};
inline constexpr SettingValue<SortOrder> BoardSortOrder{PrefKey::BoardSortOrder};
inline constexpr SettingValue<int> MenuSearchMode{PrefKey::MenuSearchMode};
inline constexpr SettingValue<qint64> DeliveryFee{PrefKey::DeliveryFee};
inline constexpr SettingValue<bool> QuickAddMenu{PrefKey::QuickAddMenu};
inline constexpr SettingValue<bool> PrintOnConfirm{PrefKey::PrintOnConfirm};
inline constexpr SettingValue<bool> PrintWithoutDialog{PrefKey::PrintWithoutDialog};
inline constexpr SettingValue<bool> LandscapeNote{PrefKey::LandscapeNote};
inline constexpr SettingValue<::ProgressMode> ProgressMode{PrefKey::ProgressMode};
inline constexpr SettingValue<QString> OrderStaff{PrefKey::OrderStaff};
inline constexpr SettingValue<QString> DepartureStaff{PrefKey::DepartureStaff};
inline constexpr SettingValue<QString> CollectionStaff{PrefKey::CollectionStaff};
inline constexpr SettingValue<QString> BandStart1{PrefKey::BandStart1};
inline constexpr SettingValue<QString> BandStart2{PrefKey::BandStart2};
inline constexpr SettingValue<QString> BandStart3{PrefKey::BandStart3};
inline constexpr SettingValue<QString> BandEnd1{PrefKey::BandEnd1};
inline constexpr SettingValue<QString> BandEnd2{PrefKey::BandEnd2};
inline constexpr SettingValue<QString> BandEnd3{PrefKey::BandEnd3};
inline constexpr SettingValue<double> LabelTop{PrefKey::LabelTop};
inline constexpr SettingValue<double> LabelLeft{PrefKey::LabelLeft};
inline constexpr SettingValue<double> LabelWidth{PrefKey::LabelWidth};
inline constexpr SettingValue<double> LabelHeight{PrefKey::LabelHeight};
inline constexpr SettingValue<qint64> LabelRows{PrefKey::LabelRows};
inline constexpr SettingValue<bool> FirstStartDone{PrefKey::FirstStartDone};
inline constexpr SettingValue<bool> MainMaximized{PrefKey::MainMaximized};
inline constexpr SettingValue<std::optional<int>> MainLeft{PrefKey::MainLeft};
inline constexpr SettingValue<std::optional<int>> MainTop{PrefKey::MainTop};
inline constexpr SettingValue<std::optional<int>> MainWidth{PrefKey::MainWidth};
inline constexpr SettingValue<std::optional<int>> MainHeight{PrefKey::MainHeight};
inline constexpr SettingValue<QString> CtiCom1{PrefKey::CtiCom1};
inline constexpr SettingValue<QString> CtiCom2{PrefKey::CtiCom2};
inline constexpr SettingValue<QString> CtiCom3{PrefKey::CtiCom3};
inline constexpr SettingValue<QString> FtpHost{PrefKey::FtpHost};
inline constexpr SettingValue<qint64> FtpPort{PrefKey::FtpPort};
inline constexpr SettingValue<QString> FtpUser{PrefKey::FtpUser};
inline constexpr SettingValue<QString> FtpCertificate{PrefKey::FtpCertificate};
inline constexpr SettingValue<QString> CtiCom4{PrefKey::CtiCom4};
} // namespace Prefs
