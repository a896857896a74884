#pragma once
// The main window's commands, one row each: caption and objectName of the menu item, the icon
// of the left panel, the menu and panel group, the window it opens, the refusal that comes
// first. The menu bar, the left panel, the refusals and the enabled states are all built from
// these rows; a new window is one row here plus the window.
#include "app/commands.h"

#include <QChar>
#include <QColor>
#include <QString>

#include <vector>

struct AppData;

// Where a command sits: a submenu of "ﾒﾆｭｰ(&M)" and the left panel group of the same name, or
// the menu "ﾂｰﾙ(&T)" (no panel group). Listed top to bottom.
enum class CommandGroup { Main, Customers, Sales, Settings, Maintenance, Tools };

struct CommandGroupInfo {
    CommandGroup group;
    QString menuCaption;
    QString menuName;
    QString panelTitle; // empty: a menu of the menu bar itself, not in the panel
    QString panelName;
};
const std::vector<CommandGroupInfo> &CommandGroups();

// Why a command may be refused before its window opens.
enum class CommandRefusal { None, NoCustomersToAnalyse, NoCustomersToMail, NoSales };

struct CommandRow {
    Command command;
    QString caption;    // the menu item; the panel shows it without "(&X)" and "..."
    QString objectName; // of the menu action; the panel button is "pnl_" + objectName
    QChar glyph;        // the icon: one character on a rounded square of `color`
    QColor color;
    CommandGroup group;
    CommandRefusal refusal;
    // The window it opens: a child window of the frame or a modal dialog. Empty while the
    // window is not part of the program; the command then stays disabled.
    CommandHandler opens;
};
const std::vector<CommandRow> &CommandTable();
const CommandRow &CommandRowOf(Command command);

// The refusal box of the row when it applies to the data now; true when the command was refused.
bool RefuseCommand(const CommandRow &row, const AppData &data);
// A refused command stays clickable, so that the user learns why nothing opens.
bool RefusalApplies(CommandRefusal refusal, const AppData &data);
