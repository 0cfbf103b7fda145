#include "viewcore/tcsignal.h"

#include "sigproc/sigproc.h"
#include "viewcore/rawimage.h"

#include <QString>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Offsets of the 880-byte image.
enum : int {
    kOffMode = 0,
    kOffAgcWindow = 2,
    kOffGain = 4,
    kOffGainStep = 16,
    kOffReserved = 20,
    kOffReduOn = 24,
    kOffOffsetByTrace = 25,
    kOffRefTrace = 28,
    kOffTraceDist = 32,
    kOffRVel = 36,
    kOffRVelStep = 40,
    kOffDelayOn = 44,
    kOffDelay = 46,
    kOffMaxDelay = 48,
    kOffDelayStep = 52,
    kOffFiltOn = 54,
    kOffLowFreq = 56,
    kOffHighFreq = 58,
    kOffHalfLen = 60,
    kOffFreqStep = 62,
    kOffCoeff = 64,
    kOffCutNegative = 872,
    kOffInvert = 873,
};

// The last design, shared by every TCSignal of the process (single-threaded use).
struct FilterRecord {
    bool valid = false;
    int lowFreq = 0, highFreq = 0, halfLen = 0, key = 0;
    double coeff[TCSignal::kMaxCoeffs] = {};
};

FilterRecord& lastBuild() {
    static FilterRecord record;
    return record;
}

// Truncation toward zero, limited to the int range; not-a-number gives 0.
int truncToInt(double v) {
    if (!(v == v))
        return 0;
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return int(v);
}

} // namespace

TCSignal::TCSignal() : maxDelay(0) {
    std::memset(coeff, 0, sizeof coeff);
    SetDefaults();
}

void TCSignal::SetDefaults() {
    mode = 0;
    agcWindow = 20;
    gain[0] = gain[1] = gain[2] = 1.0f;
    gainStep[0] = 2;
    gainStep[1] = gainStep[2] = 1;
    reserved = 0;
    reduOn = false;
    offsetByTrace = true;
    refTrace = 1;
    traceDist = 250.0f;
    rVel = 8000.0f;
    rVelStep = 100.0f;
    delayOn = false;
    delay = 0;
    delayStep = 20;
    filtOn = false;
    lowFreq = 5;
    highFreq = 50;
    halfLen = 15;
    freqStep = 3;
    cutNegative = true;
    invert = false;
}

double TCSignal::DecibelToFactor(double db) {
    return std::pow(10.0, db * 0.05);
}

double TCSignal::FactorToDecibel(float f) {
    return 20.0 * std::log10(double(f));
}

int TCSignal::ModeIndex() const {
    return mode >= 0 && mode <= 2 ? mode : 0;
}

double TCSignal::StepDb() const {
    const int s = gainStep[ModeIndex()];
    return kGainSteps[s >= 0 && s < kGainStepCount ? s : 0];
}

float TCSignal::GetGainInc() const {
    return float(DecibelToFactor(StepDb()));
}

void TCSignal::GetGainIncList(QStringList& list) {
    list.clear();
    for (qint8 step : kGainSteps)
        list.append(QString::asprintf("%i", int(step)));
}

bool TCSignal::CanIncGain() const {
    return FactorToDecibel(CurrentGain()) + StepDb() <= 500.0;
}

bool TCSignal::CanDecGain() const {
    return FactorToDecibel(CurrentGain()) - StepDb() >= -500.0;
}

bool TCSignal::CanIncRVel() const {
    return rVel + rVelStep < 1000000.0f;
}

bool TCSignal::CanDecRVel() const {
    return rVel - rVelStep > 0.1f;
}

bool TCSignal::CanChangeDelay(bool inc) const {
    if (maxDelay == 0)
        return false;
    // maxDelay may exceed the 16 bits of delay (samples per trace reach 65535): a step past
    // them would wrap the delay round to the other sign.
    const int next = int(delay) + (inc ? 1 : -1) * int(delayStep);
    return std::abs(next) < maxDelay && next >= SHRT_MIN && next <= SHRT_MAX;
}

bool TCSignal::CanChangeFreq(bool inc, bool low) const {
    if (low)
        return inc ? highFreq - freqStep > lowFreq : lowFreq - freqStep >= 0;
    return inc ? highFreq + freqStep <= 10000 : highFreq - freqStep > lowFreq;
}

