#pragma once
// The batch runner's own texts (the batch editor's messages come from core/spvstrings.h).

#include <QString>

enum TBrText {
    brUsage = 1,
    brBadOption,     // %s the option
    brBadWorkers,    // %s the value
    brUnknownProc,   // %s the code
    brNoInputFolder, // %s the folder
    brNoOutputFolder,
    brJobFileUnread, // %s the file
    brJobBoth,
    brBadMask,  // %s the mask
    brBadAffix, // %s the prefix or suffix
    brJobMissing,
    brStarted,    // %s file
    brPercent,    // %s file, %s percent
    brFileOk,     // %s file
    brFileFailed, // %s file, %s code, %s text
    brSoftStop,
    brHardStop,
    brTableHead,
    brNotRun,
    brOutputs,      // %s input file
    brOutputsWhere, // %s folder
    brVersion,      // %s version, %s build date, %s commit
    brListHead,
    brListFlags,
    brNoDescription, // %s the file
    brOpenError,     // %s the reader's code, %s its text
    brOpenErrorCode, // %s the reader's code (no text for it)
};

QString BrText(TBrText id);
// The reader's text for an open error code of trcfile; empty for a code without one.
QString BrReaderText(int code);
