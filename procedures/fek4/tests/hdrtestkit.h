#pragma once
// Helpers of the header-editing procedures' tests (fek4, lum6, lum8): the check entry loaded the
// way the batch editor loads it, synthetic input files, and the comparison of an output with its
// input that allows only named trace header words to differ.

#include "segygen/segygen.h"

#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace hdrtest {

// Loads "<bin>/ProcLib/<code>" with QLibrary, calls "_CheckJob_<code>" with the UTF-16 job and
// unloads it; -1 when the library or the entry is missing.
int CheckJob(const char* code, const QString& job);

// Writes a synthetic file `name` into `dir` and returns its path (empty on failure).
QString WriteFixture(const QString& dir, const QString& name, const SynthSpec& synth);

// Sets trace header word `index` of every trace of the file to `value`; false on failure. Lets a
// fixture start from a value the procedure under test is known to change.
bool SetTraceWords(const QString& path, int index, int64_t value);

// Success when both files have the same size and every byte is equal except the bytes of the
// trace header words `words` (field indexes) of the traces.
::testing::AssertionResult OnlyWordsDiffer(const QString& input, const QString& output,
                                           const std::set<int>& words);

// Word `index` of every trace of a file, in trace order; empty when the file cannot be opened.
std::vector<int64_t> TraceWords(const QString& path, int index);

} // namespace hdrtest