void TCSignal::IncGain(bool inc) {
    if (inc ? !CanIncGain() : !CanDecGain())
        return;
    float& g = gain[ModeIndex()];
    g = inc ? g * GetGainInc() : g / GetGainInc();
}

void TCSignal::IncRVel(bool inc) {
    if (inc ? CanIncRVel() : CanDecRVel())
        rVel += inc ? rVelStep : -rVelStep;
}

void TCSignal::IncDelay(bool inc) {
    if (CanChangeDelay(inc))
        delay = qint16(delay + (inc ? delayStep : -delayStep));
}

void TCSignal::IncFiltFreq(bool inc, bool low) {
    if (!CanChangeFreq(inc, low))
        return;
    qint16& f = low ? lowFreq : highFreq;
    f = qint16(f + (inc ? freqStep : -freqStep));
}

void TCSignal::FlipFlags(char what) {
    switch (what) {
    case 0:
    case 1:
    case 2:
        mode = qint8(what);
        break;
    case 3:
        delayOn = !delayOn;
        break;
    case 4:
        reduOn = !reduOn;
        break;
    case 5:
        filtOn = !filtOn;
        break;
    case 6:
        cutNegative = !cutNegative;
        break;
    case 7:
        invert = !invert;
        break;
    default:
        break;
    }
}

float TCSignal::EvaluateOffset(int trace) const {
    return float(std::llabs(qint64(trace) - refTrace)) * traceDist;
}

int TCSignal::GetReduDelaySmp(int arg, float dt) const {
    if (!reduOn)
        return 0;
    const float x = offsetByTrace ? EvaluateOffset(arg) : float(arg);
    return truncToInt(double(x) / (double(rVel) * double(dt)) + 0.5);
}

int TCSignal::GetTotalDelaySmp(int arg, float dt) const {
    const qint64 total = qint64(GetReduDelaySmp(arg, dt)) + (delayOn ? delay : 0);
    return int(std::clamp<qint64>(total, INT_MIN, INT_MAX));
}

int TCSignal::GetContextSmp() const {
    return qMax(int(halfLen), int(agcWindow));
}

bool TCSignal::FilterUsable() const {
    return halfLen >= 0 && halfLen <= SP_MAX_HALFLEN;
}

bool TCSignal::BuildBandPassFilter(double dt) {
    const double micro = dt * 1000000.0 + 0.49;
    if (!FilterUsable() || !(micro >= 1.0 && micro < double(INT_MAX)))
        return false;
    const int key = int(micro);
    FilterRecord& last = lastBuild();
    const int count = 2 * halfLen + 1;
    if (last.valid && last.lowFreq == lowFreq && last.highFreq == highFreq &&
        last.halfLen == halfLen && last.key == key) {
        // The record is shared, the coefficients are per object: hand this object its copy.
        std::memcpy(coeff, last.coeff, sizeof(double) * size_t(count));
        return false;
    }
    const int made = lowFreq == 0 ? SP_PotterLFFilter(halfLen, highFreq, dt, coeff)
                                  : SP_PotterBPFilter(halfLen, lowFreq, highFreq, dt, coeff);
    if (made == 0) {
        // No pass band this interval can carry (a band above the Nyquist frequency, or
        // frequencies from a damaged set): pass nothing rather than keep the coefficients of
        // another band, which the read-out would not match.
        std::memset(coeff, 0, sizeof coeff);
        return false;
    }
    last.valid = true;
    last.lowFreq = lowFreq;
    last.highFreq = highFreq;
    last.halfLen = halfLen;
    last.key = key;
    std::memcpy(last.coeff, coeff, sizeof(double) * size_t(count));
    return true;
}

float TCSignal::FilterSegment(float* data, int n, float maxAbs, float* work) const {
    if (!filtOn || !FilterUsable())
        return maxAbs;
    return SP_FilterFloat(data, n, halfLen, coeff, work);
}

void TCSignal::ProcessTraceSegment(float* data, int n, float maxAbs, float* work) const {
    const float a = FilterSegment(data, n, maxAbs, work);
    float f = CurrentGain();
    switch (mode) {
    case 2:
        SP_AGCTransform(data, n, agcWindow, work);
        break;
    case 1:
        f = a > 0.0f ? gain[1] / a : 0.0f;
        break;
    default:
        break;
    }
    Amplify(data, n, f);
}

