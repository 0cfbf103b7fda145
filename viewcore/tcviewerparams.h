#pragma once
// One complete display set-up of the section viewer: signal parameters, view options, scroll
// percentages and the gain-by-trace table, with one numbering of the display parameters for
// toolbar, quick-control panel and keyboard.
//
// Numeric codes: 0 tScale, 1 sScale, 2 tStep, 3 sStep, 4 gain of the current mode, 5 delay,
// 6 reduction velocity, 7 filter half-length (8..50), 8 low and 9 high frequency.
// Flag codes: 0 fixed gain, 1 normalisation, 2 AGC, 3 delay, 4 reduction, 5 filter,
// 6 negative phases shown (cutNegative off), 7 inversion.
//
// Stream image, no header: 880-byte signal, 24-byte view options, 8-byte scroll, gain table.
// agaMode is never stored and is off after every load.

#include "plotcore/tcsviewopts.h"
#include "viewcore/tcagatable.h"
#include "viewcore/tcscroll.h"
#include "viewcore/tcsignal.h"

#include <QString>

class QIODevice;

class TCViewerParams {
public:
    static constexpr int kMinHalfLen = 8;
    static constexpr int kMaxHalfLen = 50;

    TCViewerParams();
    virtual ~TCViewerParams() = default;
    TCViewerParams(const TCViewerParams&) = default;
    TCViewerParams& operator=(const TCViewerParams&) = default;

    virtual void SetDefaults();
    // Creates or overwrites the file with one stream image; true when all of it was written.
    virtual bool Save(const QString& path) const;
    // A missing, unopenable or short file leaves the defaults; true when a whole image was read.
    virtual bool Load(const QString& path);

    // Stops at the first member whose write falls short; true when all were written.
    bool Save(QIODevice* dev) const;
    // Stops at the first member whose read falls short and then applies SetDefaults.
    bool Load(QIODevice* dev);

    // Signals equal and tScale, sScale, tStep, sStep equal.
    bool operator==(const TCViewerParams& o) const;
    bool operator!=(const TCViewerParams& o) const { return !(*this == o); }

    // Whether the numeric parameter takes effect: 5 delayOn, 6 reduOn, 7..9 filtOn, else true.
    bool IsParamOn(char code) const;
    bool GetFlagVal(char flag) const;
    void FlipFlag(char flag);
    int GetIntParamVal(char code) const;
    double GetFloatParamVal(char code) const;
    bool CanModify(char code, bool inc) const;
    // Does nothing when CanModify fails.
    void Modify(char code, bool inc);
    // Keyboard entry for key-down with Ctrl held: Ctrl+Alt+N,G,D,R,F,M,I flip flags 1..7;
    // Ctrl+X,Y,T,S,A,D,R,F,L,U raise numeric 0..9, with Shift lower it.
    void Modify(unsigned short key, bool alt, bool shift, bool ctrl);

    // On only when the gain table holds an entry.
    void SetAgaMode(bool on) { agaMode = on && gainTable.Count() > 0; }
    bool AgaMode() const { return agaMode; }
    // Table-gain processing: filter while filtOn, then Amplify with the table's gain for trace.
    void ProcessTraceSegment(int trace, float* data, int n, float* work) const;

    TCSignal signal;
    TCSViewOpts viewOpts;
    TCScroll scroll;
    TCAGATable gainTable;
    bool agaMode = false;
};
