// The scheduler with the real procrunner and real plug-ins of the build's application folder.

#include "batchfixture.h"
#include "segygen/segygen.h"

#include <QFile>
#include <QFileInfo>

namespace {

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
    // Killed before its end it fails with its own code; had it just finished, it is done.
    if (killed) {
        EXPECT_TRUE(files.At(0).result == TUFileList::NoFinalStatus || files.At(0).result == 0)
            << files.At(0).result;
    }
}
