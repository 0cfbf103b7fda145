#include "core/tubatchrun.h"

#include "core/spvstrings.h"
#include "core/tcconcurrency.h"
#include "core/tuanswerer.h"
#include "core/tufilelist.h"
#include "core/tujobtext.h"
#include "corebase/files.h"
#include "corebase/strings.h"
#include "msgchannel/namedstore.h"
#include "msgchannel/tcmsgserver.h"
#include "msgchannel/workermsg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <filesystem>

namespace {

// How often ended workers are looked for, and how long an ended worker's last frames may
// take to arrive before the file is failed.
constexpr int kPollMs = 200;
constexpr qint64 kGraceMs = 2000;

// The same folder however it is spelled (a trailing separator, "..", a link): outputs named
// like their inputs would replace them.
bool sameFolder(const QString& a, const QString& b) {
    std::error_code ec;
    return a == b || (std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), ec) &&
                      !ec);
}

} // namespace

TUBatchRun::TUBatchRun(TUFileList& files, TCConcurrency& concurrency, TCMsgServer& channel,
                       TUAnswerer& answerer, QObject* parent)
    : QObject(parent), m_files(files), m_concurrency(concurrency), m_channel(channel),
      m_answerer(answerer) {
    m_channel.SetSendHandler(SPV_MSG_QUERYSTOP, [this](const TMsgFrame& frame) {
        return QueryStop(static_cast<int>(frame.lParam));
    });
    connect(&m_channel, &TCMsgServer::posted, this, &TUBatchRun::OnPosted);
    connect(&m_channel, &TCMsgServer::clientClosed, this, &TUBatchRun::OnClientClosed);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &TUBatchRun::OnPoll);
    m_starter.setInterval(0);
    connect(&m_starter, &QTimer::timeout, this, &TUBatchRun::OnStartStep);
}

TUBatchRun::~TUBatchRun() {
    m_channel.SetSendHandler(SPV_MSG_QUERYSTOP, [](const TMsgFrame&) { return qint64(0); });
    M_CloseSharedText(m_jobHandle);
}

int TUBatchRun::Refuse(int id, const QStringList& args) {
    m_refusal = SpvFormat(id, args);
    return id;
}

int TUBatchRun::Start(const Request& request) {
    m_refusal.clear();
    if (m_mode != smPrepare)
        return -1;
    if (m_files.IsEmpty())
        return Refuse(22);
    if (request.workers < 1)
        return Refuse(MsgNoWorkers);
    if (request.outputFolder.isEmpty())
        return Refuse(MsgNoOutputFolder);
    if (sameFolder(request.outputFolder, request.inputFolder) && request.prefix.isEmpty() &&
        request.suffix.isEmpty())
        return Refuse(41);
    // A prefix or suffix, a link or a folder of several outputs can still lead an output onto
    // another input: it would be replaced and then processed as if it were the original.
    int writer = -1;
    int overwritten = -1;
    if (m_files.FindOutputOverInput(request.inputFolder, request.outputFolder, request.prefix,
                                    request.suffix,
                                    request.proc.Has(pfSingleRun) ? 1 : m_files.Count(),
                                    request.proc.Has(pfOutList), writer, overwritten))
        return Refuse(MsgOutputOverInput, {m_files.At(writer).name, m_files.At(overwritten).name});
    // The procedure would split such a name apart and take the wrong files by their numbers.
    if (request.proc.Has(pfFileNames) &&
        (request.inputFolder.contains(QLatin1Char('|')) ||
         m_files.Names().join(QString()).contains(QLatin1Char('|'))))
        return Refuse(MsgBarInName);
    QString job;
    if (request.proc.Has(pfJob)) {
        job = TUJobText::Normalise(request.jobLines);
        const int bad = TUJobText::FirstBadChar(job, SpvJobCharacters());
        if (bad >= 0)
            return Refuse(38, {TUJobText::ShownChar(job[bad])});
        const int checked = m_library.Check(request.proc.code, job);
        if (checked != 0)
            return Refuse(checked);
    }
    if (request.remind) {
        const QString none = SpvText(51);
        const QString prefix = request.prefix.isEmpty() ? none : S_Quote(request.prefix);
        const QString suffix = request.suffix.isEmpty() ? none : S_Quote(request.suffix);
        if (!m_answerer.Ask(52, SpvFormat(52, {prefix, suffix}))) {
            m_library.Unload();
            return -1;
        }
    }
    M_CloseSharedText(m_jobHandle);
    m_published = TUJobText::Published(job, request.proc.Has(pfFileNames), request.inputFolder,
                                       m_files.Names());
    m_jobHandle = M_CreateSharedText(QString::fromLatin1(SPV_JOB_TEXT_NAME), m_published);
    if (m_jobHandle == 0 || !m_channel.IsOpen()) {
        m_library.Unload();
        m_refusal = ChannelProblemText();
        return 21;
    }
    m_library.Unload();
    m_job = job;
    m_proc = request.proc;
    m_mode = smRunning;
    m_successes = 0;
    m_failures = 0;
    m_exited.clear();
    m_clock.start();
    emit countChanged(CountText());
    m_files.StartBatch(request.proc.code, request.inputFolder, request.outputFolder, request.prefix,
                       request.suffix, request.workers, request.proc.Has(pfSingleRun),
                       &m_concurrency, [this](int index, int code) { PostStatus(index, code); });
    m_poll.start();
    m_starter.start();
    return 0;
}

