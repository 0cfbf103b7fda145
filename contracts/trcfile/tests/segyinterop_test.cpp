// Interop with segyio: files segyio writes read the same here, and files written here read the
// same in segyio (trace count, facts, every trace header word, every sample).
// segyio 1.8.3 writes little-endian int16/int8 samples wrongly (it reads them right) and decodes
// every textual header as EBCDIC, so those cases are left out; its int8 files have a wrong size,
// so only files written here are checked for format 8.

#include "segygen/segygen.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"
#include "trctestutil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using trctest::TempDir;

namespace {

struct Variant {
    int format;
    bool big;
};

const char* Endian(bool big) {
    return big ? "big" : "little";
}

bool RunPeer(const std::string& args, const std::string& output) {
    const std::string cmd = std::string(PYTHON_WITH_SEGYIO) + " " + GRAVIK_SOURCE_DIR +
                            "/contracts/trcfile/tests/segyio_peer.py " + args + " > \"" + output +
                            "\"";
    return std::system(cmd.c_str()) == 0;
}

int FieldAt(int pos) {
    for (int i = 0; i < trc::kTraceFieldCount; ++i)
        if (trc::kTraceFields[i].pos == pos)
            return i;
    return -1;
}

// Compares segyio's dump of `path` with what our reader reads.
void ExpectSameAsSegyio(const TempDir& dir, const std::string& path, bool big) {
    const std::string dumpFile = dir.File("dump.txt");
    ASSERT_TRUE(RunPeer("dump \"" + path + "\" " + Endian(big), dumpFile));
    std::ifstream dump(dumpFile);
    std::string key;
    long long traces = 0, samples = 0, interval = 0, format = 0, npos = 0;
    dump >> key >> traces >> key >> samples >> key >> interval >> key >> format >> key >> npos;
    std::vector<int> fields;
    for (long long i = 0; i < npos; ++i) {
        int pos = 0;
        dump >> pos;
        fields.push_back(FieldAt(pos));
        ASSERT_GE(fields.back(), 0) << "segyio field at byte " << pos;
    }
    ASSERT_TRUE(dump.good());

    TCSegyReaderEx r;
    ASSERT_EQ(r.Open(path), 0);
    EXPECT_EQ(r.BigEndian(), big);
    ASSERT_EQ(r.Traces(), traces);
    ASSERT_EQ(r.Samples(), samples);
    EXPECT_EQ(r.Interval(), interval);
    EXPECT_EQ(r.Format(), format);
    for (int n = 1; n <= r.Traces(); ++n) {
        r.SetTrace(n);
        dump >> key;
        ASSERT_EQ(key, "h");
        for (int f : fields) {
            long long v = 0;
            dump >> v;
            ASSERT_EQ(r.HdrWord('T', f), v)
                << "trace " << n << " word " << f << " " << trc::kTraceFields[f].name;
        }
        dump >> key;
        ASSERT_EQ(key, "s");
        for (int i = 0; i < r.Samples(); ++i) {
            float v = 0;
            dump >> v;
            ASSERT_EQ(r.SampAsFloat(i), v) << "trace " << n << " sample " << i;
        }
    }
}

} // namespace

class SegyioInterop : public testing::TestWithParam<Variant> {};

TEST_P(SegyioInterop, FileWrittenBySegyioReadsTheSame) {
    const Variant v = GetParam();
    if (v.format == 8)
        GTEST_SKIP() << "segyio 1.8.3 writes int8 files with a wrong size";
    if (v.format == 3 && !v.big)
        GTEST_SKIP() << "segyio 1.8.3 writes little-endian int16 samples wrongly";
    TempDir dir;
    const std::string path = dir.File("segyio.sgy");
    ASSERT_TRUE(RunPeer("make \"" + path + "\" " + std::to_string(v.format) + " " + Endian(v.big),
                        dir.File("make.txt")));
    ExpectSameAsSegyio(dir, path, v.big);
}

TEST_P(SegyioInterop, FileWrittenHereReadsTheSameInSegyio) {
    const Variant v = GetParam();
    TempDir dir;
    const std::string path = dir.File("ours.sgy");
    SynthSpec synth;
    synth.sources = 3;
    synth.receivers = 7;
    synth.samples = 64;
    synth.format = v.format;
    synth.order = v.big ? fmtUnix : fmtWindows;
    synth.extBlocks = 1;
    synth.shuffle = true;
    // Also a cropped file: 75 samples with the fixed-length flag, trace headers still saying 462.
    SynthSpec cropped = synth;
    cropped.samples = 75;
    cropped.traceHeaderSamples = 462;
    for (const SynthSpec& s : {synth, cropped}) {
        SCOPED_TRACE(s.samples);
        ASSERT_EQ(WriteSynthSegy(path, s), 0);
        ExpectSameAsSegyio(dir, path, v.big);
    }
}

// Only EBCDIC blocks: segyio decodes ASCII blocks as EBCDIC too.
TEST(SegyioInteropText, EbcdicBlocksWrittenHereReadTheSameInSegyio) {
    for (bool big : {true, false}) {
        SCOPED_TRACE(Endian(big));
        TempDir dir;
        const std::string path = dir.File("text.sgy");
        SynthSpec synth;
        synth.sources = 1;
        synth.receivers = 2;
        synth.samples = 8;
        synth.order = big ? fmtUnix : fmtWindows;
        synth.text = 1;
        synth.extBlocks = 2;
        ASSERT_EQ(WriteSynthSegy(path, synth), 0);
        ASSERT_TRUE(RunPeer("text \"" + path + "\" " + Endian(big), dir.File("text.txt")));

        std::ifstream peer(dir.File("text.txt"));
        TCSegyReaderEx r;
        ASSERT_EQ(r.Open(path), 0);
        std::vector<std::string> lines;
        for (int block = 0; block <= 2; ++block) {
            r.GetTextList(lines, block);
            ASSERT_EQ(lines.size(), 40u);
            for (int i = 0; i < 40; ++i) {
                std::string line;
                ASSERT_TRUE(std::getline(peer, line)) << "block " << block << " line " << i;
                EXPECT_EQ(lines[size_t(i)], line) << "block " << block << " line " << i;
            }
        }
        std::string extra;
        EXPECT_FALSE(std::getline(peer, extra)) << extra;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SegyioInterop,
                         testing::Values(Variant{1, true}, Variant{2, true}, Variant{3, true},
                                         Variant{5, true}, Variant{8, true}, Variant{1, false},
                                         Variant{2, false}, Variant{3, false}, Variant{5, false},
                                         Variant{8, false}),
                         [](const testing::TestParamInfo<Variant>& i) {
                             return "f" + std::to_string(i.param.format) + Endian(i.param.big);
                         });
