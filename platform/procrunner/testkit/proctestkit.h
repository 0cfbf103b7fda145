#pragma once
// Helpers of the procedures' tests: the check entry loaded the way the batch editor loads it,
// synthetic input files, worker runs and what a run must have reported, and comparisons of an
// output with its input. The tests of every procedure (and of procbase) use them.

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace proctest {

// The test's private folder ($GRAVIK_HOME, set by the test runner).
std::string Home();
// Every byte of a file; empty when it cannot be read.
std::string Bytes(const std::string& path);

// Loads "<bin>/ProcLib/<code>" with QLibrary, calls "_CheckJob_<code>" with the UTF-16 job and
// unloads it; -1 when the library or the entry is missing.
int CheckJob(const char* code, const QString& job);

// A file of one shot record of `traces` traces.
SynthSpec OneRecord(int traces, int samples, TCFileFmt order, int format);
// Writes a synthetic file `name` into `dir` and returns its path (empty on failure).
QString WriteFixture(const QString& dir, const QString& name, const SynthSpec& synth);

// Publishes `job` and runs procedure `code` as file `index` from `input` into `output`, which is
// removed first so that nothing of an earlier run is taken for this one's output.
TWorkerRun RunJob(TCWorkerHarness& owner, const char* code, const QString& job, unsigned index,
                  const QString& input, const QString& output);
// Success when the run succeeded as a worker must report it: status 0 first, percents rising
// to 100, exactly one final status 1000, exit status 0.
::testing::AssertionResult CleanRun(const TWorkerRun& run);
// Success when the run ended with exactly one final status 1000 + `result` (0 or a failure code)
// and the matching exit status, the channel closing after it.
::testing::AssertionResult EndedWith(const TWorkerRun& run, int result);

// Sets trace header word `index` of every trace of the file to `value`; false on failure. Lets a
// fixture start from a value the procedure under test is known to change.
bool SetTraceWords(const QString& path, int index, int64_t value);

// Success when both files have the same size and every byte is equal except the bytes of the
// trace header words `words` (field indexes) of the traces.
::testing::AssertionResult OnlyWordsDiffer(const QString& input, const QString& output,
                                           const std::set<int>& words);

// Word `index` of every trace of a file, in trace order; empty when the file cannot be opened.
std::vector<int64_t> TraceWords(const QString& path, int index);

} // namespace proctest
