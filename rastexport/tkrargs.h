#pragma once
// The exporter's command line as the viewer writes it: data file, first and last trace, first
// and last sample of the viewer's current frame, the viewer's window id (decimal) and the AGA
// mode (non-zero when on).

#include <QStringList>
#include <QWidget>

struct TKrArgs {
    static constexpr int kCount = 7;

    QString file;
    int trace1 = 0, trace2 = 0, sample1 = 0, sample2 = 0;
    WId owner = 0;
    bool agaMode = false;

    // `args` without the program name. False for six arguments or fewer (the program then ends
    // without a window); arguments beyond the seventh are ignored. A number that is not a whole
    // unsigned value reads as 0 (a region number is normalised later, window 0 centres the form
    // on the screen).
    static bool Parse(const QStringList& args, TKrArgs& out);
};
