#include "sigproc/sigproc.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Index of the sample that stands at position i when the segment is mirrored about its end
// samples (..., x2, x1, x0, x1, x2, ...); repeats for half-lengths beyond the segment.
int mirror(int i, int n) {
    if (n == 1)
        return 0;
    const int period = 2 * (n - 1);
    int j = i % period;
    if (j < 0)
        j += period;
    return j < n ? j : period - j;
}

} // namespace

float SP_MaxAbs(const float* data, int n) {
    float m = 0.0f;
    for (int i = 0; i < n; ++i)
        m = std::fmax(m, std::fabs(data[i]));
    return m;
}

float SP_FilterFloat(float* data, int n, int halfLen, const double* coeff, float* work) {
    if (data == nullptr || n <= 0)
        return 0.0f;
    if (coeff == nullptr || work == nullptr || halfLen < 0 || halfLen > SP_MAX_HALFLEN)
        return SP_MaxAbs(data, n);
    std::memcpy(work, data, sizeof(float) * size_t(n));
    const double* c = coeff + halfLen; // c[k] weights the sample at offset k
    // Samples whose whole span lies inside the segment: [lo, hi).
    const int lo = std::min(halfLen, n);
    const int hi = std::max(lo, n - halfLen);
    auto mirrored = [&](int i) {
        double sum = 0.0;
        for (int k = -halfLen; k <= halfLen; ++k)
            sum += c[k] * work[mirror(i + k, n)];
        data[i] = float(sum);
    };
    for (int i = 0; i < lo; ++i)
        mirrored(i);
    for (int i = hi; i < n; ++i)
        mirrored(i);
    // A zero-phase design has c[-k] == c[k]: its taps fold, one product for each pair of
    // samples (the sum of two floats is exact in double, so only the order of the additions
    // changes).
    bool symmetric = true;
    for (int k = 1; k <= halfLen && symmetric; ++k)
        symmetric = c[k] == c[-k];
    // Interior in blocks, tap by tap, so the inner loop runs over independent samples.
    constexpr int kBlock = 256;
    double acc[kBlock];
    for (int b = lo; b < hi; b += kBlock) {
        const int m = std::min(kBlock, hi - b);
        const float* x0 = work + b;
        for (int j = 0; j < m; ++j)
            acc[j] = c[0] * x0[j];
        for (int k = 1; k <= halfLen; ++k) {
            const float* after = x0 + k;
            const float* before = x0 - k;
            if (symmetric) {
                const double ck = c[k];
                for (int j = 0; j < m; ++j)
                    acc[j] += ck * (double(after[j]) + double(before[j]));
            } else {
                const double ca = c[k], cb = c[-k];
                for (int j = 0; j < m; ++j)
                    acc[j] += ca * after[j] + cb * before[j];
            }
        }
        for (int j = 0; j < m; ++j)
            data[b + j] = float(acc[j]);
    }
    return SP_MaxAbs(data, n);
}
