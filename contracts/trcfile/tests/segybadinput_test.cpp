// Malformed files: each gives its code, never a crash or an allocation beyond the file size;
// and a sparse file over 4 GiB.

#include "segygen/segygen.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyfilerux.h"
#include "trcfile/trcerrors.h"
#include "trctestutil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using trctest::ReadBytes;
using trctest::SetBinWord;
using trctest::TempDir;
using trctest::WriteBytes;

namespace {

// 2 shots x 3 receivers, 10 IBM samples of 4 bytes: traces of 280 bytes from byte 3600. Without
// the fixed-length flag, so the trace headers' sample count and interval are checked.
std::vector<unsigned char> GoodFile(const TempDir& dir, bool big) {
    SynthSpec synth;
    synth.sources = 2;
    synth.receivers = 3;
    synth.samples = 10;
    synth.fixedLength = false;
    synth.order = big ? fmtUnix : fmtWindows;
    const std::string path = dir.File("good.sgy");
    EXPECT_EQ(WriteSynthSegy(path, synth), 0);
    return ReadBytes(path);
}

void SetTraceWord(std::vector<unsigned char>& bytes, int trace, int index, int64_t value,
                  bool big) {
    TCSegyReaderEx::SetWord(bytes.data() + 3600 + (trace - 1) * 280, 'T', index, value, big);
}

} // namespace

TEST(SegyBadInput, EachMalformedFileGivesItsCode) {
    using Edit = std::function<void(std::vector<unsigned char>&, bool)>;
    struct Case {
        const char* what;
        Edit edit;
        unsigned flags;
        int code;
    };
    const Case cases[] = {
        {"intact", [](auto&, bool) {}, 0, 0},
        {"shorter than 3600 bytes", [](auto& b, bool) { b.resize(3599); }, 0, 6},
        {"empty", [](auto& b, bool) { b.clear(); }, 0, 6},
        {"headers only", [](auto& b, bool) { b.resize(3600); }, 0, 0},
        {"truncated inside a trace", [](auto& b, bool) { b.resize(b.size() - 100); }, 0, 10},
        {"truncated inside the first trace header", [](auto& b, bool) { b.resize(3700); }, 0, 10},
        {"truncated, trace headers with another count that does not fit either",
         [](auto& b, bool big) {
             b.resize(b.size() - 100);
             SetTraceWord(b, 1, trc::tf::kSampleCount, 12, big);
         },
         0, 10},
        {"truncated, trace header test off", [](auto& b, bool) { b.resize(b.size() - 1); }, 2, 10},
        {"one byte too many", [](auto& b, bool) { b.push_back(0); }, 0, 10},
        {"sample count 0", [](auto& b, bool big) { SetBinWord(b, trc::bf::kSamples, 0, big); }, 0,
         12},
        {"sample count the file cannot hold",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kSamples, 65535, big); }, 0, 9},
        {"sample count with a fractional trace count",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kSamples, 11, big); }, 0, 9},
        {"sample count with a fractional trace count, fixed-length flag set",
         [](auto& b, bool big) {
             SetBinWord(b, trc::bf::kSamples, 11, big);
             SetBinWord(b, trc::bf::kFixedLength, 1, big);
         },
         0, 9},
        {"unknown format code", [](auto& b, bool big) { SetBinWord(b, trc::bf::kFormat, 4, big); },
         0, 12},
        {"interval 0", [](auto& b, bool big) { SetBinWord(b, trc::bf::kSampleInterval, 0, big); },
         0, 12},
        {"text block count the file cannot hold",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kExtTextHeaders, 3000, big); }, 0, 12},
        {"negative text block count",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kExtTextHeaders, -5, big); }, 0, 12},
        {"variable number of text blocks",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kExtTextHeaders, -1, big); }, 0, 14},
        {"last trace header's sample count differs",
         [](auto& b, bool big) { SetTraceWord(b, 6, trc::tf::kSampleCount, 12, big); }, 0, 16},
        {"first trace header's interval differs",
         [](auto& b, bool big) { SetTraceWord(b, 1, trc::tf::kSampleInterval, 1, big); }, 0, 15},
        {"trace header test off",
         [](auto& b, bool big) { SetTraceWord(b, 1, trc::tf::kSampleCount, 12, big); }, 2, 0},
        {"relaxed file header: sample count from the first trace",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kSamples, 0, big); }, 1, 0},
        {"relaxed file header: interval from the first trace",
         [](auto& b, bool big) { SetBinWord(b, trc::bf::kSampleInterval, 0, big); }, 1, 0},
        {"relaxed, but the trace header has no sample count either",
         [](auto& b, bool big) {
             SetBinWord(b, trc::bf::kSamples, 0, big);
             SetTraceWord(b, 1, trc::tf::kSampleCount, 0, big);
         },
         1, 12},
    };
    TempDir dir;
    for (bool big : {true, false}) {
        const std::vector<unsigned char> good = GoodFile(dir, big);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << (big ? " (big)" : " (little)"));
            std::vector<unsigned char> bytes = good;
            c.edit(bytes, big);
            const std::string path = dir.File("bad.sgy");
            WriteBytes(path, bytes);
            TCSegyReaderEx r;
            EXPECT_EQ(r.Open(path, c.flags), c.code);
            EXPECT_EQ(r.IsOpen(), c.code == 0);
            if (c.code == 0 && r.Traces() > 0) {
                EXPECT_EQ(r.Samples(), 10);
                EXPECT_EQ(r.Interval(), 2000);
                r.SetTrace(r.Traces());
            }
        }
    }
}

