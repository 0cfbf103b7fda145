#include "tbatchrunapp.h"

#include "brtexts.h"
#include "core/spvstrings.h"
#include "core/tudescription.h"
#include "core/tujobtext.h"
#include "corebase/process.h"
#include "procbase/resultcodes.h"
#include "trcfile/tcsegyreaderex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int kInterruptPollMs = 100;
// Progress is printed in steps of this many percent.
constexpr int kPercentStep = 25;
// The editor's spin box allows no more workers at once.
constexpr int kMostWorkers = 100;

bool parseCount(const QString& text, int& value) {
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    value = text.toInt();
    return true;
}

} // namespace

TBatchRunApp::TBatchRunApp() : m_out(stdout), m_err(stderr), m_concurrency(CP_ProcessorCount()) {
    m_interrupts.setInterval(kInterruptPollMs);
    connect(&m_interrupts, &QTimer::timeout, this, &TBatchRunApp::OnInterruptPoll);
}

bool TBatchRunApp::Ask(int, const QString&) {
    return true;
}

void TBatchRunApp::Tell(int, const QString& text) {
    m_out << text << Qt::endl;
}

int TBatchRunApp::Refuse(const QString& text) {
    m_err << text << Qt::endl;
    return 2;
}

int TBatchRunApp::Parse(const QStringList& args, Options& o) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (i + 1 >= args.size() || !name.startsWith(QStringLiteral("--")))
            return Refuse(BrText(brBadOption).arg(name) + QLatin1Char('\n') + BrText(brUsage));
        const QString value = args[++i];
        if (name == QLatin1String("--proc"))
            o.code = value;
        else if (name == QLatin1String("--job")) {
            o.job = value;
            o.haveJob = true;
        } else if (name == QLatin1String("--job-file")) {
            o.jobFile = value;
            o.haveJobFile = true;
        } else if (name == QLatin1String("--in"))
            o.input = value;
        else if (name == QLatin1String("--mask"))
            o.mask = value;
        else if (name == QLatin1String("--out"))
            o.output = value;
        else if (name == QLatin1String("--prefix"))
            o.prefix = value;
        else if (name == QLatin1String("--suffix"))
            o.suffix = value;
        else if (name == QLatin1String("--workers")) {
            if (!parseCount(value, o.workers) || o.workers > kMostWorkers)
                return Refuse(BrText(brBadWorkers).arg(value));
        } else
            return Refuse(BrText(brBadOption).arg(name) + QLatin1Char('\n') + BrText(brUsage));
    }
    if (o.code.isEmpty() || o.input.isEmpty() || o.output.isEmpty())
        return Refuse(BrText(brUsage));
    if (o.haveJob && o.haveJobFile)
        return Refuse(BrText(brJobBoth));
    // The editor's name rules: no name may leave its folder or gain a second extension dot.
    const int mask = TUFileList::CheckMask(o.mask);
    if (mask > 0)
        return Refuse(SpvText(mask));
    if (mask < 0)
        return Refuse(BrText(brBadMask).arg(o.mask));
    for (const QString& affix : {o.prefix, o.suffix})
        if (!TUFileList::CheckAffix(affix))
            return Refuse(BrText(brBadAffix).arg(affix));
    return 0;
}

int TBatchRunApp::Inform(const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        m_out << BrText(brUsage);
        return 0;
    }
    if (args.contains(QLatin1String("--version"))) {
        m_out << BrText(brVersion).arg(QStringLiteral(GRAVIK_VERSION),
                                       QStringLiteral(GRAVIK_BUILD_DATE),
                                       QStringLiteral(GRAVIK_COMMIT))
              << Qt::endl;
        return 0;
    }
    if (args == QStringList{QStringLiteral("--list")})
        return List();
    if (args.size() == 2 && args[0] == QLatin1String("--describe"))
        return Describe(args[1]);
    return -1;
}

int TBatchRunApp::List() {
    if (m_procs.Load() == 0)
        return Refuse(SpvText(3));
    m_out << BrText(brListHead) << Qt::endl;
    for (int i = 0; i < m_procs.Count(); ++i) {
        const TUProcRec& rec = m_procs.At(i);
        m_out << rec.code << '\t' << rec.flags << '\t' << rec.title << Qt::endl;
    }
    m_out << Qt::endl << BrText(brListFlags) << Qt::endl;
    return 0;
}

int TBatchRunApp::Describe(const QString& code) {
    if (m_procs.Load() == 0)
        return Refuse(SpvText(3));
    const int found = m_procs.Find(code);
    if (found < 0)
        return Refuse(BrText(brUnknownProc).arg(code));
    const QString path = m_procs.At(found).DescriptionPath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refuse(BrText(brNoDescription).arg(path));
    const QString text = TUDescription::PlainText(file.readAll());
    m_out << text;
    if (!text.endsWith(QLatin1Char('\n')))
        m_out << Qt::endl;
    return 0;
}

