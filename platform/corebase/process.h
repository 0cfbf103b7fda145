#pragma once
// Process helpers of the CP_ family: start, bind to a processor, kill, reap.

#include <QString>
#include <QStringList>

#include <sys/types.h>

struct CP_ProcInfo {
    pid_t pid = 0;
};

// Splits a command line into arguments: blanks separate, double quotes group (and are
// removed), as the command lines built with S_Quote expect.
QStringList CP_SplitCommandLine(const QString& commandLine);
// Starts the command line; the program is its first argument. With `processor` >= 0 the new
// process is bound to that logical processor before its program runs, so it never runs
// unbound. The process leads a process group of its own, so signals sent to the starter's
// group (a Ctrl+C at its terminal) do not reach it. False when it cannot start (missing or not
// executable program, a processor outside 0 .. CP_ProcessorCount() - 1 or one the system
// refuses to bind to): a process is started bound as asked or not at all. Logical processors
// are numbered 0 .. CP_ProcessorCount() - 1 over the processors this process may run on.
bool CP_CreateProc(const QString& commandLine, CP_ProcInfo& info, int processor = -1);
// Kills the process at once (SIGKILL).
bool CP_Terminate(const CP_ProcInfo& info);
// True once the process has ended; reaps it, so no zombie stays behind. `exitCode` gets its
// exit status, or 128 + signal when a signal ended it.
bool CP_HasExited(CP_ProcInfo& info, int* exitCode = nullptr);
// Number of logical processors this process may run on.
int CP_ProcessorCount();
// Counts Ctrl+C (SIGINT) and SIGTERM from now on instead of ending the process; a program polls
// CP_InterruptCount to act on them.
void CP_CatchInterrupts();
// Number of interrupts caught since CP_CatchInterrupts.
int CP_InterruptCount();