TEST(SegyBadInput, FilesThatCannotBeOpened) {
    TempDir dir;
    TCSegyReaderEx r;
    EXPECT_EQ(r.Open(dir.File("missing.sgy")), trc::kErrOpen);
    EXPECT_EQ(r.Open(dir.File("")), trc::kErrOpen); // the folder itself
    EXPECT_FALSE(r.IsOpen());
}

TEST(SegyBadInput, OpenTestReportsTheWrongWords) {
    TempDir dir;
    std::vector<unsigned char> bytes = GoodFile(dir, true);
    SetBinWord(bytes, trc::bf::kSamples, 11, true);
    const std::string path = dir.File("bad.sgy");
    WriteBytes(path, bytes);
    TCSegyFilerUx f;
    std::vector<TCWordRec> keys;
    EXPECT_EQ(f.OpenTest(path, fmtUnix), trc::kErrTraceCount);
    f.GetKeyInfo(keys);
    ASSERT_EQ(keys.size(), 7u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(keys[i].valid, 1) << i;
    EXPECT_EQ(keys[6].valid, 0); // fractional trace count

    WriteBytes(path, std::vector<unsigned char>(100, 0));
    EXPECT_EQ(f.OpenTest(path, fmtUnix), trc::kErrTooSmall);
    f.GetKeyInfo(keys);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(f.OpenTest(dir.File("missing.sgy"), fmtWindows), trc::kErrOpen);
    f.GetKeyInfo(keys);
    EXPECT_TRUE(keys.empty());
}

TEST(SegyBigFile, SparseFileOver4GiB) {
    // 1000 samples of 4 bytes: 4240-byte traces; 1013000 traces make 4.29e9 bytes > 4 GiB.
    TempDir dir;
    const std::string path = dir.File("big.sgy");
    constexpr int kTraces = 1013000;
    {
        TCSegyFilerEx w;
        ASSERT_EQ(w.OCreate(path, fmtUnix, 5, 1000), 0);
        std::vector<unsigned char> hdr(3600, 0);
        TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kSampleInterval, 1000, true);
        TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kSamples, 1000, true);
        TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kFormat, 5, true);
        ASSERT_EQ(w.OWriteTextHeader(hdr.data()), 0);
        ASSERT_EQ(w.OWriteBinHeader(hdr.data() + 3200), 0);
        ASSERT_EQ(w.OClose(), 0);
    }
    const int64_t tb = 240 + 4000;
    const int64_t size = 3600 + tb * kTraces;
    ASSERT_GT(size, int64_t(1) << 32);
    std::filesystem::resize_file(path, uint64_t(size));
    {
        // The last trace carries marks beyond the 4 GiB boundary.
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        std::vector<unsigned char> trace(size_t(tb), 0);
        TCSegyReaderEx::SetWord(trace.data(), 'T', trc::tf::kSeqFile, kTraces, true);
        const unsigned char one[4] = {0x3F, 0x80, 0, 0}; // IEEE 1.0, big-endian
        std::memcpy(trace.data() + 240 + 4 * 999, one, 4);
        f.seekp(std::streamoff(size - tb));
        f.write(reinterpret_cast<const char*>(trace.data()), std::streamsize(tb));
        ASSERT_TRUE(f.good());
    }
    TCSegyReaderEx r;
    ASSERT_EQ(r.Open(path), 0);
    EXPECT_EQ(r.Traces(), kTraces);
    EXPECT_EQ(r.FileSize(), size);
    r.SetTrace(kTraces);
    EXPECT_EQ(r.HdrWord('T', trc::tf::kSeqFile), kTraces);
    EXPECT_EQ(r.SampAsFloat(999), 1.0f);
    EXPECT_EQ(r.SampAsFloat(998), 0.0f);
    std::vector<unsigned char> raw(static_cast<size_t>(tb));
    r.ReadRawTraces(kTraces, 1, raw.data());
    EXPECT_EQ(TCSegyReaderEx::GetWord(raw.data(), 'T', trc::tf::kSeqFile, true), kTraces);
}

