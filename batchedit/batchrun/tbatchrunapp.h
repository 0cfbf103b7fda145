#pragma once
// The headless batch runner: runs one procedure of the catalogue over the files of a folder
// with the batch core the editor uses, prints each file's progress, a final table and the
// count line, and tells the result by its exit code (0 all succeeded, 1 some failed or were
// not run, 2 the start was refused).

#include "core/tcconcurrency.h"
#include "core/tuanswerer.h"
#include "core/tubatchrun.h"
#include "core/tuerrorlist.h"
#include "core/tufilelist.h"
#include "core/tuproclist.h"
#include "msgchannel/tcmsgserver.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QVector>

#include <memory>

class TBatchRunApp : public QObject, private TUAnswerer {
    Q_OBJECT
public:
    TBatchRunApp();
    // Parses the arguments (without the program name) and starts the run; returns -1 when
    // the run goes on in the event loop, otherwise the exit code.
    int Start(const QStringList& args);

signals:
    void done(int exitCode);

private:
    struct Options {
        QString code, job, jobFile, input, mask = QStringLiteral("*.sgy"), output, prefix, suffix;
        bool haveJob = false;
        bool haveJobFile = false;
        int workers = 0;
    };

    bool Ask(int id, const QString& text) override;
    void Tell(int id, const QString& text) override;
    int Parse(const QStringList& args, Options& options);
    // --help, --version, --list and --describe: -1 when `args` asks none of them, otherwise
    // the exit code after the answer.
    int Inform(const QStringList& args);
    int List();
    int Describe(const QString& code);
    // The failure text of a finished file; an input that could not be opened gets the
    // reader's reason.
    QString FailureText(int index);
    int Refuse(const QString& text);
    void OnFileChanged(int index);
    void OnFinished();
    void OnInterruptPoll();

    QTextStream m_out;
    QTextStream m_err;
    TUProcList m_procs;
    TUFileList m_files;
    TUErrorList m_errors;
    TCConcurrency m_concurrency;
    TCMsgServer m_channel;
    std::unique_ptr<TUBatchRun> m_run;
    QVector<int> m_shown; // last progress step printed per file, -1 none
    QHash<int, QString> m_failureTexts;
    QTimer m_interrupts;
    int m_interruptsSeen = 0;
};
