#pragma once
// The start-up sequence of the program, from the splash to the main window.
#include <memory>

class frmMain;
class SingleInstanceGuard;
struct AppData;

struct StartupResult {
    bool proceed = false; // false: another instance runs; the program ends
    std::unique_ptr<SingleInstanceGuard> guard;
};

// Refuses a second instance, enters the data folder, runs the first start when needed and
// loads every table into `data`. The caller then shows the main window.
StartupResult RunStartup(AppData &data);
// Font names used by the forms resolve to the installed Japanese fonts.
void InstallFontSubstitutions();
