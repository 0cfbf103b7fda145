#include "core/tufilelist.h"

#include "apptools/appfolders.h"
#include "core/tcconcurrency.h"
#include "corebase/files.h"
#include "corebase/strings.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

// The worker's command line quotes its three paths with S_Quote, which cannot quote a '"': a
// field holding one would reach the worker as other arguments, another file's path among them.
bool carriesItsFields(const QString& commandLine) {
    return commandLine.count(QLatin1Char('"')) == 6;
}

} // namespace

int TUFileList::Load(const QString& pattern) {
    QStringList names;
    F_AppendFileList(pattern, names, false);
    m_recs.clear();
    for (const QString& name : names) {
        TUFileRec rec;
        rec.name = name;
        m_recs.append(rec);
    }
    std::stable_sort(m_recs.begin(), m_recs.end(), [](const TUFileRec& a, const TUFileRec& b) {
        return a.name.toLower() < b.name.toLower();
    });
    return int(m_recs.size());
}

QStringList TUFileList::Names() const {
    QStringList names;
    for (const TUFileRec& rec : m_recs)
        names.append(rec.name);
    return names;
}

int TUFileList::DeleteRows(const QList<int>& rows) {
    QVector<bool> marked(m_recs.size(), false);
    int first = -1;
    for (int row : rows)
        if (row >= 0 && row < m_recs.size()) {
            marked[row] = true;
            first = first < 0 ? row : std::min(first, row);
        }
    if (first < 0)
        return m_recs.isEmpty() ? -1 : 0;
    int out = 0;
    for (int i = 0; i < m_recs.size(); ++i)
        if (!marked[i])
            m_recs[out++] = m_recs[i];
    m_recs.resize(out);
    if (m_recs.isEmpty())
        return -1;
    return std::min(first, int(m_recs.size()) - 1);
}

int TUFileList::Reorder(int action, int row, int remembered) {
    const int n = int(m_recs.size());
    if (row < 0 || row >= n)
        return row;
    switch (action) {
    case 1:
        if (row == 0)
            return row;
        std::swap(m_recs[row], m_recs[row - 1]);
        return row - 1;
    case 2:
        if (row + 1 >= n)
            return row;
        std::swap(m_recs[row], m_recs[row + 1]);
        return row + 1;
    case 3:
        std::rotate(m_recs.begin(), m_recs.begin() + row, m_recs.begin() + row + 1);
        return 0;
    case 4:
        std::rotate(m_recs.begin() + row, m_recs.begin() + row + 1, m_recs.end());
        return n - 1;
    case 5:
        std::reverse(m_recs.begin(), m_recs.end());
        return n - 1 - row;
    case 7: {
        if (remembered < 0 || remembered >= n)
            return row;
        const TUFileRec moved = m_recs[remembered];
        m_recs.remove(remembered);
        m_recs.insert(row, moved);
        return row;
    }
    default:
        return row;
    }
}

void TUFileList::ResetRun() {
    for (TUFileRec& rec : m_recs) {
        rec.percent = 0;
        rec.result = -1;
        rec.state = fsIdle;
    }
}

QString TUFileList::OutputName(const QString& name, const QString& prefix, const QString& suffix) {
    QString out = prefix + S_Before(name, QLatin1Char('.')) + suffix;
    // A name without an extension keeps none, rather than gaining a trailing dot.
    if (name.contains(QLatin1Char('.')))
        out += QLatin1Char('.') + S_After(name, QLatin1Char('.'));
    return out;
}

bool TUFileList::NameCharAllowed(QChar c, bool affix) {
    static const QString never = QStringLiteral("/:\\\"<>| ");
    static const QString notInAffix = QStringLiteral("*?.");
    return !never.contains(c) && !(affix && notInAffix.contains(c));
}

int TUFileList::CheckMask(const QString& mask) {
    for (QChar c : mask)
        if (!NameCharAllowed(c, false))
            return -1;
    if (mask.count(QLatin1Char('.')) > 1)
        return -1;
    if (!mask.contains(QLatin1Char('.')))
        return 68;
    const QString extension = S_After(mask, QLatin1Char('.'));
    return extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')) ? 69 : 0;
}

bool TUFileList::CheckAffix(const QString& text) {
    for (QChar c : text)
        if (!NameCharAllowed(c, true))
            return false;
    return true;
}

