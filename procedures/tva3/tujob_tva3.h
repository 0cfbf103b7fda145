#pragma once
// TUJob_tva3: the zones of trace muting. Records N:A-B in ascending N: at control trace N the
// samples A..B (from 1, inclusive) are zeroed; between control traces the window is interpolated
// linearly, rounded half up. "*" as N is the last trace (kept as 2147483647 until Fit), as B the
// end of the trace (65535).

#include <QString>

#include <cstdint>
#include <vector>

struct TUJobRec {
    std::int32_t trace;
    std::uint16_t first;
    std::uint16_t last;
};

class TUJob_tva3 {
public:
    // 0, or 1 (format) / 2 (value) as the job conventions say.
    int Parse(const QString& text);
    // Fits the job to a file of `traces` traces of `samples` samples: "*" becomes the last
    // trace, records starting beyond the trace are dropped, ends are clamped. Throws 210 when the
    // first control trace lies beyond the file or no record is left.
    void Fit(int traces, int samples);
    // Window of trace t (traces arrive in ascending order); false when t lies outside the span
    // of the control traces.
    bool Window(int t, std::uint16_t& first, std::uint16_t& last);
    const std::vector<TUJobRec>& Records() const { return m_records; }

private:
    void ParseRecords(const QString& text);

    std::vector<TUJobRec> m_records;
    std::int32_t m_cursor = 0;
};
