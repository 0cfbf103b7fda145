#pragma once
// The input files of one folder and mask, in list order, with the run part of a batch run:
// which worker runs which file, and the bookkeeping that starts the next one.
//
// Workers are started with CP_CreateProc; a start failure is reported through the status
// poster as result 10, exactly like a worker's own final report, so it is counted the same way.
// A file whose paths hold a '"' cannot be put on the worker's command line and fails so too.

#include "core/tufilerec.h"

#include <QList>
#include <QStringList>
#include <QVector>

#include <functional>

class TCConcurrency;

class TUFileList {
public:
    // Posts a status report (file index, code) to the scheduler; it must be delivered later,
    // never from inside the call, as a posted window message would be.
    using StatusPoster = std::function<void(int index, int code)>;

    // Result codes the scheduler gives files whose worker could not report.
    static constexpr int StartFailed = 10;
    static constexpr int HardStopped = 199;
    static constexpr int NoFinalStatus = 197;

    // Rebuilds the list from "folder/mask"; records sorted by lower-cased name.
    int Load(const QString& pattern);
    int Count() const { return int(m_recs.size()); }
    bool IsEmpty() const { return m_recs.isEmpty(); }
    const TUFileRec& At(int index) const { return m_recs.at(index); }
    TUFileRec& At(int index) { return m_recs[index]; }
    QStringList Names() const;

    // Removes the given rows in one pass; returns the row to select afterwards (-1 when empty).
    int DeleteRows(const QList<int>& rows);
    // Reorder actions of the sort tool window on the focused row: 1 up, 2 down, 3 to the
    // start, 4 to the end, 5 reverse all, 7 move row `remembered` to `row`. Returns the row
    // that has the focus afterwards; an action that does not apply changes nothing.
    int Reorder(int action, int row, int remembered);
    // Preparation mode: every record back to percent 0, result -1, idle.
    void ResetRun();

    // prefix + name before its "." + suffix + "." + name after it (no "." when it had none).
    static QString OutputName(const QString& name, const QString& prefix, const QString& suffix);
    // Whether a mask (`affix` false) or a prefix or suffix (`affix` true) may hold `c`: never
    // "/", ":", "\", '"', "<", ">", "|" or a space, so a name cannot leave its folder; in a
    // prefix or suffix neither "*", "?" nor ".", so output names keep one extension dot.
    static bool NameCharAllowed(QChar c, bool affix);
    // Checks a whole mask: 0 when it is fit, 68 when it has no extension, 69 when its
    // extension holds "*" or "?"; -1 when it holds a refused character or a second ".".
    static int CheckMask(const QString& mask);
    // True when every character of a prefix or suffix is allowed.
    static bool CheckAffix(const QString& text);
    // Looks for an input of the list that a run with these folders and names would write
    // over: the output of file `writer`, one of the first `runs` files, (with
    // `severalOutputs`, any file of the output folder
    // named like its output with "#" and a part of its own before the extension) is the same
    // file as the input `overwritten`, whatever link or spelling leads there. False when none is.
    bool FindOutputOverInput(const QString& inputFolder, const QString& outputFolder,
                             const QString& prefix, const QString& suffix, int runs,
                             bool severalOutputs, int& writer, int& overwritten) const;

    // --- run part ---
    void StartBatch(const QString& code, const QString& inputFolder, const QString& outputFolder,
                    const QString& prefix, const QString& suffix, int workers, bool singleRun,
                    TCConcurrency* concurrency, StatusPoster poster);
    // One of the batch run's first min(workers, runs) starts; true while more of them are due.
    // The owner calls it once per turn of its event loop, so the started workers' connections
    // are taken between two starts however many workers there are.
    bool StartInitialOne();
    void StartNext();
    // Bookkeeping after file i's final report; true while started workers are still out.
    bool WorkerFinished(int index);
    // Kills file i's worker when it runs; true when one was killed.
    bool HardStop(int index);
    // Reaps ended workers; returns the files whose worker ended while the file is not final.
    QList<int> CollectExited();

    QString CommandLine(int index) const;
    QString InputPath(int index) const;
    QString OutputPath(int index) const;
    const QStringList& RunParams() const { return m_runParams; }
    int RunCount() const { return m_runCount; }
    int LastStarted() const { return m_lastStarted; }
    int FinishedCount() const { return m_finishedCount; }
    int Running() const { return m_lastStarted + 1 - m_finishedCount; }
    bool StopAll() const { return m_stopAll; }
    void SetStopAll() { m_stopAll = true; }

private:
    QVector<TUFileRec> m_recs;
    QStringList m_runParams; // code in lower case, input folder, output folder, prefix, suffix
    int m_runCount = 0;
    int m_maxParallel = 0;
    int m_initialLeft = 0; // initial starts still due
    int m_lastStarted = -1;
    int m_finishedCount = 0;
    bool m_stopAll = false;
    TCConcurrency* m_concurrency = nullptr;
    StatusPoster m_poster;
    // Workers that reported their end but may not have exited yet; reaped later.
    QVector<CP_ProcInfo> m_ending;
};
