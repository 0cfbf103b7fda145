#include "trcfile/tcsegyfilerux.h"

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"
#include "trcfile/trcerrors.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

int TCSegyFilerUx::OpenTest(const std::string& name, TCFileFmt fmt) {
    const int r = OpenImpl(name, kIgnoreTraceHeaders, fmt);
    m_haveHeader = r == trc::kOk || r > trc::kErrRead;
    m_testBig = fmt == fmtUnix;
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(name), ec);
    m_testSize = ec ? 0 : int64_t(size);
    return r;
}

void TCSegyFilerUx::GetKeyInfo(std::vector<TCWordRec>& list) const {
    list.clear();
    if (!m_haveHeader)
        return;
    const unsigned char* bin = RawBinHeader();
    const auto word = [&](int index) { return GetWord(bin, 'B', index, m_testBig); };
    // Interval and sample count are read as unsigned 16-bit numbers, as Open reads them.
    const int64_t interval = uint16_t(word(trc::bf::kSampleInterval));
    const int64_t samples = uint16_t(word(trc::bf::kSamples));
    const int64_t format = word(trc::bf::kFormat);
    const int64_t revision = word(trc::bf::kRevision);
    const int64_t fixed = word(trc::bf::kFixedLength);
    const int64_t ext = word(trc::bf::kExtTextHeaders);
    const int64_t room = (m_testSize - trc::kFileHeaderBytes) / trc::kTextHeaderBytes;
    const auto rec = [](int index, int64_t value, bool valid) {
        return TCWordRec{index + 1, int32_t(value), valid ? 1 : 0};
    };
    list.push_back(rec(trc::bf::kSampleInterval, interval, interval > 0));
    list.push_back(rec(trc::bf::kSamples, samples, samples > 0));
    list.push_back(rec(trc::bf::kFormat, format, trc::SampleSize(int(format)) > 0));
    list.push_back(rec(trc::bf::kRevision, revision, revision >= 0 && revision <= 0x0300));
    list.push_back(rec(trc::bf::kFixedLength, fixed, fixed == 0 || fixed == 1));
    list.push_back(rec(trc::bf::kExtTextHeaders, ext, ext >= 0 && ext <= room));

    // The trace count the file size gives with these words.
    int64_t traces = 0;
    bool valid = false;
    const int size = trc::SampleSize(int(format));
    if (size > 0 && samples > 0 && ext >= 0 && ext <= room) {
        const int64_t data = m_testSize - trc::kFileHeaderBytes - ext * trc::kTextHeaderBytes;
        const int64_t tb = trc::kTraceHeaderBytes + samples * size;
        traces = data / tb;
        valid = data % tb == 0 && traces > 0 && traces <= INT_MAX;
    }
    list.push_back(TCWordRec{0, int32_t(std::min<int64_t>(traces, INT_MAX)), valid ? 1 : 0});
}
