#include "corebase/process.h"

#include <QByteArray>

#include <cerrno>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <vector>

extern char** environ;

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

bool CP_CreateProc(const QString& commandLine, CP_ProcInfo& info) {
    const QStringList args = CP_SplitCommandLine(commandLine);
    if (args.isEmpty())
        return false;
    std::vector<QByteArray> bytes;
    for (const QString& a : args)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    // posix_spawn reports a missing program through the child's exit on some C libraries;
    // checking first gives the caller a plain false.
    if (access(argv[0], X_OK) != 0)
        return false;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    info.pid = pid;
    return true;
}

bool CP_SetAffinity(const CP_ProcInfo& info, int processor) {
    if (info.pid <= 0 || processor < 0 || processor >= CPU_SETSIZE)
        return false;
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(processor, &set);
    return sched_setaffinity(info.pid, sizeof(set), &set) == 0;
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
