#include "segygen/segygen.h"

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyfilerex.h"
#include "trcfile/trcerrors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSourceShift = 12; // keeps sources off the receiver positions
// Traces are written in batches of about this many bytes.
constexpr int64_t kBatchBytes = 4 << 20;

double Amplitude(const SynthSpec& s) {
    if (s.amplitude > 0)
        return s.amplitude;
    switch (s.format) {
    case 8:
        return 100;
    case 3:
        return 10000;
    case 2:
        return 1e6;
    default:
        return 1;
    }
}

int SourceX(const SynthSpec& s, int src) {
    return src * s.sourceStep + kSourceShift;
}
int ReceiverX(const SynthSpec& s, int rec) {
    return rec * s.receiverStep;
}

// Card `line` (from 0, below 40) of a textual block: "C" and its number in two places, a blank
// and the text, cut or padded with blanks to 80 characters.
void PutCard(unsigned char* block, int line, const std::string& text) {
    char number[4];
    std::snprintf(number, sizeof number, "%2d", (line + 1) % 100);
    std::string card = std::string("C") + number + ' ' + text.substr(0, 76);
    card.resize(80, ' ');
    std::memcpy(block + 80 * line, card.data(), 80);
}

void MakeTextBlock(unsigned char* block, bool ebcdic, const std::vector<std::string>& lines) {
    std::memset(block, ' ', trc::kTextHeaderBytes);
    for (int i = 0; i < 40; ++i)
        PutCard(block, i, i < int(lines.size()) ? lines[size_t(i)] : std::string());
    if (ebcdic)
        trc::AsciiToEbcdic(block, trc::kTextHeaderBytes);
}

// Adds shot time `offsetSeconds` to the base time, carrying into minutes, hours, days, years.
void ShotTime(const SynthSpec& s, int64_t offsetSeconds, int out[5]) {
    int64_t secs = s.second + int64_t(s.minute) * 60 + int64_t(s.hour) * 3600 + offsetSeconds;
    int64_t day = s.dayOfYear - 1 + secs / 86400;
    secs %= 86400;
    int year = s.year;
    for (;;) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int len = leap ? 366 : 365;
        if (day < len)
            break;
        day -= len;
        ++year;
    }
    out[0] = year;
    out[1] = int(day + 1);
    out[2] = int(secs / 3600);
    out[3] = int(secs / 60 % 60);
    out[4] = int(secs % 60);
}

} // namespace

std::string CheckSynthSpec(const SynthSpec& s) {
    if (s.sources < 1 || s.receivers < 1)
        return "sources and receivers must be at least 1";
    if (int64_t(s.sources) * s.receivers > 2147483647)
        return "too many traces";
    if (s.samples < 1 || s.samples > 32767)
        return "samples must be 1..32767";
    if (s.intervalUs < 1 || s.intervalUs > 32767)
        return "interval must be 1..32767 microseconds";
    if (trc::SampleSize(s.format) == 0)
        return "format must be 1, 2, 3, 5 or 8";
    if (s.extBlocks < 0 || s.extBlocks > 1000)
        return "extended blocks must be 0..1000";
    if (s.traceHeaderSamples < -1 || s.traceHeaderSamples > 32767)
        return "trace header samples must be -1..32767";
    if (s.text < -1 || s.text > 1)
        return "text must be -1, 0 or 1";
    if (s.frequency <= 0 || s.velocity <= 0)
        return "frequency and velocity must be positive";
    if (s.year < 1 || s.year > 9999 || s.dayOfYear < 1 || s.dayOfYear > 365 || s.hour < 0 ||
        s.hour > 23 || s.minute < 0 || s.minute > 59 || s.second < 0 || s.second > 59 ||
        s.shotStepSeconds < 0)
        return "base time out of range";
    return std::string();
}

std::vector<float> SynthTrace(const SynthSpec& s, int source, int receiver) {
    std::vector<float> out(size_t(std::max(s.samples, 0)), 0.0f);
    const double dt = s.intervalUs * 1e-6;
    const double record = dt * (s.samples - 1);
    const double x = std::abs(double(ReceiverX(s, receiver) - SourceX(s, source)));
    const double amp = Amplitude(s);
    // Direct arrival, then reflections at a fifth, half and four fifths of the record.
    const double t0[] = {0.0, 0.2 * record, 0.5 * record, 0.8 * record};
    const double gain[] = {0.8, 1.0, -0.6, 0.4};
    const double support = 1.5 / s.frequency; // the wavelet is negligible beyond
    for (int e = 0; e < 4; ++e) {
        const double t = e == 0 ? x / s.velocity : std::hypot(t0[e], x / s.velocity);
        const int first = std::max(0, int(std::ceil((t - support) / dt)));
        const int last = std::min(s.samples - 1, int(std::floor((t + support) / dt)));
        for (int i = first; i <= last; ++i) {
            const double a = kPi * s.frequency * (i * dt - t);
            const double a2 = a * a;
            out[size_t(i)] += float(amp * gain[e] * (1 - 2 * a2) * std::exp(-a2));
        }
    }
    return out;
}

std::vector<int> SynthOrder(const SynthSpec& s) {
    std::vector<int> order(size_t(s.sources) * size_t(s.receivers));
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = int(k);
    if (s.shuffle) {
        std::mt19937 rng(s.seed);
        for (size_t k = order.size(); k > 1; --k)
            std::swap(order[k - 1], order[size_t(rng() % k)]);
    }
    return order;
}

