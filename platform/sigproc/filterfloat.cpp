#include "sigproc/sigproc.h"

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
    float maxAbs = 0.0f;
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        if (i >= halfLen && i + halfLen < n) {
            const float* x = work + i;
            for (int k = -halfLen; k <= halfLen; ++k)
                sum += c[k] * x[k];
        } else {
            for (int k = -halfLen; k <= halfLen; ++k)
                sum += c[k] * work[mirror(i + k, n)];
        }
        data[i] = float(sum);
        maxAbs = std::fmax(maxAbs, std::fabs(data[i]));
    }
    return maxAbs;
}
