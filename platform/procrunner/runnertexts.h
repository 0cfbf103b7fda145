#pragma once
// The worker program's message texts, by number (its one string table).

#include <QString>

enum TRunnerText {
    rtUsage = 1,     // wrong number of arguments
    rtBadIndex,      // file index not a decimal 0..65535
    rtNoChannel,     // no owner's channel published or it does not answer
    rtBadCode,       // procedure code not four letters or digits
    rtNoJobText,     // shared job text missing
    rtNoPlugin,      // plug-in library cannot be loaded
    rtNoEntry,       // execute entry missing
    rtPluginCrashed, // exception out of the plug-in
};

QString RunnerText(TRunnerText id);
