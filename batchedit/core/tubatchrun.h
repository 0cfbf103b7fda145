#pragma once
// The batch run scheduler shared by the editor's window and the headless runner: the batch
// start with its checks, the workers' status and stop-query messages from the channel, soft and
// hard stop, the progress texts, and the actions on output files after a run.
//
// The scheduler lives in an event loop, which also starts the first workers one at a time, so
// the channel takes their connections while more are started. Worker reports arrive from the
// channel; its own reports
// (a worker that could not start, a hard stop) are posted to itself, so every file ends through
// the same status path. A worker that ends, or whose channel closes, without a final status is
// failed with TUFileList::NoFinalStatus, so no batch run waits for a dead worker.
//
// Operations that refuse return a batch-editor message number (its text through RefusalText()),
// 0 when they went ahead, -1 when the user declined a question.

#include "core/tuproclibrary.h"
#include "core/tuprocrec.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class TCConcurrency;
class TCMsgServer;
class TUAnswerer;
class TUFileList;
struct TMsgFrame;

class TUBatchRun : public QObject {
    Q_OBJECT
public:
    enum Mode { smPrepare = -1, smFinished = 0, smRunning = 1 };

    struct Request {
        TUProcRec proc;
        QStringList jobLines; // the job memo
        QString inputFolder;
        QString outputFolder;
        QString prefix;
        QString suffix;
        int workers = 1;
        bool remind = false; // ask message 52 before the run
    };

    // Own refusals: a worker count below 1, no output folder, a "|" in the input folder or a
    // file name where the published job separates them by "|", an output that would write over
    // an input of the list (the two input names in the text).
    static constexpr int MsgNoWorkers = 72;
    static constexpr int MsgNoOutputFolder = 73;
    static constexpr int MsgBarInName = 74;
    static constexpr int MsgOutputOverInput = 75;

    // `channel` must be open; the scheduler answers its stop queries from now on.
    TUBatchRun(TUFileList& files, TCConcurrency& concurrency, TCMsgServer& channel,
               TUAnswerer& answerer, QObject* parent = nullptr);
    ~TUBatchRun() override;

    int Start(const Request& request);
    // Why the message channel could not open: message 76 with each runtime folder tried and
    // why it was refused, or message 21 when a folder was found but the channel still failed.
    static QString ChannelProblemText();
    QString RefusalText() const { return m_refusal; }
    Mode GetMode() const { return m_mode; }
    // Back to preparation: every file idle, the count line hidden.
    void EnterPrepare();

    // Soft stop of the whole run (message 24 when `ask`); no new worker starts.
    int SoftStopAll(bool ask);
    // Soft stop of the given files of the running batch that have not finished; no question.
    void SoftStopFiles(const QList<int>& rows);
    // Hard stop of the given started files (message 25 when `ask`): killed, result 199.
    int HardStopFiles(const QList<int>& rows, bool ask);
    // Every started file that has not finished yet.
    QList<int> RunningFiles() const;

    int Successes() const { return m_successes; }
    int Failures() const { return m_failures; }
    // Message 27 while running, 47 with the elapsed time after the end; empty in preparation.
    QString CountText() const;
    // Message 12 for a list of `files` files and the selected procedure `code`.
    static QString TotalText(int files, const QString& code);
    const TUProcRec& Procedure() const { return m_proc; }
    // The normalised job of the last start and the text published for the workers.
    QString Job() const { return m_job; }
    QString PublishedJob() const { return m_published; }

    // The output files of file i: the single output, or for procedures with several outputs
    // per input those named like it with "#" and a part of their own before the extension.
    QStringList OutputFiles(int index) const;
    // Deletes the outputs of failed files after message 39; reports message 40.
    int DeleteFailedOutputs(int* deleted = nullptr);
    // Deletes every file of `folder` after message 44; reports 45 or 46.
    int ClearOutputFolder(const QString& folder);

    // The answer to a worker's stop query for file `index`.
    qint64 QueryStop(int index) const;

signals:
    void fileChanged(int index);
    void countChanged(const QString& text);
    void finished();

private:
    int Refuse(int id, const QStringList& args = {});
    void PostStatus(int index, int code);
    void OnStatus(int index, int code);
    void OnPosted(const TMsgFrame& frame);
    void OnClientClosed(int index, bool finalSeen);
    void OnPoll();
    void OnStartStep();
    void EndBatch();

    TUFileList& m_files;
    TCConcurrency& m_concurrency;
    TCMsgServer& m_channel;
    TUAnswerer& m_answerer;
    TUProcLibrary m_library;
    TUProcRec m_proc;
    Mode m_mode = smPrepare;
    int m_successes = 0;
    int m_failures = 0;
    QElapsedTimer m_clock;
    double m_elapsed = 0;
    int m_jobHandle = 0;
    QString m_job;
    QString m_published;
    QString m_refusal;
    QTimer m_poll;
    QTimer m_starter; // the initial starts, one per turn of the event loop
    // Files whose worker ended without a final status, and when the grace for its last
    // frames runs out.
    QHash<int, qint64> m_exited;
};
