#pragma once
#include <QString>

// The program folder is the folder of the executable; the data folder is the "data" subfolder of
// the user files folder below. Every data and setting file is opened by its bare name inside it.
QString ProgramFolder();
// A read-only file or folder that ships with the program (help pages, the menu-word dictionary):
// beside the executable when it runs from its build folder, under ../share/soranowa when it runs
// from an installed bin/. When neither exists the path beside the executable is returned, so a
// missing file is reported where a build would put it.
QString ProgramFile(const QString &name);
QString ProgramFileIn(const QString &programFolder, const QString &name);
// A file a shop may keep its own copy of in the data folder (the postal-code database): that copy
// when present, otherwise the one that ships with the program (ProgramFileIn). When neither exists
// the path in the data folder is returned, so a missing file is reported where a shop would put it.
QString DataOrProgramFileIn(const QString &dataFolder, const QString &programFolder, const QString &name);
// The folder that holds the data folder and the backup folders ("Backup" for backups made by
// hand, "backup" for the automatic ones): the program folder when the program runs from its
// build folder and may write there, otherwise the per-user application data folder. An installed
// program (in a bin/ beside share/soranowa) always keeps them per user.
QString UserFilesFolder();
QString UserFilesFolderFor(const QString &programFolder);
bool IsInstalledProgramFolder(const QString &programFolder);
QString DataFolderPath();
// Creates the data folder when missing and makes it the current directory.
// Returns false when that fails (the program then goes on in the current directory).
bool EnterDataFolder();
// Overrides the data folder (tests, the headless tool); an empty path restores the default.
void SetDataFolderOverride(const QString &path);
