#pragma once
// The job skeleton shared by lum6 and lum8: records "F:V1,V2,V3,V4,V5" separated by ";", with
// exactly one ":" and four "," each. F is the number of the input file the record applies to
// (from 1) or "*" / 0 for every file; a key-0 record must be the job's only record and keys are
// unique. Each procedure reads the five value texts itself ("*" leaves a header word alone).

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace TUKeyedJob {

// Splits `text` into records, checks the separators and the key rules and calls `readValues`
// with each record's key and its five value texts, in job order. Throws prc::kFormatError or
// prc::kValueError, as `readValues` may.
void Split(const QString& text, const std::function<void(int key, const QStringList&)>& readValues);

// A value of a record: a strict decimal integer of 32 bits.
int Value(const QString& text);

// The index of the record for the file of run index `index`, file number index + 1: the key-0
// record when the job has one, otherwise the record with that key; -1 when there is none.
int Choose(const std::vector<int>& keys, unsigned index);

} // namespace TUKeyedJob