bool TUFileList::FindOutputOverInput(const QString& inputFolder, const QString& outputFolder,
                                     const QString& prefix, const QString& suffix, int runs,
                                     bool severalOutputs, int& writer, int& overwritten) const {
    runs = std::min(runs, int(m_recs.size()));
    QHash<QString, int> inputs;
    for (int i = 0; i < m_recs.size(); ++i) {
        const QString id = F_FileIdentity(inputFolder + QLatin1Char('/') + m_recs[i].name);
        if (!id.isEmpty() && !inputs.contains(id))
            inputs.insert(id, i);
    }
    // Outputs that do not exist yet are no input; only existing ones are looked up.
    const auto over = [&](int i, const QString& outputName) {
        const auto it =
            inputs.constFind(F_FileIdentity(outputFolder + QLatin1Char('/') + outputName));
        if (it == inputs.constEnd())
            return false;
        writer = i;
        overwritten = *it;
        return true;
    };
    if (!severalOutputs) {
        for (int i = 0; i < runs; ++i)
            if (over(i, OutputName(m_recs[i].name, prefix, suffix)))
                return true;
        return false;
    }
    // The outputs are not known before the run: any name "<stem>#<part>.<extension>" may be
    // one, so every "#" of a name in the output folder may end the stem of some file's output.
    QHash<QString, int> stems;
    const auto stemKey = [](const QString& name, qsizetype stemEnd) {
        const QString extension = name.contains(QLatin1Char('.'))
                                      ? QLatin1Char('.') + S_After(name, QLatin1Char('.'))
                                      : QString();
        return S_Before(name, QLatin1Char('.')).left(stemEnd) + QLatin1Char('/') + extension;
    };
    for (int i = 0; i < runs; ++i) {
        const QString name = OutputName(m_recs[i].name, prefix, suffix);
        stems.insert(stemKey(name, S_Before(name, QLatin1Char('.')).size()), i);
    }
    const QStringList present =
        QDir(outputFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : present) {
        const QString stem = S_Before(name, QLatin1Char('.'));
        for (qsizetype hash = stem.indexOf(QLatin1Char('#')); hash >= 0;
             hash = stem.indexOf(QLatin1Char('#'), hash + 1)) {
            const auto it = stems.constFind(stemKey(name, hash));
            if (it != stems.constEnd() && over(*it, name))
                return true;
        }
    }
    return false;
}

void TUFileList::StartBatch(const QString& code, const QString& inputFolder,
                            const QString& outputFolder, const QString& prefix,
                            const QString& suffix, int workers, bool singleRun,
                            TCConcurrency* concurrency, StatusPoster poster) {
    m_runCount = singleRun ? 1 : int(m_recs.size());
    m_maxParallel = workers;
    m_initialLeft = std::min(workers, m_runCount);
    m_lastStarted = -1;
    m_finishedCount = 0;
    m_stopAll = false;
    m_concurrency = concurrency;
    m_poster = std::move(poster);
    if (m_concurrency)
        m_concurrency->Reset();
    m_runParams = QStringList{code.toLower(), inputFolder, outputFolder, prefix, suffix};
}

bool TUFileList::StartInitialOne() {
    // A soft stop ends the ramp, as it ends the starts after a worker's end.
    if (m_initialLeft <= 0 || m_stopAll || m_lastStarted >= m_runCount - 1)
        return false;
    --m_initialLeft;
    StartNext();
    return m_initialLeft > 0;
}

void TUFileList::StartNext() {
    const int i = ++m_lastStarted;
    TUFileRec& rec = m_recs[i];
    // A worker that does not start is bound nowhere: its end must not uncount the processor
    // of an earlier run's worker.
    rec.core = -1;
    const QString commandLine = CommandLine(i);
    const int core = m_concurrency ? m_concurrency->Assign() : -1;
    CP_ProcInfo info;
    if (!carriesItsFields(commandLine) || !CP_CreateProc(commandLine, info, core)) {
        if (m_concurrency)
            m_concurrency->Release(core);
        if (m_poster)
            m_poster(i, 1000 + StartFailed);
        return;
    }
    rec.hProcess = info;
    rec.core = qint16(core);
}

bool TUFileList::WorkerFinished(int index) {
    ++m_finishedCount;
    TUFileRec& rec = m_recs[index];
    if (rec.hProcess.pid > 0)
        m_ending.append(rec.hProcess);
    rec.hProcess = CP_ProcInfo();
    if (m_concurrency)
        m_concurrency->Release(rec.core);
    if (!m_stopAll && m_lastStarted < m_runCount - 1)
        StartNext();
    return m_lastStarted != m_finishedCount - 1;
}

bool TUFileList::HardStop(int index) {
    if (index < 0 || index > m_lastStarted || index >= m_recs.size())
        return false;
    TUFileRec& rec = m_recs[index];
    if (rec.hProcess.pid <= 0 || rec.IsFinal())
        return false;
    CP_Terminate(rec.hProcess);
    if (m_poster)
        m_poster(index, 1000 + HardStopped);
    return true;
}

QList<int> TUFileList::CollectExited() {
    for (int k = int(m_ending.size()) - 1; k >= 0; --k)
        if (CP_HasExited(m_ending[k]))
            m_ending.remove(k);
    QList<int> ended;
    for (int i = 0; i < m_recs.size() && i <= m_lastStarted; ++i) {
        TUFileRec& rec = m_recs[i];
        // CP_HasExited reaps and clears the handle.
        if (rec.hProcess.pid > 0 && CP_HasExited(rec.hProcess) && !rec.IsFinal())
            ended.append(i);
    }
    return ended;
}

QString TUFileList::InputPath(int index) const {
    return m_runParams.value(1) + QLatin1Char('/') + m_recs.at(index).name;
}

QString TUFileList::OutputPath(int index) const {
    return m_runParams.value(2) + QLatin1Char('/') +
           OutputName(m_recs.at(index).name, m_runParams.value(3), m_runParams.value(4));
}

QString TUFileList::CommandLine(int index) const {
    return S_Quote(KT_GetAppDir() + QStringLiteral("/procrunner")) + QLatin1Char(' ') +
           m_runParams.value(0) + QLatin1Char(' ') + QString::number(index) + QLatin1Char(' ') +
           S_Quote(InputPath(index)) + QLatin1Char(' ') + S_Quote(OutputPath(index));
}
