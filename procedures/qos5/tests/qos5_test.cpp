// The merging job: its grammar through the plug-in's exported check entry (loaded with QLibrary
// as the batch editor loads it), the run-time file list, the output trace count, and the input
// traces the executor reads.

#include "procbase/resultcodes.h"
#include "qos5/tuexec_qos5.h"
#include "qos5/tujob_qos5.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <QLibrary>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using CheckEntry = int (*)(const char16_t*);

int RuntimeCode(TUJob_qos5& j, const char* text) {
    try {
        j.DefineRuntime(QString::fromUtf8(text));
    } catch (int code) {
        return code;
    }
    return 0;
}

} // namespace

TEST(Qos5Job, CheckEntryResults) {
    QLibrary lib(QStringLiteral(GRAVIK_BIN_DIR "/ProcLib/qos5"));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    const auto check = reinterpret_cast<CheckEntry>(lib.resolve("_CheckJob_qos5"));
    ASSERT_NE(nullptr, check);
    EXPECT_NE(nullptr, lib.resolve("_Execute_qos5"));
    const struct {
        const char16_t* job;
        int result;
    } cases[] = {
        {u"0;1:*;2:*", 0},
        {u"1;1:10-20;1:1-5", 0},
        {u"+400;1:3-*;2:1-1;3:*", 0},
        {u"10;1:*;2:*", 0},
        {u"65535;1:*;2:*", 0},
        {u"5;1:*;2:*", 2}, // 2..9 is no length
        {u"9;1:*;2:*", 2},
        {u"65536;1:*;2:*", 2},
        {u"-1;1:*;2:*", 2},
        {u"0;1:*", 1}, // one piece only
        {u"0", 1},
        {u"", 1},
        {u"0;1:5-4;2:*", 2},  // B below A
        {u"0;1:0-4;2:*", 2},  // A of 0
        {u"0;1:-4-5;2:*", 1}, // two "-"
        {u"0;1:*-5;2:*", 2},  // "*" is no first trace
        // A first trace written out as the largest int is a number; only the run can refuse it.
        {u"0;1:2147483647-*;2:*", 0},
        {u"0;0:*;2:*", 2},    // file number 0
        {u"0;1:5;2:*", 1},    // no "-"
        {u"0;:1-5;2:*", 1},   // ":" first
        {u"0;1:;2:*", 1},     // ":" last
        {u"0;1::*;2:*", 1},   // two ":"
        {u"0;1-5;2:*", 1},    // no ":"
        {u"0;1:*;2:*;", 0},   // a closing ";"
        {u"0;1:*;;2:*", 1},   // an empty piece
        {u"0;1:*;2:*;;", 1},  // an empty last piece
        {u"0;1:*;2:1-5 ", 2}, // trailing space
        {u"0;1:*;2:* ", 1},   // "* " is no "*", and holds no "-"
        {u"0;1:a-5;2:*", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.job).toStdString());
        EXPECT_EQ(c.result, check(c.job));
        EXPECT_EQ(c.result, check(c.job)) << "a second call differs";
    }
}

TEST(Qos5Job, RuntimeTextNamesThePieceFiles) {
    const struct {
        const char* text;
        int result;
        std::vector<std::string> files;
    } cases[] = {
        {"0;1:*;2:*|/d|a.sgy|b.sgy", 0, {"/d/a.sgy", "/d/b.sgy"}},
        {"0;2:*;2:1-3|/d/|a.sgy|b.sgy|c.sgy", 0, {"/d/b.sgy", "/d/b.sgy"}},
        {"0;1:*;2:*", prc::kJobDoesNotFit, {}},                // no file list
        {"0;1:*;1:*|/d|a.sgy", prc::kJobDoesNotFit, {}},       // a folder and one name
        {"0;1:*;3:*|/d|a.sgy|b.sgy", prc::kDuplicateName, {}}, // file 3 of two
        {"5;1:*;2:*|/d|a.sgy|b.sgy", prc::kValueError, {}},
        {"0;1:*|/d|a.sgy|b.sgy", prc::kFormatError, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TUJob_qos5 j;
        ASSERT_EQ(c.result, RuntimeCode(j, c.text));
        if (c.result != 0)
            continue;
        std::vector<std::string> files;
        for (const TUJobRec& p : j.Pieces())
            files.push_back(p.file);
        EXPECT_EQ(c.files, files);
    }
}

TEST(Qos5Job, OutputTraceCountIsSummedIn64Bits) {
    const struct {
        const char* text;
        int result;
    } cases[] = {
        // Three times 2147483647 wraps to 2147483645 in 32 bits, which would pass.
        {"0;1:1-2147483647;2:1-2147483647;1:1-2147483647|/d|a|b", prc::kTooManyTraces},
        {"0;1:1-2147483647;2:2-2147483647|/d|a|b", prc::kTooManyTraces},
        {"0;1:1-2147483646;2:7-7|/d|a|b", 0}, // exactly 2147483647
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TUExec_qos5 exec(0, nullptr);
        ASSERT_EQ(0, exec.DefineJob(c.text));
        int result = 0;
        try {
            exec.OSetFileProps();
        } catch (int code) {
            result = code;
        }
        EXPECT_EQ(c.result, result);
    }
}

TEST(Qos5Exec, ReadsOnlyThePiecesTraces) {
    // Records the input traces the engine reads, in order.
    struct Probe : TUExec_qos5 {
        using TUExec_qos5::TUExec_qos5;
        std::vector<int> read;
        int MapTraceIndex() override {
            read.push_back(ITrace());
            return TUExec_qos5::MapTraceIndex();
        }
    };
    const char* home = std::getenv("GRAVIK_HOME");
    const std::string folder = home ? home : "/tmp";
    SynthSpec synth;
    synth.sources = 2;
    synth.receivers = 25;
    synth.samples = 100;
    ASSERT_EQ(0, WriteSynthSegy(folder + "/long.sgy", synth));
    Probe exec(0, nullptr);
    ASSERT_EQ(0, exec.Execute("", folder + "/pieces.sgy",
                              "0;1:10-12;1:48-*|" + folder + "|long.sgy|unused.sgy"));
    EXPECT_EQ((std::vector<int>{10, 11, 12, 48, 49, 50}), exec.read);
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(folder + "/pieces.sgy"));
    EXPECT_EQ(6, r.Traces());
}