int TBatchRunApp::Start(const QStringList& args) {
    if (const int informed = Inform(args); informed >= 0)
        return informed;
    // Before anything is printed, so a caller that reacts to the output reaches the handler.
    CP_CatchInterrupts();
    Options o;
    o.workers = std::min(m_concurrency.Size(), kMostWorkers);
    if (const int refused = Parse(args, o))
        return refused;
    m_errors.Load();
    if (m_procs.Load() == 0)
        return Refuse(SpvText(3));
    const int found = m_procs.Find(o.code);
    if (found < 0)
        return Refuse(BrText(brUnknownProc).arg(o.code));
    const TUProcRec proc = m_procs.At(found);

    QStringList jobLines;
    if (o.haveJob)
        jobLines = QStringList{o.job};
    else if (o.haveJobFile && !TUJobText::Load(o.jobFile, jobLines))
        return Refuse(BrText(brJobFileUnread).arg(o.jobFile));
    if (proc.Has(pfJob) && !o.haveJob && !o.haveJobFile)
        return Refuse(BrText(brJobMissing));

    const QString input = QDir::cleanPath(QDir(o.input).absolutePath());
    const QString output = QDir::cleanPath(QDir(o.output).absolutePath());
    if (!QFileInfo(input).isDir())
        return Refuse(BrText(brNoInputFolder).arg(o.input));
    if (!QDir().mkpath(output))
        return Refuse(BrText(brNoOutputFolder).arg(o.output));
    m_files.Load(input + QLatin1Char('/') + o.mask);
    m_out << TUBatchRun::TotalText(m_files.Count(), proc.code) << Qt::endl;

    if (!m_channel.Open())
        return Refuse(TUBatchRun::ChannelProblemText());
    TUAnswerer& answerer = *this;
    m_run = std::make_unique<TUBatchRun>(m_files, m_concurrency, m_channel, answerer);
    connect(m_run.get(), &TUBatchRun::fileChanged, this, &TBatchRunApp::OnFileChanged);
    connect(m_run.get(), &TUBatchRun::finished, this, &TBatchRunApp::OnFinished);
    m_shown = QVector<int>(m_files.Count(), -1);

    TUBatchRun::Request request;
    request.proc = proc;
    request.jobLines = jobLines;
    request.inputFolder = input;
    request.outputFolder = output;
    request.prefix = o.prefix;
    request.suffix = o.suffix;
    request.workers = o.workers;
    const int started = m_run->Start(request);
    if (started != 0)
        return Refuse(m_run->RefusalText());
    m_interrupts.start();
    return -1;
}

void TBatchRunApp::OnFileChanged(int index) {
    const TUFileRec& rec = m_files.At(index);
    const QString& name = rec.name;
    if (rec.IsFinal()) {
        if (rec.state == fsDone)
            m_out << BrText(brFileOk).arg(name) << Qt::endl;
        else
            m_out << BrText(brFileFailed).arg(name).arg(rec.result).arg(FailureText(index))
                  << Qt::endl;
        return;
    }
    const int step = rec.percent / kPercentStep;
    if (step == m_shown[index])
        return;
    m_out << (m_shown[index] < 0 && rec.percent == 0
                  ? BrText(brStarted).arg(name)
                  : BrText(brPercent).arg(name).arg(step * kPercentStep))
          << Qt::endl;
    m_shown[index] = step;
}

QString TBatchRunApp::FailureText(int index) {
    const auto known = m_failureTexts.constFind(index);
    if (known != m_failureTexts.constEnd())
        return *known;
    const int result = m_files.At(index).result;
    QString text = m_errors.Text(result);
    // The worker can tell only that the input did not open; the reader tells why.
    if (result == prc::kInputOpen) {
        TCSegyReaderEx reader;
        const int code = reader.Open(QFile::encodeName(m_files.InputPath(index)).toStdString());
        if (code != 0) {
            const QString reason = BrReaderText(code);
            text +=
                QLatin1Char(' ') + (reason.isEmpty() ? BrText(brOpenErrorCode).arg(code)
                                                     : BrText(brOpenError).arg(code).arg(reason));
        }
    }
    m_failureTexts.insert(index, text);
    return text;
}

void TBatchRunApp::OnInterruptPoll() {
    const int count = CP_InterruptCount();
    if (count == m_interruptsSeen)
        return;
    // The first Ctrl+C asks a soft stop, any further one kills the running files.
    if (m_interruptsSeen == 0) {
        m_out << BrText(brSoftStop) << Qt::endl;
        m_run->SoftStopAll(false);
    }
    if (count >= 2) {
        m_out << BrText(brHardStop) << Qt::endl;
        m_run->HardStopFiles(m_run->RunningFiles(), false);
    }
    m_interruptsSeen = count;
}

void TBatchRunApp::OnFinished() {
    m_interrupts.stop();
    m_out << Qt::endl << BrText(brTableHead) << Qt::endl;
    const int runs = m_files.RunCount();
    for (int i = 0; i < runs; ++i) {
        const TUFileRec& rec = m_files.At(i);
        QString result = BrText(brNotRun);
        QString text;
        if (rec.state == fsDone)
            result = QStringLiteral("OK");
        else if (rec.state == fsFailed) {
            result = QString::number(rec.result);
            text = FailureText(i);
        }
        m_out << rec.name << '\t' << result << '\t' << text << Qt::endl;
    }
    if (m_run->Procedure().Has(pfOutList))
        for (int i = 0; i < runs; ++i) {
            const QStringList outputs = m_run->OutputFiles(i);
            if (outputs.isEmpty())
                continue;
            m_out << BrText(brOutputs).arg(m_files.At(i).name) << Qt::endl;
            for (const QString& path : outputs)
                m_out << "  " << path << Qt::endl;
        }
    m_out << m_run->CountText() << Qt::endl;
    m_out << BrText(brOutputsWhere).arg(m_files.RunParams().value(2)) << Qt::endl;
    const bool allDone = m_run->Failures() == 0 && m_run->Successes() == runs;
    emit done(allDone ? 0 : 1);
}