void TCSignal::Amplify(float* data, int n, float factor) const {
    for (int i = 0; i < n; ++i) {
        double v = double(factor) * double(data[i]);
        if (invert && v != 0.0)
            v = -v;
        if (cutNegative && v < 0.0)
            v = 0.0;
        if (v > double(FLT_MAX))
            v = FLT_MAX;
        else if (v < -double(FLT_MAX))
            v = -FLT_MAX;
        else if (!(v == v))
            v = 0.0;
        data[i] = float(v);
    }
}

bool TCSignal::Save(QIODevice* dev) const {
    char image[kImageSize] = {};
    RI_Put(image, kOffMode, mode);
    RI_Put(image, kOffAgcWindow, agcWindow);
    for (int m = 0; m < 3; ++m) {
        RI_Put(image, kOffGain + 4 * m, gain[m]);
        RI_Put(image, kOffGainStep + m, gainStep[m]);
    }
    RI_Put(image, kOffReserved, reserved);
    RI_Put(image, kOffReduOn, reduOn);
    RI_Put(image, kOffOffsetByTrace, offsetByTrace);
    RI_Put(image, kOffRefTrace, refTrace);
    RI_Put(image, kOffTraceDist, traceDist);
    RI_Put(image, kOffRVel, rVel);
    RI_Put(image, kOffRVelStep, rVelStep);
    RI_Put(image, kOffDelayOn, delayOn);
    RI_Put(image, kOffDelay, delay);
    RI_Put(image, kOffMaxDelay, maxDelay);
    RI_Put(image, kOffDelayStep, delayStep);
    RI_Put(image, kOffFiltOn, filtOn);
    RI_Put(image, kOffLowFreq, lowFreq);
    RI_Put(image, kOffHighFreq, highFreq);
    RI_Put(image, kOffHalfLen, halfLen);
    RI_Put(image, kOffFreqStep, freqStep);
    for (int k = 0; k < kMaxCoeffs; ++k)
        RI_Put(image, kOffCoeff + 8 * k, coeff[k]);
    RI_Put(image, kOffCutNegative, cutNegative);
    RI_Put(image, kOffInvert, invert);
    return RI_Write(dev, image, kImageSize);
}

bool TCSignal::Load(QIODevice* dev) {
    char image[kImageSize];
    if (!RI_Read(dev, image, kImageSize))
        return false;
    mode = RI_Get<qint8>(image, kOffMode);
    agcWindow = RI_Get<quint16>(image, kOffAgcWindow);
    for (int m = 0; m < 3; ++m) {
        gain[m] = RI_Get<float>(image, kOffGain + 4 * m);
        gainStep[m] = RI_Get<qint8>(image, kOffGainStep + m);
    }
    reserved = RI_Get<qint32>(image, kOffReserved);
    reduOn = RI_Get<bool>(image, kOffReduOn);
    offsetByTrace = RI_Get<bool>(image, kOffOffsetByTrace);
    refTrace = RI_Get<qint32>(image, kOffRefTrace);
    traceDist = RI_Get<float>(image, kOffTraceDist);
    rVel = RI_Get<float>(image, kOffRVel);
    rVelStep = RI_Get<float>(image, kOffRVelStep);
    delayOn = RI_Get<bool>(image, kOffDelayOn);
    delay = RI_Get<qint16>(image, kOffDelay);
    maxDelay = RI_Get<qint32>(image, kOffMaxDelay);
    delayStep = RI_Get<qint16>(image, kOffDelayStep);
    filtOn = RI_Get<bool>(image, kOffFiltOn);
    lowFreq = RI_Get<qint16>(image, kOffLowFreq);
    highFreq = RI_Get<qint16>(image, kOffHighFreq);
    halfLen = RI_Get<qint16>(image, kOffHalfLen);
    freqStep = RI_Get<qint16>(image, kOffFreqStep);
    for (int k = 0; k < kMaxCoeffs; ++k)
        coeff[k] = RI_Get<double>(image, kOffCoeff + 8 * k);
    cutNegative = RI_Get<bool>(image, kOffCutNegative);
    invert = RI_Get<bool>(image, kOffInvert);
    return true;
}

bool TCSignal::operator==(const TCSignal& o) const {
    return mode == o.mode && gain[0] == o.gain[0] && gain[1] == o.gain[1] && gain[2] == o.gain[2] &&
           reduOn == o.reduOn && rVel == o.rVel && delayOn == o.delayOn && delay == o.delay &&
           filtOn == o.filtOn && lowFreq == o.lowFreq && highFreq == o.highFreq &&
           halfLen == o.halfLen && cutNegative == o.cutNegative && invert == o.invert;
}
