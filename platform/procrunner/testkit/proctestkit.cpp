#include "procrunner/testkit/proctestkit.h"

#include "msgchannel/workermsg.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"

#include <QFile>
#include <QLibrary>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace proctest {

std::string Home() {
    const char* h = std::getenv("GRAVIK_HOME");
    return h ? h : "/tmp";
}

std::string Bytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

int CheckJob(const char* code, const QString& job) {
    QLibrary lib(QStringLiteral(GRAVIK_BIN_DIR "/ProcLib/") + code);
    if (!lib.load())
        return -1;
    using Entry = int (*)(const char16_t*);
    const QByteArray name = QByteArray("_CheckJob_") + code;
    const auto entry = reinterpret_cast<Entry>(lib.resolve(name.constData()));
    const int r = entry ? entry(reinterpret_cast<const char16_t*>(job.utf16())) : -1;
    lib.unload();
    return r;
}

SynthSpec OneRecord(int traces, int samples, TCFileFmt order, int format) {
    SynthSpec synth;
    synth.sources = 1;
    synth.receivers = traces;
    synth.samples = samples;
    synth.order = order;
    synth.format = format;
    return synth;
}

QString WriteFixture(const QString& dir, const QString& name, const SynthSpec& synth) {
    const QString path = dir + "/" + name;
    return WriteSynthSegy(path.toStdString(), synth) == 0 ? path : QString();
}

TWorkerRun RunJob(TCWorkerHarness& owner, const char* code, const QString& job, unsigned index,
                  const QString& input, const QString& output) {
    QFile::remove(output);
    if (!owner.SetJob(job))
        return TWorkerRun();
    return owner.Run(QString::fromLatin1(code), index, input, output);
}

::testing::AssertionResult EndedWith(const TWorkerRun& run, int result) {
    if (run.finals != 1)
        return ::testing::AssertionFailure() << run.finals << " final statuses";
    if (run.result != result)
        return ::testing::AssertionFailure() << "result " << run.result << ", expected " << result;
    if (run.statuses.back() != SPV_STATUS_FINAL_BASE + unsigned(result))
        return ::testing::AssertionFailure() << "a status came after the final one";
    if (run.closedWithoutFinal)
        return ::testing::AssertionFailure() << "the channel closed before the final status";
    const int exitCode = result == 0 ? 0 : 1;
    if (run.exitCode != exitCode)
        return ::testing::AssertionFailure() << "exit status " << run.exitCode;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult CleanRun(const TWorkerRun& run) {
    const ::testing::AssertionResult ended = EndedWith(run, 0);
    if (!ended)
        return ended;
    if (run.statuses.front() != 0)
        return ::testing::AssertionFailure() << "first status " << run.statuses.front();
    const std::vector<unsigned> p = run.Percents();
    if (p.size() + 2 != run.statuses.size())
        return ::testing::AssertionFailure() << "statuses besides start, percents and final";
    for (size_t i = 1; i < p.size(); ++i)
        if (p[i - 1] >= p[i])
            return ::testing::AssertionFailure() << "percent " << p[i] << " after " << p[i - 1];
    if (p.empty() || p.back() != 100)
        return ::testing::AssertionFailure() << "no 100 percent";
    return ::testing::AssertionSuccess();
}

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

::testing::AssertionResult OnlyWordsDiffer(const QString& input, const QString& output,
                                           const std::set<int>& words) {
    TCSegyReaderEx reader;
    if (reader.Open(input.toStdString()) != 0)
        return ::testing::AssertionFailure() << "cannot open " << input.toStdString();
    QByteArray in = ReadAll(input);
    QByteArray out = ReadAll(output);
    if (in.size() != out.size())
        return ::testing::AssertionFailure()
               << "sizes differ: " << in.size() << " and " << out.size();
    // Blank the allowed words in both copies, then every byte must be equal.
    for (int t = 0; t < reader.Traces(); ++t) {
        const qsizetype hdr = qsizetype(reader.DataStart() + t * reader.TraceBytes());
        for (int w : words) {
            const trc::FieldDef& f = trc::kTraceFields[w];
            for (int b = 0; b < f.size; ++b) {
                in[hdr + f.pos - 1 + b] = char(0);
                out[hdr + f.pos - 1 + b] = char(0);
            }
        }
    }
    for (qsizetype i = 0; i < in.size(); ++i)
        if (in[i] != out[i]) {
            const int64_t rel = i - reader.DataStart();
            auto failure = ::testing::AssertionFailure() << "byte " << i << " differs";
            if (rel >= 0)
                failure << " (trace " << rel / reader.TraceBytes() + 1 << ", byte "
                        << rel % reader.TraceBytes() + 1 << " of the trace)";
            return failure;
        }
    return ::testing::AssertionSuccess();
}

bool SetTraceWords(const QString& path, int index, int64_t value) {
    TCSegyReaderEx reader;
    if (reader.Open(path.toStdString()) != 0)
        return false;
    QByteArray bytes = ReadAll(path);
    for (int t = 0; t < reader.Traces(); ++t)
        TCSegyReaderEx::SetWord(bytes.data() + reader.DataStart() + t * reader.TraceBytes(), 'T',
                                index, value, reader.BigEndian());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

std::vector<int64_t> TraceWords(const QString& path, int index) {
    std::vector<int64_t> values;
    TCSegyReaderEx reader;
    if (reader.Open(path.toStdString()) != 0)
        return values;
    for (int t = 1; t <= reader.Traces(); ++t) {
        reader.SetTrace(t);
        values.push_back(reader.HdrWord('T', index));
    }
    return values;
}

} // namespace proctest
