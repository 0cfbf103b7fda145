#include "traceview/kvampprobe.h"

#include "trcfile/tcsegyreaderex.h"

#include <cmath>
#include <vector>

double KV_FirstNonZeroMean(TCSegyReaderEx& reader, int first, int last, int* found) {
    *found = 0;
    const int n = reader.GetInt(7);
    if (n <= 0)
        return 0.0;
    std::vector<float> samples(size_t(n), 0.0f);
    for (int t = first; t <= last && t > 0; ++t) {
        reader.SetTrace(t);
        reader.SamplesAsFloat(samples.data(), 0, n);
        double sum = 0.0;
        for (float v : samples)
            sum += std::fabs(double(v));
        if (sum > 0.0) {
            *found = t;
            return sum / n;
        }
        if (t == last) // no overflow past the largest trace number
            break;
    }
    return 0.0;
}
