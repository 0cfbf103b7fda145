#include "sigproc/sigproc.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Potter's P310 window terms: w(k) = d0 + 2 x (d1 cos(pi k / m) + d2 cos(2 pi k / m) +
// d3 cos(3 pi k / m)); 1 at the centre, 0 at |k| = m. The window reaches zero one sample beyond
// the half-length (m = halfLen + 1), so the outermost coefficients still carry weight.
constexpr double kP310[4] = {0.35577019, 0.2436983, 0.07211497, 0.00630165};

double potterWindow(int k, int m) {
    double w = kP310[0];
    for (int p = 1; p < 4; ++p)
        w += 2.0 * kP310[p] * std::cos(kPi * p * k / m);
    return w;
}

// Gain of the zero-phase filter at frequency f (cycles per sample).
double gainAt(const double* coeff, int halfLen, double f) {
    double g = coeff[halfLen];
    for (int k = 1; k <= halfLen; ++k)
        g += 2.0 * coeff[halfLen + k] * std::cos(2.0 * kPi * f * k);
    return g;
}

// Windowed ideal low-pass at f (cycles per sample, 0 < f <= 0.5), scaled to unit gain at zero
// frequency. At the Nyquist frequency it is the unit impulse, exactly.
void lowPass(int halfLen, double f, double* coeff) {
    for (int k = 0; k <= 2 * halfLen; ++k)
        coeff[k] = 0.0;
    coeff[halfLen] = 1.0;
    if (f >= 0.5)
        return;
    const int m = halfLen + 1;
    coeff[halfLen] = 2.0 * f;
    for (int k = 1; k <= halfLen; ++k)
        coeff[halfLen + k] = coeff[halfLen - k] =
            std::sin(2.0 * kPi * f * k) / (kPi * k) * potterWindow(k, m);
    const double g = gainAt(coeff, halfLen, 0.0);
    if (std::fabs(g) > 1e-12)
        for (int k = 0; k <= 2 * halfLen; ++k)
            coeff[k] /= g;
}

// Largest absolute gain over 0 to the Nyquist frequency, on a grid fine enough for 101 taps.
double peakGain(const double* coeff, int halfLen) {
    constexpr int kSteps = 1024;
    double peak = 0.0;
    for (int i = 0; i <= kSteps; ++i)
        peak = std::fmax(peak, std::fabs(gainAt(coeff, halfLen, 0.5 * i / kSteps)));
    return peak;
}

// No frequency of a band-pass may gain more than this (3 dB). A band narrower than the
// half-length can resolve would otherwise, once scaled to unit gain at its middle, amplify
// frequencies above it several times over.
constexpr double kMaxBandGain = 1.4142135623730951;

// Band from f1 to f2 (cycles per sample, 0 < f1 < f2 <= 0.5): the difference of the two
// low-passes, each of unit gain at zero frequency, so the band's gain at zero frequency is zero
// whatever the half-length; then unit gain at the middle of the band, within kMaxBandGain.
void bandPass(int halfLen, double f1, double f2, double* coeff) {
    double low[SP_MAX_COEFFS];
    lowPass(halfLen, f2, coeff);
    lowPass(halfLen, f1, low);
    for (int k = 0; k <= 2 * halfLen; ++k)
        coeff[k] -= low[k];
    const double mid = gainAt(coeff, halfLen, 0.5 * (f1 + f2));
    const double scale = std::fmax(mid, peakGain(coeff, halfLen) / kMaxBandGain);
    if (scale > 1e-12)
        for (int k = 0; k <= 2 * halfLen; ++k)
            coeff[k] /= scale;
}

bool validCommon(int halfLen, double dt, const double* coeff) {
    return coeff != nullptr && halfLen >= 0 && halfLen <= SP_MAX_HALFLEN && dt > 0.0 &&
           std::isfinite(dt);
}

} // namespace

int SP_PotterBPFilter(int halfLen, double lowFreq, double highFreq, double dt, double* coeff) {
    if (!validCommon(halfLen, dt, coeff) || !(lowFreq > 0.0) || !(highFreq > lowFreq))
        return 0;
    const double f1 = lowFreq * dt;
    if (f1 >= 0.5)
        return 0;
    bandPass(halfLen, f1, std::fmin(highFreq * dt, 0.5), coeff);
    return 2 * halfLen + 1;
}

int SP_PotterLFFilter(int halfLen, double highFreq, double dt, double* coeff) {
    if (!validCommon(halfLen, dt, coeff) || !(highFreq > 0.0))
        return 0;
    lowPass(halfLen, highFreq * dt, coeff);
    return 2 * halfLen + 1;
}
