#pragma once
// TUJob_fek4: the parsed job of the recording date and time procedure.
//
// Grammar: records separated by ";", each RANGE:YYYY-MM-DD-hh-mm-ss,STEP. RANGE is A-B (trace
// numbers of at least 1, in either order) or "*" for every trace, allowed only in a job of one
// record; STEP is a count of seconds of at least 0 added from trace to trace, counted from A.
// Parse returns 0, 1 (format) or 2 (value) and never throws; a job object is parsed once.

#include "fek4/tucalendar.h"

#include <QString>
#include <cstdint>
#include <vector>

class TUJob_fek4 {
public:
    struct TUJobRec {
        int32_t lo = 1;   // first trace of the range
        int32_t hi = 1;   // last trace of the range, lo <= hi
        double start = 0; // days since 30 December 1899 of the first written trace
        int32_t step = 0; // seconds per trace; negative when the range was written B < A
    };

    int Parse(const QString& job);
    const std::vector<TUJobRec>& Records() const { return m_recs; }

    // 0 when the job fits a file of `traces` traces, else 210: a range whose first written
    // trace lies beyond the file, or a written trace whose time would leave the years 1 to 9999.
    int CheckFile(int traces) const;
    // The time of trace t (from 1); false when no range holds it. Ranges do not overlap, so
    // the first record holding t is the only one.
    bool TraceTime(int t, TUCivilTime& time) const;

private:
    void AddRecord(const QString& rec);
    int64_t SecondsOf(const TUJobRec& r, int t) const;

    std::vector<TUJobRec> m_recs;
    mutable size_t m_last = 0; // the record that held the previous trace: traces come in order
};