void TUBatchRun::OnStartStep() {
    if (m_mode != smRunning) {
        m_starter.stop();
        return;
    }
    const bool more = m_files.StartInitialOne();
    // A start takes a while; the connections of the workers started before it are taken now,
    // not one per turn of the loop.
    m_channel.Drain();
    if (more || m_mode != smRunning)
        return;
    m_starter.stop();
    // Stopped before any worker started: no report will come to end the run.
    if (m_files.Running() == 0)
        EndBatch();
}

QString TUBatchRun::ChannelProblemText() {
    const QList<M_RuntimeProblem> problems = M_RuntimeDirProblems();
    if (problems.isEmpty())
        return SpvText(21);
    // Messages 77 to 81 follow the order of M_RuntimeProblem::Reason.
    QStringList lines;
    for (const M_RuntimeProblem& p : problems)
        lines << SpvFormat(77 + int(p.reason),
                           {p.folder, QString::fromLocal8Bit(std::strerror(p.error))});
    return SpvFormat(76, {lines.join(QStringLiteral("; "))});
}

void TUBatchRun::PostStatus(int index, int code) {
    QMetaObject::invokeMethod(
        this, [this, index, code] { OnStatus(index, code); }, Qt::QueuedConnection);
}

void TUBatchRun::OnPosted(const TMsgFrame& frame) {
    if (frame.msg != SPV_MSG_STATUS)
        return;
    OnStatus(int(frame.wParam >> 16), int(frame.wParam & 0xFFFF));
}

void TUBatchRun::OnStatus(int index, int code) {
    if (m_mode != smRunning || index < 0 || index >= m_files.Count() ||
        index > m_files.LastStarted())
        return;
    TUFileRec& rec = m_files.At(index);
    if (rec.IsFinal())
        return;
    if (code <= int(SPV_STATUS_LAST_PERCENT)) {
        // A stop asked before the worker began must survive its start report.
        if (code == 0 && rec.state != fsStopRequested)
            rec.state = fsRunning;
        rec.percent = quint16(code);
        emit fileChanged(index);
        return;
    }
    rec.result = qint16(code - int(SPV_STATUS_FINAL_BASE));
    rec.state = rec.result == 0 ? fsDone : fsFailed;
    ++(rec.result == 0 ? m_successes : m_failures);
    m_exited.remove(index);
    const bool more = m_files.WorkerFinished(index);
    emit fileChanged(index);
    emit countChanged(CountText());
    if (!more)
        EndBatch();
}

void TUBatchRun::OnClientClosed(int index, bool finalSeen) {
    if (!finalSeen)
        OnStatus(index, int(SPV_STATUS_FINAL_BASE) + TUFileList::NoFinalStatus);
}

void TUBatchRun::OnPoll() {
    if (m_mode != smRunning)
        return;
    const qint64 now = m_clock.elapsed();
    for (int index : m_files.CollectExited())
        m_exited.insert(index, now + kGraceMs);
    if (m_exited.isEmpty())
        return;
    // Whatever an ended worker wrote is already in the channel: taken now, a final status
    // sent just before its end is counted however busy the loop has been.
    m_channel.Drain();
    const QList<int> waiting = m_exited.keys();
    for (int index : waiting)
        if (m_exited.value(index) <= now)
            OnStatus(index, int(SPV_STATUS_FINAL_BASE) + TUFileList::NoFinalStatus);
}

void TUBatchRun::EndBatch() {
    m_mode = smFinished;
    m_elapsed = double(m_clock.nsecsElapsed()) / 1e9;
    m_poll.stop();
    m_starter.stop();
    m_exited.clear();
    emit countChanged(CountText());
    emit finished();
}

