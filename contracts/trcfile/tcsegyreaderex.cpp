#include "trcfile/tcsegyreaderex.h"

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"
#include "trcfile/trcerrors.h"

#include "filetimes/filetimes.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// Sequential trace access reads this many bytes of following traces at once.
constexpr int64_t kReadAhead = 1 << 20;

const trc::FieldDef* Field(char kind, int index) {
    if (kind == 'T' && index >= 0 && index < trc::kTraceFieldCount)
        return &trc::kTraceFields[index];
    if (kind == 'B' && index >= 0 && index < trc::kBinFieldCount)
        return &trc::kBinFields[index];
    return nullptr;
}

// "dd.mm.yyyy hh:nn:ss" of seconds since 1970-01-01 UTC (civil-from-days, proleptic Gregorian).
std::string FormatUtc(int64_t secs) {
    int64_t days = secs / 86400;
    int64_t rem = secs % 86400;
    if (rem < 0) {
        rem += 86400;
        --days;
    }
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", int(d), int(m), int(y),
                  int(rem / 3600), int(rem / 60 % 60), int(rem % 60));
    return buf;
}

const char* FormatName(int format) {
    switch (format) {
    case 1:
        return "IBM float, 4 байта";
    case 2:
        return "целое 32 бит, 4 байта";
    case 3:
        return "целое 16 бит, 2 байта";
    case 5:
        return "IEEE float, 4 байта";
    case 8:
        return "целое 8 бит, 1 байт";
    default:
        return "";
    }
}

} // namespace

TCSegyReaderEx::TCSegyReaderEx() {
    std::memset(m_text, 0, sizeof m_text);
    std::memset(m_bin, 0, sizeof m_bin);
}

TCSegyReaderEx::~TCSegyReaderEx() = default;

void TCSegyReaderEx::ResetFacts() {
    m_big = true;
    m_format = m_sampleSize = m_samples = m_interval = m_extBlocks = m_traces = m_trace = 0;
    m_bufFirst = m_bufCount = 0;
    m_cur = nullptr;
}

void TCSegyReaderEx::Close() {
    TCBaseReader::Close();
    ResetFacts();
    m_buf.clear();
    m_buf.shrink_to_fit();
}

int TCSegyReaderEx::Open(const std::string& name, unsigned flags, bool) {
    return OpenImpl(name, flags, -1);
}

