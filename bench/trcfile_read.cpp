// Reading speed of trcfile: every trace header word and every sample as floats of one file,
// beside cp of the same file and beside segyio's C API reading the same traces, in one run.
// Usage: trcfile_read FILE   (the page cache is warmed first; figures are the best of 3 runs)

#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"

#ifdef GRAVIK_HAVE_SEGYIO
#include <segyio/segy.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// The consumer of the samples, the same for every reader: four sums, so that the additions
// do not form one long dependency chain.
double Sum(const std::vector<float>& s) {
    double a[4] = {0, 0, 0, 0};
    size_t i = 0;
    for (; i + 4 <= s.size(); i += 4)
        for (int k = 0; k < 4; ++k)
            a[k] += s[i + size_t(k)];
    for (; i < s.size(); ++i)
        a[0] += s[i];
    return a[0] + a[1] + a[2] + a[3];
}

double Seconds(const std::function<double()>& run, double& checksum) {
    double best = 1e30;
    for (int k = 0; k < 3; ++k) {
        const auto t0 = std::chrono::steady_clock::now();
        checksum = run();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        best = std::min(best, d.count());
    }
    return best;
}

void Report(const char* what, double mb, const std::function<double()>& run) {
    double checksum = 0;
    const double seconds = Seconds(run, checksum);
    std::printf("%-44s %8.3f s %9.1f MB/s   (checksum %.6g)\n", what, seconds, mb / seconds,
                checksum);
}

double ReadWithTrcfile(const std::string& path) {
    TCSegyReaderEx r;
    if (r.Open(path, 0, true) != 0)
        std::exit(1);
    std::vector<float> s(size_t(r.Samples()));
    double sum = 0;
    for (int n = 1; n <= r.Traces(); ++n) {
        r.SetTrace(n);
        for (int i = 0; i < trc::kTraceFieldCount; ++i)
            sum += double(r.HdrWord('T', i));
        r.SamplesAsFloat(s.data(), 0, r.Samples());
        sum += Sum(s);
    }
    return sum;
}

double ReadRawWithTrcfile(const std::string& path) {
    TCSegyReaderEx r;
    if (r.Open(path, 0, true) != 0)
        std::exit(1);
    const int batch = int(std::max<int64_t>(1, (4 << 20) / r.TraceBytes()));
    std::vector<unsigned char> buf(size_t(batch * r.TraceBytes()));
    double sum = 0;
    for (int n = 1; n <= r.Traces(); n += batch) {
        const int count = std::min(batch, r.Traces() - n + 1);
        r.ReadRawTraces(n, count, buf.data());
        sum += buf[0];
    }
    return sum;
}

#ifdef GRAVIK_HAVE_SEGYIO
double ReadWithSegyio(const std::string& path, bool mmap) {
    segy_file* f = segy_open(path.c_str(), "rb");
    if (!f || (mmap && segy_mmap(f) != SEGY_OK))
        std::exit(1);
    char bin[SEGY_BINARY_HEADER_SIZE];
    segy_binheader(f, bin);
    const int samples = segy_samples(bin);
    const int format = segy_format(bin);
    const long trace0 = segy_trace0(bin);
    const int bsize = segy_trsize(format, samples);
    int traces = 0;
    segy_traces(f, &traces, trace0, bsize);
    std::vector<float> s(static_cast<size_t>(samples));
    char hdr[SEGY_TRACE_HEADER_SIZE];
    double sum = 0;
    for (int t = 0; t < traces; ++t) {
        segy_traceheader(f, t, hdr, trace0, bsize);
        for (int i = 0; i < trc::kTraceFieldCount; ++i) {
            int32_t v = 0;
            segy_get_field(hdr, trc::kTraceFields[i].pos, &v);
            sum += v;
        }
        segy_readtrace(f, t, s.data(), trace0, bsize);
        segy_to_native(format, samples, s.data());
        sum += Sum(s);
    }
    segy_close(f);
    return sum;
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trcfile_read FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    TCSegyReaderEx probe;
    if (probe.Open(path, 0, true) != 0) {
        std::fprintf(stderr, "trcfile_read: cannot open %s\n", path.c_str());
        return 1;
    }
    const double mb = double(probe.FileSize()) / 1e6;
    std::printf("%s: %.1f MB, %d traces of %d samples, format %d, %s-endian\n", path.c_str(), mb,
                probe.Traces(), probe.Samples(), probe.Format(),
                probe.BigEndian() ? "big" : "little");
    probe.Close();

    ReadRawWithTrcfile(path); // warms the page cache
    const std::string copy = path + ".cp";
    const std::string cp = "cp '" + path + "' '" + copy + "'";
    Report("cp of the file (reference)", mb, [&] { return double(std::system(cp.c_str())); });
    std::remove(copy.c_str());
    Report("trcfile: all header words + samples as float", mb,
           [&] { return ReadWithTrcfile(path); });
    Report("trcfile: ReadRawTraces, 4 MiB reads", mb, [&] { return ReadRawWithTrcfile(path); });
#ifdef GRAVIK_HAVE_SEGYIO
    Report("segyio C API (stdio): same words + samples", mb,
           [&] { return ReadWithSegyio(path, false); });
    Report("segyio C API (mmap): same words + samples", mb,
           [&] { return ReadWithSegyio(path, true); });
#else
    std::printf("segyio C API: not measured (libsegyio-dev not installed)\n");
#endif
    return 0;
}
