#include "procrunner/testkit/tcworkerharness.h"

#include "corebase/process.h"
#include "corebase/strings.h"
#include "msgchannel/namedstore.h"
#include "msgchannel/workermsg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "workerharness";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

} // namespace

std::vector<unsigned> TWorkerRun::Percents() const {
    std::vector<unsigned> p;
    for (unsigned s : statuses)
        if (s >= 1 && s <= SPV_STATUS_LAST_PERCENT)
            p.push_back(s);
    return p;
}

TCWorkerHarness::TCWorkerHarness() : m_worker(QStringLiteral(GRAVIK_BIN_DIR "/procrunner")) {
    EnsureApplication();
    m_server.Open();
    QObject::connect(&m_server, &TCMsgServer::posted, [this](const TMsgFrame& f) {
        if (!m_run || f.msg != SPV_MSG_STATUS || (f.wParam >> 16) != m_index)
            return;
        const unsigned code = f.wParam & 0xFFFF;
        m_run->statuses.push_back(code);
        if (code > SPV_STATUS_LAST_PERCENT) {
            ++m_run->finals;
            m_run->result = static_cast<int>(code) - static_cast<int>(SPV_STATUS_FINAL_BASE);
        }
    });
    QObject::connect(&m_server, &TCMsgServer::clientClosed, [this](int index, bool finalSeen) {
        if (!m_run || index != static_cast<int>(m_index))
            return;
        m_closed = true;
        m_run->closedWithoutFinal = !finalSeen;
    });
    m_server.SetSendHandler(SPV_MSG_QUERYSTOP, [this](const TMsgFrame& f) -> std::int64_t {
        if (!m_run || f.lParam != static_cast<std::int64_t>(m_index))
            return 0;
        ++m_run->stopQueries;
        return m_stopWhen && m_stopWhen(*m_run) ? 1 : 0;
    });
}

TCWorkerHarness::~TCWorkerHarness() {
    ClearJob();
}

bool TCWorkerHarness::SetJob(const QString& job) {
    ClearJob();
    m_job = M_CreateSharedText(QString::fromLatin1(SPV_JOB_TEXT_NAME), job);
    return m_job != 0;
}

void TCWorkerHarness::ClearJob() {
    M_CloseSharedText(m_job);
    m_job = 0;
}

void TCWorkerHarness::SetStopWhen(std::function<bool(const TWorkerRun&)> stopWhen) {
    m_stopWhen = std::move(stopWhen);
}

QString TCWorkerHarness::CommandLine(const QString& code, unsigned index, const QString& input,
                                     const QString& output) const {
    return S_Quote(m_worker) + " " + code + " " + QString::number(index) + " " + S_Quote(input) +
           " " + S_Quote(output);
}

TWorkerRun TCWorkerHarness::Run(const QString& code, unsigned index, const QString& input,
                                const QString& output, int timeoutMs) {
    TWorkerRun run;
    m_run = &run;
    m_index = index;
    m_closed = false;
    CP_ProcInfo proc;
    if (!CP_CreateProc(CommandLine(code, index, input, output), proc)) {
        m_run = nullptr;
        return run;
    }
    QElapsedTimer timer;
    timer.start();
    int exitCode = -1;
    bool exited = false;
    qint64 exitedAt = 0;
    // After the exit, the close of the channel may still be on its way.
    while (timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!exited && CP_HasExited(proc, &exitCode)) {
            exited = true;
            exitedAt = timer.elapsed();
        }
        if (exited && (m_closed || timer.elapsed() - exitedAt > 2000))
            break;
        if (!exited)
            QThread::usleep(500);
    }
    if (!exited) {
        CP_Terminate(proc);
        CP_HasExited(proc, &exitCode);
    }
    QCoreApplication::processEvents();
    run.exitCode = exitCode;
    m_run = nullptr;
    return run;
}