int TCSegyReaderEx::OpenImpl(const std::string& name, unsigned flags, int order) {
    TCSegyReaderEx::Close();
    std::memset(m_text, 0, sizeof m_text);
    std::memset(m_bin, 0, sizeof m_bin);
    int r = OpenFile(name);
    if (r == trc::kOk)
        r = FileSize() < trc::kFileHeaderBytes ? int(trc::kErrTooSmall) : 0;
    if (r == trc::kOk && !(ReadAt(0, m_text, sizeof m_text) && ReadAt(3200, m_bin, sizeof m_bin)))
        r = trc::kErrRead;
    if (r != trc::kOk) {
        TCSegyReaderEx::Close();
        return r;
    }

    const auto plausible = [this](bool big, bool needSamples) {
        return trc::SampleSize(int(GetWord(m_bin, 'B', trc::bf::kFormat, big))) > 0 &&
               (!needSamples || uint16_t(GetWord(m_bin, 'B', trc::bf::kSamples, big)) > 0);
    };
    if (order >= 0)
        m_big = order == fmtUnix;
    else if (plausible(true, true) || plausible(false, true))
        m_big = plausible(true, true);
    else
        m_big = plausible(true, false) || !plausible(false, false);

    r = trc::kOk;
    m_format = int(GetWord(m_bin, 'B', trc::bf::kFormat, m_big));
    m_sampleSize = trc::SampleSize(m_format);
    int samples = uint16_t(GetWord(m_bin, 'B', trc::bf::kSamples, m_big));
    int interval = uint16_t(GetWord(m_bin, 'B', trc::bf::kSampleInterval, m_big));
    const int64_t ext = GetWord(m_bin, 'B', trc::bf::kExtTextHeaders, m_big);
    const int64_t size = FileSize();
    if (m_sampleSize == 0)
        r = trc::kErrHeaderWord;
    else if (ext == -1)
        r = trc::kErrVarExtBlocks;
    else if (ext < 0 || ext > (size - trc::kFileHeaderBytes) / trc::kTextHeaderBytes)
        r = trc::kErrHeaderWord;
    if (r != trc::kOk) {
        TCSegyReaderEx::Close();
        return r;
    }
    m_extBlocks = int(ext);
    const int64_t start = DataStart();

    if ((flags & kIgnoreFileHeader) && (samples == 0 || interval == 0) &&
        size - start >= trc::kTraceHeaderBytes) {
        unsigned char th[trc::kTraceHeaderBytes];
        if (!ReadAt(start, th, sizeof th)) {
            TCSegyReaderEx::Close();
            return trc::kErrRead;
        }
        if (samples == 0)
            samples = uint16_t(GetWord(th, 'T', trc::tf::kSampleCount, m_big));
        if (interval == 0)
            interval = uint16_t(GetWord(th, 'T', trc::tf::kSampleInterval, m_big));
    }
    if (samples == 0 || interval == 0) {
        TCSegyReaderEx::Close();
        return trc::kErrHeaderWord;
    }
    m_samples = samples;
    m_interval = interval;

    const int64_t data = size - start;
    const int64_t traces = data / TraceBytes();
    if (data % TraceBytes() != 0 || traces > INT_MAX) {
        r = traces > INT_MAX || TraceHeaderFitsSize() ? trc::kErrTraceCount : trc::kErrTruncated;
        TCSegyReaderEx::Close();
        return r;
    }
    m_traces = int(traces);

    // SEG-Y revision 1: with the fixed-length flag set every trace has the binary header's sample
    // count and interval, so the trace headers' words (often left over from a longer original)
    // are not compared.
    const bool fixedLength = GetWord(m_bin, 'B', trc::bf::kRevision, m_big) >= 0x0100 &&
                             GetWord(m_bin, 'B', trc::bf::kFixedLength, m_big) == 1;
    if (!(flags & kIgnoreTraceHeaders) && !fixedLength && m_traces > 0) {
        r = CheckTraceHeader(1);
        if (r == trc::kOk && m_traces > 1)
            r = CheckTraceHeader(m_traces);
        if (r != trc::kOk) {
            TCSegyReaderEx::Close();
            return r;
        }
    }
    return trc::kOk;
}

int TCSegyReaderEx::CheckTraceHeader(int n) {
    unsigned char th[trc::kTraceHeaderBytes];
    if (!ReadAt(DataStart() + int64_t(n - 1) * TraceBytes(), th, sizeof th))
        return trc::kErrRead;
    const int ns = uint16_t(GetWord(th, 'T', trc::tf::kSampleCount, m_big));
    const int dt = uint16_t(GetWord(th, 'T', trc::tf::kSampleInterval, m_big));
    if (ns != 0 && ns != m_samples)
        return trc::kErrTraceSamples;
    if (dt != 0 && dt != m_interval)
        return trc::kErrTraceInterval;
    return trc::kOk;
}

bool TCSegyReaderEx::TraceHeaderFitsSize() const {
    unsigned char th[trc::kTraceHeaderBytes];
    if (!ReadAt(DataStart(), th, sizeof th))
        return false;
    const int ns = uint16_t(GetWord(th, 'T', trc::tf::kSampleCount, m_big));
    const int64_t tb = trc::kTraceHeaderBytes + int64_t(ns) * m_sampleSize;
    return ns != 0 && ns != m_samples && (FileSize() - DataStart()) % tb == 0;
}

int64_t TCSegyReaderEx::TraceBytes() const {
    return trc::kTraceHeaderBytes + int64_t(m_samples) * m_sampleSize;
}

