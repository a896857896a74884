#pragma once
// The shop's setting files and their in-memory tables. Files live in the data folder
// (the current directory while the program runs), CP932 text, CR LF line ends.
// Tables indexed 1..n keep an unused element 0.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct ShopSettings {
    QString ShopName;
    QString ShopZip;
    QString ShopAddress;
    std::array<QString, 3> ShopTel;
    QString TaxRate;
    QString NoticeLine;
    QString NoteText;
    QString PointService;
    QString PointYenUnit;
    QString PointsPerUnit;
    QString PointStep;
    QString PointStepYen;
    QString PointValidMonths;
};

struct MenuEntry {
    QString Group;
    QString MenuName;
    qint64 Price = 0; // currency (yen x 10000)
    QString MenuKana;
};

struct CtiSettings {
    QString CtiMode;
    QString CtiPort;
    QString CtiInitCommand;
    QString CtiFolder;
};

struct BackupSettings {
    QString BackupFolder;
    QString BackupFileName;
};

struct DmHistoryEntry {
    QDateTime DmDate;
    qint16 DmTarget = 0;
    qint16 DmPurpose = 0;
    QString DmCondition;
    qint32 DmCount = 0;
};

struct MenuBoardSlot {
    QString BoardMenuName;
    qint64 BoardPrice = 0; // currency
    QString BoardCaption;
};

constexpr int kMenuBoardSlots = 125;
constexpr int kMenuBoardWrittenSlots = 120;

struct SettingTables {
    ShopSettings Shop;
    std::vector<MenuEntry> MenuTable{1};
    QStringList StaffList{QString()};
    QStringList MenuOptionList{QString()};
    QStringList DeliverToList{QString()};
    QStringList BuildingList{QString()};
    CtiSettings Cti;
    BackupSettings Backup;
    std::vector<DmHistoryEntry> DmHistory{1};
    std::array<MenuBoardSlot, kMenuBoardSlots + 1> MenuBoard{};
    QStringList MotiveList; // 0-based, the seven fixed texts
};

// The fixed motive list (利用動機), indexes 0..6.
QStringList BuildMotiveList();
