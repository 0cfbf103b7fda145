#pragma once
// The header inspector: a modal dialog that test-reads the binary header of a SEG-Y file in the
// platform variant the user picks and lists the key words that decide whether it can be read.
// These two entries are all the shared library exports.

#include <QString>
#include <QWidget>
#include <QtGlobal>

#if defined(HDRPEEK_LIBRARY)
#define HDRPEEK_EXPORT Q_DECL_EXPORT
#else
#define HDRPEEK_EXPORT Q_DECL_IMPORT
#endif

// Shows the dialog modally and returns when it closes. `owner` is a native window id (0: none):
// the dialog is centred over the owner, or on the screen without one. A non-empty `fileName` is
// put into the file box and read once the dialog is up.
HDRPEEK_EXPORT void ReadDisplayFileHeader(WId owner, const QString& fileName);
// The same with an empty file box: the user chooses the file in the dialog.
HDRPEEK_EXPORT void ReadDisplayFileHeader(WId owner);