TEST(SegyBigFile, TraceCountLimitOnSparseFiles) {
    // One int8 sample: 241-byte traces. 2147483647 traces open, one more is too many.
    TempDir dir;
    const std::string path = dir.File("huge.sgy");
    std::vector<unsigned char> hdr(3600, 0);
    SetBinWord(hdr, trc::bf::kSampleInterval, 1000, true);
    SetBinWord(hdr, trc::bf::kSamples, 1, true);
    SetBinWord(hdr, trc::bf::kFormat, 8, true);
    WriteBytes(path, hdr);
    struct Case {
        int64_t traces;
        int code;
    };
    for (const Case c : {Case{2147483647, 0}, Case{2147483648LL, trc::kErrTraceCount}}) {
        std::error_code ec;
        std::filesystem::resize_file(path, uint64_t(3600 + 241 * c.traces), ec);
        if (ec)
            GTEST_SKIP() << "no sparse files of 500 GiB here: " << ec.message();
        TCSegyFilerUx f;
        EXPECT_EQ(f.Open(path), c.code) << c.traces;
        if (c.code == 0) {
            EXPECT_EQ(f.Traces(), 2147483647);
            f.SetTrace(f.Traces());
            EXPECT_EQ(f.SampAsFloat(0), 0.0f);
            // In order up to the last trace: the read-ahead buffer ends at the limit, and
            // asking again for a trace it holds must not count past the largest int.
            for (int t = f.Traces() - 200; t > 0; ++t) {
                f.SetTrace(t);
                if (t == f.Traces())
                    break;
            }
            f.SetTrace(f.Traces() - 1);
            f.SetTrace(f.Traces());
            EXPECT_EQ(f.Trace(), 2147483647);
        }
        std::vector<TCWordRec> keys;
        EXPECT_EQ(f.OpenTest(path, fmtUnix), c.code);
        f.GetKeyInfo(keys);
        ASSERT_EQ(keys.size(), 7u);
        EXPECT_EQ(keys[6].valid, c.code == 0 ? 1 : 0) << c.traces;
        EXPECT_EQ(keys[6].value, 2147483647);
    }
}
