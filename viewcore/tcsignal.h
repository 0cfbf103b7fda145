#pragma once
// Parameters that turn the raw samples of one trace into the amplitudes that are drawn:
// amplitude mode and gains, time reduction by a velocity, extra delay, zero-phase filter,
// inversion and the cut of negative phases, with the filter's coefficients.
//
// A plain record: fields are public and may be written directly. The Can.../Inc... operations
// keep the invariants (gain within -500..+500 dB, 0.1 < rVel < 1 000 000,
// 0 <= lowFreq < highFreq <= 10 000, |delay| < maxDelay and within 16 bits); direct writes and
// Load do not.
// Operations that index by a stored byte (mode, gainStep) treat an out-of-range value as 0, and
// a half-length outside 0..50 disables filtering, so a damaged image can never index outside.
//
// Stored image: 880 bytes, little-endian, fields at fixed offsets (see tcsignal.cpp), filler
// zeroed.

#include <QStringList>
#include <QtGlobal>

class QIODevice;

class TCSignal {
public:
    static constexpr int kImageSize = 880;
    static constexpr int kMaxCoeffs = 101;
    static constexpr int kGainStepCount = 7;
    // Gain steps in dB, selected by gainStep[mode].
    static constexpr qint8 kGainSteps[kGainStepCount] = {3, 6, 10, 20, 35, 40, 60};

    // Defaults; maxDelay and coeff start at zero.
    TCSignal();
    // Every field that has a default; maxDelay and coeff keep their values.
    void SetDefaults();

    static double DecibelToFactor(double db);
    static double FactorToDecibel(float f);

    // Multiplicative gain step of the current mode.
    float GetGainInc() const;
    // Clears `list` and appends the seven steps as "%i" texts, in table order.
    static void GetGainIncList(QStringList& list);

    bool CanIncGain() const;
    bool CanDecGain() const;
    bool CanIncRVel() const;
    bool CanDecRVel() const;
    bool CanChangeDelay(bool inc) const;
    bool CanChangeFreq(bool inc, bool low) const;

    // Each does nothing when its Can... test fails.
    void IncGain(bool inc);
    void IncRVel(bool inc);
    void IncDelay(bool inc);
    void IncFiltFreq(bool inc, bool low);
    // 0, 1, 2 set the mode; 3 delay, 4 reduction, 5 filter, 6 negative cut, 7 inversion toggle.
    void FlipFlags(char what);

    // |trace - refTrace| x traceDist.
    float EvaluateOffset(int trace) const;
    // Reduction delay in samples for a trace number (offsetByTrace) or an offset (otherwise);
    // 0 while reduOn is off. dt in seconds.
    int GetReduDelaySmp(int arg, float dt) const;
    // Reduction plus the extra delay while delayOn.
    int GetTotalDelaySmp(int arg, float dt) const;
    // Samples of context the filter and AGC need on each side of a frame: max(halfLen, agcWindow).
    int GetContextSmp() const;

    // Designs coeff for the current band and interval dt (s). One record of the last design is
    // kept for the whole module; when band, half-length and interval (in whole microseconds)
    // match it, its coefficients are copied instead of designing anew. Returns true when the
    // filter was designed anew. A band the design refuses (the low cut at or above the Nyquist
    // frequency, negative frequencies) zeroes coeff, so the filter passes nothing; a half-length
    // outside 0..50 or an interval below 1 us leaves coeff unchanged.
    bool BuildBandPassFilter(double dt);

    // Mode-driven processing of n samples in place: filter (while filtOn), then normalisation,
    // AGC or fixed gain, then Amplify. maxAbs is the largest absolute sample as read; work is
    // scratch of at least n floats.
    void ProcessTraceSegment(float* data, int n, float maxAbs, float* work) const;
    // Filters in place while filtOn; returns the largest absolute value after filtering (or as
    // given in maxAbs when the filter is off or cannot run).
    float FilterSegment(float* data, int n, float maxAbs, float* work) const;
    // data[i] x factor, then inversion, then the negative cut, clamped to finite floats (a
    // value that is not a number becomes 0).
    void Amplify(float* data, int n, float factor) const;

    // Index of the current mode's gain (mode outside 0..2 counts as 0).
    int ModeIndex() const;
    float CurrentGain() const { return gain[ModeIndex()]; }

    bool Save(QIODevice* dev) const;
    // A short read leaves the object unchanged.
    bool Load(QIODevice* dev);

    // Compares mode, gains, reduOn, rVel, delayOn, delay, filtOn, frequencies, halfLen,
    // cutNegative and invert only.
    bool operator==(const TCSignal& o) const;
    bool operator!=(const TCSignal& o) const { return !(*this == o); }

    qint8 mode;         // 0 fixed gain, 1 normalisation, 2 AGC
    quint16 agcWindow;  // samples
    float gain[3];      // factor per mode
    qint8 gainStep[3];  // index into kGainSteps per mode
    qint32 reserved;    // kept in the image, read by nothing
    bool reduOn;        // time reduction on
    bool offsetByTrace; // offset from the trace number, else supplied by the caller
    qint32 refTrace;    // trace number of zero offset
    float traceDist;    // distance between adjacent traces
    float rVel;         // reduction velocity
    float rVelStep;     // step of rVel
    bool delayOn;       // extra delay on
    qint16 delay;       // extra delay, samples
    qint32 maxDelay;    // limit of |delay|; 0 forbids any change
    qint16 delayStep;   // step of delay
    bool filtOn;        // filter on
    qint16 lowFreq;     // Hz; 0 = low-pass at highFreq
    qint16 highFreq;    // Hz
    qint16 halfLen;     // filter half-length, samples
    qint16 freqStep;    // step of both frequencies, Hz
    double coeff[kMaxCoeffs];
    bool cutNegative; // values below zero become zero
    bool invert;      // values change sign

private:
    double StepDb() const;
    bool FilterUsable() const;
};
