#pragma once
#include <QString>

// The program folder is the folder of the executable; the data folder is its "data"
// subfolder, or the per-user application data folder + "/data" when the program folder
// cannot be written. Every data and setting file is opened by its bare name inside it.
QString ProgramFolder();
// A read-only file or folder that ships with the program (help pages, the menu-word dictionary):
// beside the executable when it runs from its build folder, under ../share/soranowa when it runs
// from an installed bin/. When neither exists the path beside the executable is returned, so a
// missing file is reported where a build would put it.
QString ProgramFile(const QString &name);
QString ProgramFileIn(const QString &programFolder, const QString &name);
QString DataFolderPath();
// Creates the data folder when missing and makes it the current directory.
// Returns false when that fails (the program then goes on in the current directory).
bool EnterDataFolder();
// Overrides the data folder (tests, the headless tool); an empty path restores the default.
void SetDataFolderOverride(const QString &path);