int64_t TCSegyReaderEx::DataStart() const {
    return trc::kFileHeaderBytes + int64_t(m_extBlocks) * trc::kTextHeaderBytes;
}

int TCSegyReaderEx::GetInt(char code) const {
    if (!IsOpen())
        return 0;
    const bool ms = m_interval % 1000 == 0;
    const int unit = ms ? 1000 : 1;
    switch (code) {
    case 1:
        return m_format + (m_big ? 0 : 256);
    case 2:
        return m_sampleSize;
    case 3:
        return m_traces;
    case 4:
        return m_interval;
    case 5:
        return m_interval / unit;
    case 6:
        return ms ? 1 : 0;
    case 7:
        return m_samples;
    case 8:
        return m_extBlocks;
    case 11:
        return int(std::min<int64_t>(INT_MAX, int64_t(m_samples) * m_interval / unit));
    default:
        return 0;
    }
}

void TCSegyReaderEx::SetTrace(int n) {
    if (!IsOpen() || n < 1 || n > m_traces)
        throw ESegyFiler(trc::kErrTraceRange, n);
    const int64_t tb = TraceBytes();
    if (m_bufFirst == 0 || n < m_bufFirst || int64_t(n) >= int64_t(m_bufFirst) + m_bufCount) {
        int count = 1;
        if (m_trace > 0 && int64_t(n) == int64_t(m_trace) + 1)
            count = int(std::clamp<int64_t>(kReadAhead / tb, 1, int64_t(m_traces) - n + 1));
        m_bufFirst = 0;
        m_cur = nullptr;
        m_trace = 0;
        const int64_t offset = DataStart() + int64_t(n - 1) * tb;
        m_buf.resize(size_t(count * tb));
        // A failed read-ahead must not fail a trace that can still be read on its own.
        if (!ReadAt(offset, m_buf.data(), m_buf.size())) {
            if (count == 1 || !ReadAt(offset, m_buf.data(), size_t(tb)))
                throw ESegyFiler(trc::kErrRead, n);
            count = 1;
        }
        m_bufFirst = n;
        m_bufCount = count;
    }
    m_cur = m_buf.data() + int64_t(n - m_bufFirst) * tb;
    m_trace = n;
}

void TCSegyReaderEx::ReadRawTraces(int first, int count, void* buf) const {
    if (!IsOpen() || first < 1 || count < 0 || int64_t(first) + count - 1 > m_traces)
        throw ESegyFiler(trc::kErrTraceRange, first);
    if (count > 0 &&
        !ReadAt(DataStart() + int64_t(first - 1) * TraceBytes(), buf, size_t(count * TraceBytes())))
        throw ESegyFiler(trc::kErrRead, first);
}

bool TCSegyReaderEx::ReadExtBlock(int k, void* buf) const {
    return IsOpen() && k >= 1 && k <= m_extBlocks &&
           ReadAt(trc::kFileHeaderBytes + int64_t(k - 1) * trc::kTextHeaderBytes, buf,
                  trc::kTextHeaderBytes);
}

int64_t TCSegyReaderEx::HdrWord(char kind, int index) const {
    if (kind == 'B')
        return GetWord(m_bin, kind, index, m_big);
    return m_cur ? GetWord(m_cur, kind, index, m_big) : 0;
}

float TCSegyReaderEx::SampAsFloat(int i) const {
    float v = 0;
    SamplesAsFloat(&v, i, 1);
    return v;
}

void TCSegyReaderEx::SamplesAsFloat(float* dst, int first, int count) const {
    if (count <= 0)
        return;
    // The places lo..hi-1 of first..first+count-1 lie inside the trace (64 bits: no overflow).
    int64_t lo = std::max<int64_t>(first, 0);
    int64_t hi = std::min<int64_t>(int64_t(first) + count, m_samples);
    if (!m_cur || lo >= hi)
        lo = hi = first;
    std::fill(dst, dst + (lo - first), 0.0f);
    if (hi > lo)
        trc::DecodeSamples(m_format, m_big, RawSamples() + lo * m_sampleSize, dst + (lo - first),
                           size_t(hi - lo));
    std::fill(dst + (hi - first), dst + count, 0.0f);
}

