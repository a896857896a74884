#pragma once
// Every preference the program keeps, in one table: section, key, default text and how the
// stored text is read. The default of a key is written here and nowhere else.
#include <cstddef>
#include <span>

enum class PrefKey {
    BoardSortColumn,    // SET / SORTKEY: 0-based column of the order board; unset = the list's own order
    BoardSortOrder,     // SET / SORT_AZ: 0 ascending, 1 descending
    MenuSearchMode,     // SET / SEARCH: 0 kana keys, 1 menu groups, 2 menu board
    DeliveryFee,        // SET / HAITATSU: the delivery fee in yen last added to an order
    QuickAddMenu,       // SET / MENU: a double-click adds the item at once instead of opening the options
    PrintOnConfirm,     // SET / ORDER: confirming an order also prints its delivery note
    PrintWithoutDialog, // SET / PRINT: delivery notes go to the printer without the printer dialog
    LandscapeNote,      // SET / NOHIN: the A5 landscape delivery note in three copies
    ProgressMode,       // SET / SHINKO: 0 every step, 1 no container collection, 2 complete when confirmed
    OrderStaff,         // STAFF / NAME: the order taker last chosen
    DepartureStaff,     // STAFF / NAME1: the staff last chosen for the departure step
    CollectionStaff,    // STAFF / NAME3: the staff last chosen for the container collection
    BandStart1,         // TIME / START1..3, END1..3: the three time bands of the sales windows
    BandStart2,
    BandStart3,
    BandEnd1,
    BandEnd2,
    BandEnd3,
    LabelTop,       // PAPER / UP: top margin of the address-label sheet in millimetres
    LabelLeft,      // PAPER / LEFT: left margin
    LabelWidth,     // PAPER / WIDTH: label width
    LabelHeight,    // PAPER / HEIGHT: label height
    LabelRows,      // PAPER / TATE: labels per column
    FirstStartDone, // SYSTEM / STARTED: the first start has run to its end
    MainMaximized,  // SET / MAINMAX: the main window was left maximized
    MainLeft,       // SET / MAINLEFT, MAINTOP, MAINWIDTH, MAINHEIGHT: the main window's area when not
    MainTop,        //   maximized, without the window manager's frame, in desktop pixels
    MainWidth,
    MainHeight,
    CtiCom1, // CTI / COM1..COM4: the device each caller-ID port number stands for
    CtiCom2,
    CtiCom3,
    CtiCom4,
    FtpHost,        // FTP / HOST: the backup server
    FtpPort,        // FTP / PORT: its port
    FtpUser,        // FTP / USER: the account last used on it
    FtpCertificate, // FTP / CERTFILE: a PEM file that alone vouches for the server's certificate
    Count
};

enum class PrefType {
    Text,            // any text
    Flag,            // "" and "0" are off, any other text is on; written "0" or "1"
    Choice,          // the decimal index of one of `choices` options; any other text is the default
    Integer,         // a whole number in decimal
    OptionalInteger, // a whole number in decimal, or no value at all
    Decimal,         // a decimal fraction, written in its shortest form
};

struct PrefEntry {
    PrefKey id;
    const char *section;
    const char *key;
    const char *defaultText; // what a key never written stands for
    PrefType type;
    int choices = 0; // PrefType::Choice only
};

