#pragma once
// What the end-to-end benchmarks share: their command-line arguments, a synthetic file of a
// given size, the best-of-N timing of a run, and running a worker through the test owner of the
// channel. Each benchmark prints its figures beside a reference measured in the same run.

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QString>
#include <QStringList>

#include <functional>

// argv[index] as a whole positive number, or `fallback` when it is absent; exits with a usage
// message on anything else.
long BenchArgNumber(int argc, char** argv, int index, long fallback);
// argv[index] as a folder, or /tmp when it is absent.
QString BenchArgFolder(int argc, char** argv, int index);

// Sets synth.sources so that the file holds at least `mib` MiB (and at least `minSources`).
void SizeSynth(SynthSpec& synth, long mib, int minSources = 1);
// Writes the synthetic file; prints what failed and returns false when it cannot.
bool WriteBenchFile(const QString& path, const SynthSpec& synth);
// Size of a file in MB (10^6 bytes).
double FileMb(const QString& path);

// Seconds one run takes (after the page cache has written back what earlier runs left), or a
// negative number when the run reports failure.
double Seconds(const std::function<bool()>& run);
// Keeps the best (shortest) time of a figure over rounds; a failed round spoils the figure.
struct TBest {
    double seconds = 1e30;
    bool failed = false;
    void Add(double s);
    bool Ok() const { return !failed && seconds < 1e29; }
};

// Runs a program with its standard output discarded and waits; true when it exited with 0.
bool RunProgram(const QString& program, const QStringList& args);
// One worker run through the owner of the channel: true when it posted exactly one final
// status and that status says success.
bool RunWorker(TCWorkerHarness& owner, const QString& code, unsigned index, const QString& in,
               const QString& out);
