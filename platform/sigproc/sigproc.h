#pragma once
// Signal kernels of the viewer: zero-phase FIR filter design, in-place convolution of a float
// segment, and automatic gain control. Plain C++, no Qt.
//
// Filters are symmetric (zero-phase) FIR filters of 2 x halfLen + 1 coefficients, coefficient k
// (0 <= k <= 2 x halfLen) weighting the sample at offset k - halfLen. The design is a windowed
// sinc: the ideal low-pass impulse response, tapered by Potter's four-term cosine window (P310)
// and scaled to unit gain at zero frequency. A band-pass is the low-pass at its high cut minus
// the low-pass at its low cut, so it has zero gain at zero frequency for every half-length and
// falls off below the low cut as steeply as its length allows; it is then scaled to unit gain
// at the middle of the band, except that no frequency may gain more than 3 dB (a band too narrow
// for the half-length then stays below unit gain). Functions that take a half-length accept 0
// to SP_MAX_HALFLEN and refuse anything else without touching their outputs.

#include <cstddef>

constexpr int SP_MAX_HALFLEN = 50;
constexpr int SP_MAX_COEFFS = 2 * SP_MAX_HALFLEN + 1;

// Band-pass from lowFreq to highFreq (Hz) for the sample interval dt (s), into coeff (room for
// 2 x halfLen + 1 values). Returns the number of coefficients written, or 0 when the arguments
// are refused (half-length out of range, dt not positive, not 0 < lowFreq < highFreq, or
// lowFreq not below the Nyquist frequency).
int SP_PotterBPFilter(int halfLen, double lowFreq, double highFreq, double dt, double* coeff);

// Low-pass at highFreq (Hz); a cut at or above the Nyquist frequency passes everything.
// Returns the number of coefficients written, or 0 when refused.
int SP_PotterLFFilter(int halfLen, double highFreq, double dt, double* coeff);

// Filters data[0..n-1] in place with 2 x halfLen + 1 coefficients; work is scratch of at least
// n floats. Near the ends of the segment the samples are mirrored about the end samples, so no
// sample outside the segment is read and a steady signal stays steady up to the edges. Returns
// the largest absolute value after filtering; with a refused half-length the data stay as they
// are and their largest absolute value is returned.
float SP_FilterFloat(float* data, int n, int halfLen, const double* coeff, float* work);

// The RMS that automatic gain control levels every window to, 1 / (2 x sqrt(2)): a steady sine
// then peaks at 0.5, half a trace slot of the display (one 6 dB step of gain fills the slot),
// and levelled Gaussian noise stays within +-1 for all but at most half a per cent of samples.
constexpr double SP_AGC_LEVEL = 0.35355339059327373;

// Automatic gain control in place: each sample is multiplied by SP_AGC_LEVEL and divided by the
// RMS of the samples in a window of `window` samples centred on it (window / 2 before it). Near
// the ends the window is cut to the segment and the RMS taken over the samples it still holds,
// so the first and last samples are levelled like the others. A zero RMS gives 0. work is
// scratch of at least n floats. A window below 1 leaves the data unchanged.
void SP_AGCTransform(float* data, int n, int window, float* work);

// Largest absolute value of data[0..n-1] (0 for an empty segment).
float SP_MaxAbs(const float* data, int n);