void TUBatchRun::EnterPrepare() {
    if (m_mode == smRunning)
        return;
    m_mode = smPrepare;
    m_files.ResetRun();
    emit countChanged(QString());
}

int TUBatchRun::SoftStopAll(bool ask) {
    if (m_mode != smRunning)
        return -1;
    if (ask && !m_answerer.Ask(24, SpvText(24)))
        return -1;
    m_files.SetStopAll();
    for (int i = 0; i < m_files.Count(); ++i)
        if (m_files.At(i).state == fsRunning) {
            m_files.At(i).state = fsStopRequested;
            emit fileChanged(i);
        }
    return 0;
}

void TUBatchRun::SoftStopFiles(const QList<int>& rows) {
    // Outside a run a mark would outlive preparation and stop the file in the next run.
    if (m_mode != smRunning)
        return;
    // A finished file keeps its result: marked, it would no longer show or count as failed.
    for (int i : rows)
        if (i >= 0 && i < m_files.Count() && !m_files.At(i).IsFinal()) {
            m_files.At(i).state = fsStopRequested;
            emit fileChanged(i);
        }
}

int TUBatchRun::HardStopFiles(const QList<int>& rows, bool ask) {
    if (m_mode != smRunning)
        return -1;
    if (ask && !m_answerer.Ask(25, SpvText(25)))
        return -1;
    for (int i : rows)
        m_files.HardStop(i);
    return 0;
}

QList<int> TUBatchRun::RunningFiles() const {
    QList<int> rows;
    if (m_mode != smRunning)
        return rows;
    for (int i = 0; i <= m_files.LastStarted() && i < m_files.Count(); ++i)
        if (!m_files.At(i).IsFinal())
            rows.append(i);
    return rows;
}

QString TUBatchRun::CountText() const {
    const QString s = QString::number(m_successes);
    const QString f = QString::number(m_failures);
    switch (m_mode) {
    case smRunning:
        return SpvFormat(27, {s, f});
    case smFinished:
        return SpvFormat(47, {s, f, SpvElapsedText(m_elapsed)});
    default:
        return QString();
    }
}

QString TUBatchRun::TotalText(int files, const QString& code) {
    return SpvFormat(12, {QString::number(files), code});
}

QStringList TUBatchRun::OutputFiles(int index) const {
    const QString path = m_files.OutputPath(index);
    if (!m_proc.Has(pfOutList))
        return QFileInfo(path).isFile() ? QStringList{path} : QStringList();
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString stem = S_Before(name, QLatin1Char('.')) + QLatin1Char('#');
    const QString extension = name.contains(QLatin1Char('.'))
                                  ? QLatin1Char('.') + S_After(name, QLatin1Char('.'))
                                  : QString();
    QStringList found;
    F_AppendFileList(info.absolutePath() + QLatin1Char('/') + stem + QLatin1Char('*') + extension,
                     found, false);
    // The listing ignores case and reads "*" and "?" of the name as wildcards, so it also
    // finds other files' outputs; only names spelled exactly like this file's own are kept.
    QStringList own;
    for (const QString& candidate : found)
        if (candidate.size() >= stem.size() + extension.size() && candidate.startsWith(stem) &&
            candidate.endsWith(extension))
            own.append(info.absolutePath() + QLatin1Char('/') + candidate);
    return own;
}

int TUBatchRun::DeleteFailedOutputs(int* deleted) {
    if (!m_answerer.Ask(39, SpvText(39)))
        return -1;
    // No output of the run is an input of the list: such a start is refused.
    int count = 0;
    for (int i = 0; i < m_files.Count(); ++i)
        if (m_files.At(i).state == fsFailed)
            for (const QString& path : OutputFiles(i))
                if (QFile::remove(path))
                    ++count;
    if (deleted)
        *deleted = count;
    m_answerer.Tell(40, SpvFormat(40, {QString::number(count)}));
    return 0;
}

int TUBatchRun::ClearOutputFolder(const QString& folder) {
    if (!m_answerer.Ask(44, SpvText(44)))
        return -1;
    const bool ok = F_IsFolderEmpty(folder) || F_ClearDirectory(folder);
    const int id = ok ? 45 : 46;
    m_answerer.Tell(id, SpvText(id));
    return ok ? 0 : Refuse(46);
}

qint64 TUBatchRun::QueryStop(int index) const {
    return m_mode == smRunning && index >= 0 && index < m_files.Count() &&
                   m_files.At(index).state == fsStopRequested
               ? 1
               : 0;
}
