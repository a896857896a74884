#pragma once
// Pointing a special folder of SpecialFolderPath elsewhere: tests use it so that the imports
// write their log into a temporary folder instead of the user's desktop.
#include <QString>

// An empty path restores the platform folder.
void SetSpecialFolderOverride(int folderId, const QString &path);