int WriteSynthSegy(const std::string& path, const SynthSpec& s) {
    if (!CheckSynthSpec(s).empty())
        return trc::kErrInternal;
    TCSegyFilerEx out;
    int rc = out.OCreate(path, s.order, s.format, s.samples);
    if (rc != trc::kOk)
        return rc;
    const bool big = s.order == fmtUnix;
    const bool ebcdic = s.text == 1 || (s.text == -1 && big);

    unsigned char block[trc::kTextHeaderBytes];
    MakeTextBlock(
        block, ebcdic,
        {"SYNTHETIC SHOT RECORDS",
         "SOURCES " + std::to_string(s.sources) + " RECEIVERS " + std::to_string(s.receivers),
         "SAMPLES " + std::to_string(s.samples) + " INTERVAL " + std::to_string(s.intervalUs) +
             " US FORMAT " + std::to_string(s.format),
         "EVENTS: DIRECT WAVE AND THREE REFLECTIONS, RICKER WAVELET",
         s.shuffle ? "TRACES IN RANDOM ORDER" : "TRACES IN SHOT ORDER"});
    rc = out.OWriteTextHeader(block);

    unsigned char bin[trc::kBinHeaderBytes] = {};
    out.OSetHeader(bin, 'B');
    out.OSetHdrWord(0, 1);
    out.OSetHdrWord(1, 1);
    out.OSetHdrWord(2, 1);
    out.OSetHdrWord(trc::bf::kTracesPerEnsemble, s.receivers);
    out.OSetHdrWord(trc::bf::kSampleInterval, s.intervalUs);
    out.OSetHdrWord(trc::bf::kSampleInterval + 1, s.intervalUs);
    out.OSetHdrWord(trc::bf::kSamples, s.samples);
    out.OSetHdrWord(trc::bf::kSamples + 1, s.samples);
    out.OSetHdrWord(trc::bf::kFormat, s.format);
    out.OSetHdrWord(trc::bf::kSorting, s.shuffle ? 0 : 1);
    out.OSetHdrWord(trc::bf::kMeasurement, 1);
    out.OSetHdrWord(trc::bf::kRevision, 0x0100);
    out.OSetHdrWord(trc::bf::kFixedLength, s.fixedLength ? 1 : 0);
    out.OSetHdrWord(trc::bf::kExtTextHeaders, s.extBlocks);
    if (rc == trc::kOk)
        rc = out.OWriteBinHeader(bin);
    for (int k = 1; k <= s.extBlocks && rc == trc::kOk; ++k) {
        MakeTextBlock(block, ebcdic,
                      {"EXTENDED TEXTUAL HEADER " + std::to_string(k) + " OF " +
                       std::to_string(s.extBlocks)});
        rc = out.OWriteExtBlock(block);
    }

    const std::vector<int> order = SynthOrder(s);
    const int64_t tb = out.OTraceBytes();
    const int64_t batch = std::max<int64_t>(1, kBatchBytes / tb);
    std::vector<unsigned char> buf(size_t(std::min<int64_t>(batch, int64_t(order.size())) * tb));
    int64_t inBatch = 0;
    for (size_t k = 0; k < order.size() && rc == trc::kOk; ++k) {
        const int src = order[k] / s.receivers;
        const int rec = order[k] % s.receivers;
        unsigned char* hdr = buf.data() + inBatch * tb;
        std::memset(hdr, 0, trc::kTraceHeaderBytes);
        out.OSetHeader(hdr, 'T');
        const int sx = SourceX(s, src), gx = ReceiverX(s, rec);
        out.OSetHdrWord(trc::tf::kSeqLine, int64_t(k) + 1);
        out.OSetHdrWord(trc::tf::kSeqFile, int64_t(k) + 1);
        out.OSetHdrWord(trc::tf::kFieldRecord, src + 1);
        out.OSetHdrWord(trc::tf::kTraceNumber, rec + 1);
        out.OSetHdrWord(trc::tf::kSourcePoint, src + 1);
        // CDP bins of half the receiver step along the line.
        out.OSetHdrWord(trc::tf::kCdp, (sx + gx) / std::max(1, s.receiverStep) + 1);
        out.OSetHdrWord(trc::tf::kCdpTrace, 1);
        out.OSetHdrWord(trc::tf::kTraceId, 1);
        out.OSetHdrWord(trc::tf::kOffset, gx - sx);
        out.OSetHdrWord(trc::tf::kOffset + 1, 100);
        out.OSetHdrWord(trc::tf::kCoordScalar, 1);
        out.OSetHdrWord(trc::tf::kSourceX, sx);
        out.OSetHdrWord(trc::tf::kSourceY, s.lineY);
        out.OSetHdrWord(trc::tf::kGroupX, gx);
        out.OSetHdrWord(trc::tf::kGroupY, s.lineY);
        out.OSetHdrWord(trc::tf::kCoordUnits, 1);
        out.OSetHdrWord(trc::tf::kSampleCount,
                        s.traceHeaderSamples < 0 ? s.samples : s.traceHeaderSamples);
        out.OSetHdrWord(trc::tf::kSampleInterval, s.intervalUs);
        int t[5];
        ShotTime(s, int64_t(src) * s.shotStepSeconds, t);
        for (int w = 0; w < 5; ++w)
            out.OSetHdrWord(trc::tf::kYear + w, t[w]);
        out.OSetHdrWord(trc::tf::kTimeBasis, 4);
        const std::vector<float> samples = SynthTrace(s, src, rec);
        trc::EncodeSamples(s.format, big, samples.data(), hdr + trc::kTraceHeaderBytes,
                           samples.size());
        if (++inBatch == batch || k + 1 == order.size()) {
            rc = out.OWriteTraces(buf.data(), inBatch);
            inBatch = 0;
        }
    }
    out.OSetHeader(nullptr, 'T');
    const int closed = out.OClose();
    return rc != trc::kOk ? rc : closed;
}
