#include "traceview/tcampmaxsearch.h"

#include "trcfile/tcsegyreaderex.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Headroom below 2^63 for a window of at most 51 x 101 samples.
constexpr int kTopBit = 49;

float AbsFinite(float v) {
    return std::isfinite(v) ? std::fabs(v) : 0.0f;
}

} // namespace

QPoint TCAmpMaxSearch::Run(TCSegyReaderEx& reader, const TAmpMaxRegion& r,
                           const Progress& progress) {
    m_stopped = false;
    m_bestMean = 0.0;
    QPoint best(1, 1);
    const int traces = reader.GetInt(3), samples = reader.GetInt(7);
    if (r.t1 < 1 || r.s1 < 1 || r.t1 > r.t2 || r.s1 > r.s2 || r.t2 > traces || r.s2 > samples ||
        r.hT < 0 || r.hS < 0)
        return best;
    // Traces and samples any window touches.
    const int tLo = std::max(1, r.t1 - r.hT),
              tHi = int(std::min<qint64>(traces, qint64(r.t2) + r.hT));
    const int sLo = std::max(1, r.s1 - r.hS),
              sHi = int(std::min<qint64>(samples, qint64(r.s2) + r.hS));
    const int width = sHi - sLo + 1;
    const long long total = (long long)(r.t2 - r.t1 + 1) * (r.s2 - r.s1 + 1);
    std::vector<float> buf(size_t(width), 0.0f);

    // First pass: the largest absolute sample fixes the scale of the fixed-point sums.
    const size_t area = size_t(tHi - tLo + 1) * size_t(width);
    std::vector<float> kept(area <= m_keepLimit ? area : 0);
    float top = 0.0f;
    for (int t = tLo; t <= tHi; ++t) {
        float* dst = kept.empty() ? buf.data() : kept.data() + size_t(t - tLo) * size_t(width);
        reader.SetTrace(t);
        reader.SamplesAsFloat(dst, sLo - 1, width);
        for (int k = 0; k < width; ++k)
            top = std::max(top, AbsFinite(dst[k]));
        if ((t - tLo + 1) % kProgressEvery == 0 && progress && !progress(0, total)) {
            m_stopped = true;
            return best;
        }
    }
    int exp = 0;
    std::frexp(double(top), &exp); // top < 2^exp
    const double scale = top > 0.0f ? std::ldexp(1.0, kTopBit - exp) : 1.0;

    // The window's traces as fixed-point rows in a ring, and their column sums per sample.
    const int ringSize = 2 * r.hT + 1;
    std::vector<qint64> ring(size_t(ringSize) * size_t(width), 0);
    std::vector<qint64> col(size_t(width), 0);
    int in = tLo - 1, out = tLo - 1; // traces up to `in` have entered, up to `out` left
    auto row = [&](int t) { return ring.data() + size_t((t - tLo) % ringSize) * size_t(width); };

    long long done = 0;
    __int128 bestSum = 0;
    long long bestCount = 1;
    for (int a = r.t1; a <= r.t2; ++a) {
        const int lo = std::max(1, a - r.hT);
        const int hi = int(std::min<qint64>(traces, qint64(a) + r.hT));
        while (out < lo - 1) {
            ++out;
            const qint64* q = row(out);
            for (int k = 0; k < width; ++k)
                col[size_t(k)] -= q[k];
        }
        while (in < hi) {
            ++in;
            const float* src = buf.data();
            if (kept.empty()) {
                reader.SetTrace(in);
                reader.SamplesAsFloat(buf.data(), sLo - 1, width);
            } else {
                src = kept.data() + size_t(in - tLo) * size_t(width);
            }
            qint64* q = row(in);
            for (int k = 0; k < width; ++k) {
                q[k] = qint64(double(AbsFinite(src[k])) * scale);
                col[size_t(k)] += q[k];
            }
        }
        const long long nT = hi - lo + 1;
        // Slide the sample window along the column sums.
        int jLo = std::max(1, r.s1 - r.hS),
            jHi = int(std::min<qint64>(samples, qint64(r.s1) + r.hS));
        qint64 sum = 0;
        for (int k = jLo; k <= jHi; ++k)
            sum += col[size_t(k - sLo)];
        for (int j = r.s1; j <= r.s2; ++j) {
            if (j > r.s1) {
                if (j + r.hS <= samples) {
                    ++jHi;
                    sum += col[size_t(jHi - sLo)];
                }
                if (j - r.hS - 1 >= 1) {
                    sum -= col[size_t(jLo - sLo)];
                    ++jLo;
                }
            }
            const long long count = nT * (jHi - jLo + 1);
            // sum / count > bestSum / bestCount, exactly.
            if (__int128(sum) * bestCount > bestSum * count) {
                bestSum = sum;
                bestCount = count;
                best = QPoint(a, j);
            }
            if (++done % kProgressEvery == 0 && progress && !progress(done, total)) {
                m_stopped = true;
                m_bestMean = double(bestSum) / double(bestCount) / scale;
                return best;
            }
        }
    }
    m_bestMean = double(bestSum) / double(bestCount) / scale;
    return best;
}
