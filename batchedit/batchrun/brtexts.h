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
};

QString BrText(TBrText id);
