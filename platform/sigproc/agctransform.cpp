#include "sigproc/sigproc.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

double sumOfSquares(const float* x, int from, int to) {
    double s = 0.0;
    for (int i = from; i <= to; ++i)
        s += double(x[i]) * x[i];
    return s;
}

} // namespace

void SP_AGCTransform(float* data, int n, int window, float* work) {
    if (data == nullptr || work == nullptr || n <= 0 || window < 1)
        return;
    std::memcpy(work, data, sizeof(float) * size_t(n));
    const int before = window / 2;
    const int after = window - 1 - before;
    // The running sum is recomputed from scratch every `resync` samples against slow drift, and
    // at once when a sample leaving the window takes nearly all of the sum with it: the rounding
    // it leaves behind would otherwise swamp (or turn negative) the quiet samples after a spike.
    const int resync = std::max(window, 64);
    int lo = 0;
    int hi = std::min(n - 1, after);
    double sum = sumOfSquares(work, lo, hi);
    for (int i = 0; i < n; ++i) {
        const int newLo = std::max(0, i - before);
        const int newHi = std::min(n - 1, i + after);
        if (i % resync == 0) {
            sum = sumOfSquares(work, newLo, newHi);
        } else {
            for (; hi < newHi; ++hi)
                sum += double(work[hi + 1]) * work[hi + 1];
            double removed = 0.0;
            for (; lo < newLo; ++lo) {
                const double term = double(work[lo]) * work[lo];
                sum -= term;
                removed += term;
            }
            if (sum < removed * 1e-6)
                sum = sumOfSquares(work, newLo, newHi);
        }
        lo = newLo;
        hi = newHi;
        const double meanSquare = sum / double(hi - lo + 1);
        data[i] = meanSquare > 0.0 ? float(SP_AGC_LEVEL * work[i] / std::sqrt(meanSquare)) : 0.0f;
    }
}
