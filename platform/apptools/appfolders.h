#pragma once
// Where the programs find their own files and keep their per-user files.
//
// Application folder: the folder of the running program (the build's bin folder is one);
// procedures/ and ProcLib/ lie below it. Per-user data: $GRAVIK_HOME when set, else the
// generic data location + "/Gravik"; the batch editor's files in editor/, the viewer's and the
// exporter's in viewer/. Folders are created on first use. Folder results carry no trailing
// separator unless stated.

#include <QChar>
#include <QString>

// The application folder.
QString KT_GetAppDir();
// Makes `folder` the application folder for this process (tools and tests that run outside it).
void KT_SetAppDir(const QString& folder);
// The procedure description folder, with a trailing separator.
QString KE_GetProcPath();
// The batch editor's files by letter: P supervisor data, E error list, M mask history,
// T ASCII dialog folders. An empty text for any other letter.
QString KE_GetFileName(QChar letter);
// The viewer's per-user folder (settings, reopen list, bookmarks by default).
QString KT_GetAppDataCtrlDir();
// The batch editor's per-user folder.
QString KT_GetEditorDataDir();
QString KV_GetSetArrayFile();
QString KV_GetImgrParamsFile();
QString KV_GetImagerJobFile();
QString KV_GetImagerPreviewFile();
QString KV_GetTextHeaderFile();
// The raster exporter program beside the viewer.
QString KV_GetImagerExeName();
