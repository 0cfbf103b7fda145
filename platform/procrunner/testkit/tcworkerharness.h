#pragma once
// Test owner of the message channel for end-to-end worker tests: publishes a job text, starts
// the real procrunner with the batch editor's command line, answers its stop queries and records
// every status it posts. Used by the tests of the framework and of every procedure.
//
//   TCWorkerHarness owner;                 // opens the channel (creates a QCoreApplication)
//   owner.SetJob("1:1-50;*:400-*");
//   TWorkerRun run = owner.Run("tva3", 0, in, out);
//   EXPECT_EQ(1, run.finals); EXPECT_EQ(0, run.result);

#include "msgchannel/tcmsgserver.h"

#include <QString>

#include <functional>
#include <vector>

struct TWorkerRun {
    int exitCode = -1;               // worker's exit status; -1 when it could not start
    std::vector<unsigned> statuses;  // status codes of the run's index, in arrival order
    int finals = 0;                  // how many of them were final (above 100)
    int result = -1;                 // the last final code minus 1000
    int stopQueries = 0;             // stop queries answered
    bool closedWithoutFinal = false; // the channel closed before a final status came
    // Percents 1..100 in the order they came (statuses between the start and the final).
    std::vector<unsigned> Percents() const;
};

class TCWorkerHarness {
public:
    TCWorkerHarness();
    ~TCWorkerHarness();

    bool IsOpen() const { return m_server.IsOpen(); }
    // Publishes the job text (replacing the previous one) / withdraws it.
    bool SetJob(const QString& job);
    void ClearJob();
    // Decides each stop query from the run so far; by default never stops.
    void SetStopWhen(std::function<bool(const TWorkerRun&)> stopWhen);
    // The worker program to start; by default the build's bin/procrunner.
    void SetWorker(const QString& path) { m_worker = path; }
    // The command line the batch editor builds: quoted worker path, code, index, quoted paths.
    QString CommandLine(const QString& code, unsigned index, const QString& input,
                        const QString& output) const;
    // Starts the worker with that command line and waits until it ended and its channel closed.
    TWorkerRun Run(const QString& code, unsigned index, const QString& input, const QString& output,
                   int timeoutMs = 120000);

private:
    TCMsgServer m_server;
    QString m_worker;
    int m_job = 0;
    unsigned m_index = 0;
    TWorkerRun* m_run = nullptr;
    bool m_closed = false;
    std::function<bool(const TWorkerRun&)> m_stopWhen;
};
