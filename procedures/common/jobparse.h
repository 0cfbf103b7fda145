#pragma once
// The job text conventions every procedure's parser follows.
//
// A job is split into records at ";"; within a record fields are separated by ":", "-" and ",",
// and each separator is counted (RequireCount) before the record is split. "*" in place of a
// number means all traces or up to the end: kAllTraces as a trace number, kEndOfTrace as a
// 16-bit sample number. Numbers are strict decimal integers: an optional sign and decimal digits,
// nothing else ("12 " or "+" or "" is no number). Parsers throw an int on error, prc::kFormatError
// (1) for a separator missing, doubled or misplaced or a wrong number of parts, prc::kValueError
// (2) for a bad number or a value out of range; RunParse turns what a parse throws into its code.

#include "procbase/resultcodes.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace job {

constexpr int kAllTraces = 2147483647;
constexpr std::uint16_t kEndOfTrace = 65535;

// The records of a job; an empty job has none and throws prc::kFormatError. One ";" at the end
// closes the last record instead of starting an empty one.
QStringList Records(const QString& text);
// Throws prc::kFormatError unless `text` holds exactly `count` of `separator`.
void RequireCount(const QString& text, QChar separator, int count);
// A strict decimal integer within [low, high]; throws prc::kValueError otherwise.
std::int64_t Integer(const QString& text, std::int64_t low, std::int64_t high);
// An int; "*" gives kAllTraces.
int TraceNumber(const QString& text);
// A 16-bit unsigned sample number; "*" gives kEndOfTrace.
std::uint16_t SampleNumber(const QString& text);

// Runs `parse` and returns 0, the int it threw, or prc::kValueError for any other exception.
template <class Fn> int RunParse(Fn&& parse) noexcept {
    try {
        parse();
        return prc::kAccepted;
    } catch (int code) {
        return code;
    } catch (...) {
        return prc::kValueError;
    }
}

} // namespace job