double TCSegyReaderEx::TraceTime() const {
    if (!m_cur)
        return 0;
    const double t = trc::DaysSince1899(
        int(HdrWord('T', trc::tf::kYear)), int(HdrWord('T', trc::tf::kDayOfYear)),
        int(HdrWord('T', trc::tf::kHour)), int(HdrWord('T', trc::tf::kMinute)),
        int(HdrWord('T', trc::tf::kSecond)));
    return t < 0 ? 0 : t;
}

void TCSegyReaderEx::GetFileInfo(std::vector<std::string>& list) const {
    list.clear();
    if (!IsOpen())
        return;
    namespace fs = std::filesystem;
    const TFileTimes times = F_GetFileTimes(FileName());
    const int64_t rev = GetWord(m_bin, 'B', trc::bf::kRevision, m_big);
    list.push_back(fs::u8path(FileName()).filename().u8string());
    list.push_back(std::to_string(FileSize()));
    list.push_back(times.hasCreated ? FormatUtc(times.created) : std::string());
    list.push_back(times.hasModified ? FormatUtc(times.modified) : std::string());
    list.push_back("SEG-Y rev " + std::to_string(rev >> 8) +
                   (m_big ? ", Unix/Linux (big-endian)" : ", Windows (little-endian)"));
    list.push_back(std::to_string(m_extBlocks));
    list.push_back(std::to_string(m_traces));
    list.push_back(std::to_string(GetInt(5)));
    list.push_back(std::to_string(m_samples));
    list.push_back(std::to_string(GetInt(11)));
    list.push_back(std::to_string(m_format) + " (" + FormatName(m_format) + ")");
}

void TCSegyReaderEx::GetTextList(std::vector<std::string>& list, int block) const {
    list.clear();
    if (!IsOpen() || block < 0 || block > m_extBlocks)
        return;
    unsigned char ext[trc::kTextHeaderBytes];
    const unsigned char* text = m_text;
    if (block > 0) {
        if (!ReadExtBlock(block, ext))
            throw ESegyFiler(trc::kErrRead, 0);
        text = ext;
    }
    const bool ebcdic = trc::IsEbcdicText(text, trc::kTextHeaderBytes);
    for (int line = 0; line < 40; ++line)
        list.push_back(trc::DecodeTextLine(text + 80 * line, 80, ebcdic));
}

void TCSegyReaderEx::GetHdrList(std::vector<std::string>& list, int selector) {
    list.clear();
    if (!IsOpen())
        return;
    const char kind = selector < 0 ? 'B' : 'T';
    if (kind == 'T')
        SetTrace(selector);
    const int count = kind == 'B' ? trc::kBinFieldCount : trc::kTraceFieldCount;
    for (int i = 0; i < count; ++i)
        list.push_back(std::to_string(HdrWord(kind, i)) + "," + std::to_string(WordSize(kind, i)));
}

int64_t TCSegyReaderEx::GetWord(const void* hdr, char kind, int index, bool big) {
    const trc::FieldDef* f = Field(kind, index);
    return f ? trc::GetInt(static_cast<const unsigned char*>(hdr) + f->pos - 1, f->size, big) : 0;
}

void TCSegyReaderEx::SetWord(void* hdr, char kind, int index, int64_t value, bool big) {
    if (const trc::FieldDef* f = Field(kind, index))
        trc::PutInt(static_cast<unsigned char*>(hdr) + f->pos - 1, f->size, value, big);
}

int TCSegyReaderEx::WordSize(char kind, int index) {
    const trc::FieldDef* f = Field(kind, index);
    return f ? f->size : 0;
}
