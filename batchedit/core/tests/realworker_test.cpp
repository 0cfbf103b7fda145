// The scheduler with the real procrunner and real plug-ins of the build's application folder.

#include "batchfixture.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>

namespace {

std::string bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// Compares an output with the input it was made from: the file headers and every sample byte
// the same, every trace header word the same except those `changed` gives (word -> value for
// trace t); false with a note of the first difference.
using ChangedWords = std::function<std::map<int, std::int64_t>(int trace)>;
::testing::AssertionResult sameButWords(const QString& input, const QString& output,
                                        const ChangedWords& changed) {
    TCSegyReaderEx ri, ro;
    if (ri.Open(QFile::encodeName(input).toStdString()) != 0 ||
        ro.Open(QFile::encodeName(output).toStdString()) != 0)
        return ::testing::AssertionFailure() << "not readable";
    const std::string a = bytesOf(input), b = bytesOf(output);
    const size_t start = size_t(ri.DataStart());
    if (a.size() != b.size() || a.compare(0, start, b, 0, start) != 0)
        return ::testing::AssertionFailure() << "sizes or file headers differ";
    const size_t samples = size_t(ri.TraceBytes()) - 240;
    for (int t = 1; t <= ri.Traces(); ++t) {
        const size_t at = start + size_t(t - 1) * size_t(ri.TraceBytes()) + 240;
        if (a.compare(at, samples, b, at, samples) != 0)
            return ::testing::AssertionFailure() << "samples of trace " << t;
        ri.SetTrace(t);
        ro.SetTrace(t);
        const std::map<int, std::int64_t> words = changed(t);
        for (int w = 0; w < 91; ++w) {
            const auto it = words.find(w);
            const std::int64_t want = it == words.end() ? ri.HdrWord('T', w) : it->second;
            if (ro.HdrWord('T', w) != want)
                return ::testing::AssertionFailure() << "trace " << t << " word " << w;
        }
    }
    return ::testing::AssertionSuccess();
}

class RealWorkerTest : public BatchFixture {
protected:
    RealWorkerTest() : BatchFixture(GRAVIK_BIN_DIR) {}

    void makeShots(int count, int sources, int samples) {
        for (int i = 1; i <= count; ++i) {
            SynthSpec synth;
            synth.sources = sources;
            synth.receivers = 48;
            synth.samples = samples;
            const QString path = in + QString("/shot%1.sgy").arg(i);
            ASSERT_EQ(WriteSynthSegy(path.toStdString(), synth), 0);
        }
        files.Load(in + "/*.sgy");
    }

    TUBatchRun::Request request(const char* code, quint16 flags, const QString& job) {
        TUBatchRun::Request r;
        r.proc = TUProcRec{code, "", flags};
        r.jobLines = QStringList{job};
        r.inputFolder = in;
        r.outputFolder = out;
        r.workers = 2;
        return r;
    }
};

} // namespace

TEST_F(RealWorkerTest, Lum6MissingRecordFailsAndOnlyItsOutputIsDeleted) {
    if (!QFileInfo::exists(QString(GRAVIK_BIN_DIR) + "/ProcLib/lum6.so"))
        GTEST_SKIP() << "lum6 not built";
    makeShots(3, 1, 200);
    ASSERT_EQ(run->Start(request("LUM6", pfJob | pfFileNumbers, "1:1,100,200,*,*;3:3,300,400,*,*")),
              0);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.At(0).state, fsDone);
    EXPECT_EQ(files.At(1).result, 200);
    EXPECT_EQ(files.At(2).state, fsDone);
    // Record number, source X and Y and the coordinate units set in every trace; the rest kept.
    for (const auto& [index, record, x, y] :
         {std::tuple{0, 1, 100, 200}, std::tuple{2, 3, 300, 400}})
        EXPECT_TRUE(sameButWords(files.InputPath(index), files.OutputPath(index), [&](int) {
            return std::map<int, std::int64_t>{{2, record}, {21, x}, {22, y}, {25, 1}};
        })) << index;
    // Whatever the failed run left behind goes; the good outputs stay.
    QFile leftover(files.OutputPath(1));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    int deleted = 0;
    ASSERT_EQ(run->DeleteFailedOutputs(&deleted), 0);
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(QFile::exists(files.OutputPath(1)));
    EXPECT_TRUE(QFile::exists(files.OutputPath(0)));
    EXPECT_TRUE(QFile::exists(files.OutputPath(2)));
}

TEST_F(RealWorkerTest, KilledWorkerDoesNotHangTheRun) {
    makeShots(2, 60, 2000);
    ASSERT_EQ(run->Start(request("TVA3", pfJob, "1:1-100;48:1-100")), 0);
    ASSERT_TRUE(runUntil([this] { return files.At(0).state == fsRunning || ended; }));
    CP_ProcInfo worker = files.At(0).hProcess;
    const bool killed = !ended && CP_Terminate(worker);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.At(1).state, fsDone);
    // The finished file's output, many 2 MiB blocks long, byte for byte: samples 1 to 100 of
    // traces 1 to 48 zeroed, everything else the input's.
    std::string expected = bytesOf(files.InputPath(1));
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(QFile::encodeName(files.InputPath(1)).toStdString()));
    ASSERT_GT(expected.size(), 8u * 1024 * 1024);
    for (int t = 1; t <= 48; ++t) {
        const size_t at = size_t(r.DataStart()) + size_t(t - 1) * size_t(r.TraceBytes()) + 240;
        std::fill_n(expected.begin() + std::ptrdiff_t(at), 100 * r.SampleSize(), '\0');
    }
    const std::string got = bytesOf(files.OutputPath(1));
    ASSERT_EQ(expected.size(), got.size());
    const auto diff = std::mismatch(expected.begin(), expected.end(), got.begin());
    EXPECT_TRUE(diff.first == expected.end())
        << "first difference at byte " << (diff.first - expected.begin());
    // Killed before its end it fails with its own code; had it just finished, it is done.
    if (killed) {
        EXPECT_TRUE(files.At(0).result == TUFileList::NoFinalStatus || files.At(0).result == 0)
            << files.At(0).result;
    }
}
