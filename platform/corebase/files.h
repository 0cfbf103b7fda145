#pragma once
// File and folder helpers of the F_ family.

#include <QString>
#include <QStringList>

// Appends to `list` the files that match `mask`, a folder and a name pattern ("dir/*_*.dsc").
// "*" and "?" match case-insensitively, as users of Windows expect ("*.sgy" lists c.SGY).
// Names only, or full paths with `fullPaths`; sorted by name. Returns the number appended.
int F_AppendFileList(const QString& mask, QStringList& list, bool fullPaths);
// True when the folder holds no entries (a missing folder counts as empty).
bool F_IsFolderEmpty(const QString& folder);
// Deletes every file in the folder (subfolders stay); false when any could not be deleted.
bool F_ClearDirectory(const QString& folder);
// The folder a file dialog starts in when nothing better is known: the user's home.
QString F_GetMyComputerFolder();
