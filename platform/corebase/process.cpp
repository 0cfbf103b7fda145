#include "corebase/process.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <vector>

QStringList CP_SplitCommandLine(const QString& commandLine) {
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool haveArg = false;
    for (QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            haveArg = true;
        } else if (c == QLatin1Char(' ') && !inQuotes) {
            if (haveArg)
                args.append(current);
            current.clear();
            haveArg = false;
        } else {
            current.append(c);
            haveArg = true;
        }
    }
    if (haveArg)
        args.append(current);
    return args;
}

namespace {

// The set holding only the `processor`-th processor this process may run on, so the numbering
// stays 0 .. CP_ProcessorCount() - 1 when the process is confined to some of the machine's.
bool processorSet(int processor, cpu_set_t& one) {
    cpu_set_t allowed;
    if (processor < 0 || sched_getaffinity(0, sizeof(allowed), &allowed) != 0)
        return false;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &allowed) && processor-- == 0) {
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            return true;
        }
    return false;
}

} // namespace

bool CP_CreateProc(const QString& commandLine, CP_ProcInfo& info, int processor) {
    const QStringList args = CP_SplitCommandLine(commandLine);
    if (args.isEmpty())
        return false;
    cpu_set_t one;
    if (processor >= 0 && !processorSet(processor, one))
        return false;
    std::vector<QByteArray> bytes;
    for (const QString& a : args)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    // The child reports a failed binding or exec through this pipe; a successful exec closes
    // it, so the parent reads end-of-file and knows the program runs.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec. A group of its own keeps a
        // Ctrl+C typed at the starter's terminal from killing the process behind the
        // starter's back: the starter decides how its workers stop.
        setpgid(0, 0);
        if (processor < 0 || sched_setaffinity(0, sizeof(one), &one) == 0)
            execv(argv[0], argv.data());
        const int error = errno;
        const ssize_t written = write(report[1], &error, sizeof(error));
        _exit(written == sizeof(error) ? 127 : 126);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do
        got = read(report[0], &error, sizeof(error));
    while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got != 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return false;
    }
    info.pid = pid;
    return true;
}

bool CP_Terminate(const CP_ProcInfo& info) {
    return info.pid > 0 && kill(info.pid, SIGKILL) == 0;
}

bool CP_HasExited(CP_ProcInfo& info, int* exitCode) {
    if (info.pid <= 0)
        return true;
    int status = 0;
    const pid_t r = waitpid(info.pid, &status, WNOHANG);
    if (r == 0)
        return false;
    if (exitCode)
        *exitCode = r < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    info.pid = 0;
    return true;
}

int CP_ProcessorCount() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        return CPU_COUNT(&set);
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? int(n) : 1;
}

namespace {

std::atomic<int> g_interrupts{0};

extern "C" void countInterrupt(int) {
    g_interrupts.fetch_add(1);
}

} // namespace

void CP_CatchInterrupts() {
    struct sigaction action = {};
    action.sa_handler = countInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int CP_InterruptCount() {
    return g_interrupts.load();
}
