#pragma once
// Display scales, output decimation and colours shared by every section display.

#include <QtGlobal>

class QIODevice;

// A plain record: the fields are public and may be set directly. The Can.../Inc... operations
// keep the bounded fields in their ranges; direct assignment and Load do not check anything.
// Colours are stored as 0x00BBGGRR values (see T_ToQColor in tcolor.h).
class TCSViewOpts {
public:
    // Size of the raw little-endian image written by Save and read by Load.
    static constexpr int kImageSize = 24;

    TCSViewOpts();

    void SetDefaults();

    bool CanIncTScale() const { return tScale < 30; }
    bool CanDecTScale() const { return tScale > 3; }
    bool CanIncSScale() const { return sScale < 15; }
    bool CanDecSScale() const { return sScale > 1; }
    bool CanIncTStep() const { return tStep < 20; }
    bool CanDecTStep() const { return tStep > 1; }
    bool CanIncSStep() const { return sStep < 10; }
    bool CanDecSStep() const { return sStep > 1; }

    // Add 1 (inc) or subtract 1 when the matching Can... test holds; otherwise nothing.
    void IncTScale(bool inc);
    void IncSScale(bool inc);
    void IncTStep(bool inc);
    void IncSStep(bool inc);

    // n rounded down to a multiple of tStep (sStep), never below the step itself. A step below 1
    // (only possible through Load or direct assignment) counts as 1.
    int TRound(int n) const;
    int SRound(int n) const;

    // One write (read) of the 24-byte image; true when all 24 bytes moved. A short read leaves
    // the object unchanged.
    bool Save(QIODevice* dev) const;
    bool Load(QIODevice* dev);

    bool operator==(const TCSViewOpts& o) const;
    bool operator!=(const TCSViewOpts& o) const { return !(*this == o); }

    qint16 tScale;         // pixels per trace slot, 3..30
    qint16 sScale;         // pixels per sample row, 1..15
    quint32 traceColor;    // wiggle pen
    quint32 fillColor;     // variable-area fill
    quint32 frameColor;    // pad rectangle and axis text
    qint16 traceLabelStep; // trace-axis label every so many slots
    qint16 timeLabelStep;  // time-axis label every so many rows
    qint16 tStep;          // output every tStep-th trace, 1..20
    qint16 sStep;          // output every sStep-th sample, 1..10
};