inline constexpr PrefEntry kPrefTable[] = {
    {PrefKey::BoardSortColumn, "SET", "SORTKEY", "", PrefType::OptionalInteger},
    {PrefKey::BoardSortOrder, "SET", "SORT_AZ", "0", PrefType::Choice, 2},
    {PrefKey::MenuSearchMode, "SET", "SEARCH", "0", PrefType::Choice, 3},
    {PrefKey::DeliveryFee, "SET", "HAITATSU", "0", PrefType::Integer},
    {PrefKey::QuickAddMenu, "SET", "MENU", "0", PrefType::Flag},
    {PrefKey::PrintOnConfirm, "SET", "ORDER", "0", PrefType::Flag},
    {PrefKey::PrintWithoutDialog, "SET", "PRINT", "0", PrefType::Flag},
    {PrefKey::LandscapeNote, "SET", "NOHIN", "0", PrefType::Flag},
    {PrefKey::ProgressMode, "SET", "SHINKO", "0", PrefType::Choice, 3},
    {PrefKey::OrderStaff, "STAFF", "NAME", "", PrefType::Text},
    {PrefKey::DepartureStaff, "STAFF", "NAME1", "", PrefType::Text},
    {PrefKey::CollectionStaff, "STAFF", "NAME3", "", PrefType::Text},
    {PrefKey::BandStart1, "TIME", "START1", "0", PrefType::Text},
    {PrefKey::BandStart2, "TIME", "START2", "0", PrefType::Text},
    {PrefKey::BandStart3, "TIME", "START3", "0", PrefType::Text},
    {PrefKey::BandEnd1, "TIME", "END1", "0", PrefType::Text},
    {PrefKey::BandEnd2, "TIME", "END2", "0", PrefType::Text},
    {PrefKey::BandEnd3, "TIME", "END3", "0", PrefType::Text},
    {PrefKey::LabelTop, "PAPER", "UP", "23.5", PrefType::Decimal},
    {PrefKey::LabelLeft, "PAPER", "LEFT", "7", PrefType::Decimal},
    {PrefKey::LabelWidth, "PAPER", "WIDTH", "64", PrefType::Decimal},
    {PrefKey::LabelHeight, "PAPER", "HEIGHT", "33.9", PrefType::Decimal},
    {PrefKey::LabelRows, "PAPER", "TATE", "7", PrefType::Integer},
    {PrefKey::FirstStartDone, "SYSTEM", "STARTED", "0", PrefType::Flag},
    {PrefKey::MainMaximized, "SET", "MAINMAX", "1", PrefType::Flag},
    {PrefKey::MainLeft, "SET", "MAINLEFT", "", PrefType::OptionalInteger},
    {PrefKey::MainTop, "SET", "MAINTOP", "", PrefType::OptionalInteger},
    {PrefKey::MainWidth, "SET", "MAINWIDTH", "", PrefType::OptionalInteger},
    {PrefKey::MainHeight, "SET", "MAINHEIGHT", "", PrefType::OptionalInteger},
    {PrefKey::CtiCom1, "CTI", "COM1", "/dev/ttyS0", PrefType::Text},
    {PrefKey::CtiCom2, "CTI", "COM2", "/dev/ttyS1", PrefType::Text},
    {PrefKey::CtiCom3, "CTI", "COM3", "/dev/ttyS2", PrefType::Text},
    {PrefKey::CtiCom4, "CTI", "COM4", "/dev/ttyS3", PrefType::Text},
    {PrefKey::FtpHost, "FTP", "HOST", "backup.soranowa.jp", PrefType::Text},
    {PrefKey::FtpPort, "FTP", "PORT", "21", PrefType::Integer},
    {PrefKey::FtpUser, "FTP", "USER", "", PrefType::Text},
    {PrefKey::FtpCertificate, "FTP", "CERTFILE", "", PrefType::Text},
};

// One row per key, in the order of the keys, so a key is its row number.
constexpr bool PrefTableInKeyOrder()
{
    std::size_t i = 0;
    for (const PrefEntry &e : kPrefTable) {
        if (static_cast<std::size_t>(e.id) != i++)
            return false;
    }
    return i == static_cast<std::size_t>(PrefKey::Count);
}
static_assert(PrefTableInKeyOrder(), "every preference key needs exactly one row, in key order");

constexpr const PrefEntry &PrefEntryOf(PrefKey key)
{
    return kPrefTable[static_cast<std::size_t>(key)];
}

constexpr std::span<const PrefEntry> PrefTable()
{
    return kPrefTable;
}
