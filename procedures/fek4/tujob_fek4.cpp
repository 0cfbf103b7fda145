#include "fek4/tujob_fek4.h"

#include "common/jobparse.h"
#include "corebase/strings.h"

#include <algorithm>
#include <climits>

namespace {

int ReadInt(const QString& text) {
    return int(job::Integer(text, INT_MIN, INT_MAX));
}

} // namespace

int TUJob_fek4::Parse(const QString& text) {
    return job::RunParse([&] {
        const QStringList recs = job::Records(text);
        if (!text.contains(':') || !text.contains(',') || !text.contains('-'))
            throw prc::kFormatError;
        if (recs.size() > 1 && text.contains('*'))
            throw prc::kFormatError;
        for (const QString& rec : recs)
            AddRecord(rec);
    });
}

void TUJob_fek4::AddRecord(const QString& rec) {
    job::RequireCount(rec, ':', 1);
    const QString range = S_Before(rec, ':');
    const QString time = S_After(rec, ':');

    TUJobRec r;
    bool ascending = true;
    if (range == "*") {
        r.lo = 1;
        r.hi = INT_MAX;
    } else {
        job::RequireCount(range, '-', 1);
        const int a = ReadInt(S_Before(range, '-'));
        const int b = ReadInt(S_After(range, '-'));
        if (a < 1 || b < 1)
            throw prc::kValueError;
        r.lo = std::min(a, b);
        r.hi = std::max(a, b);
        ascending = b >= a;
        for (const TUJobRec& e : m_recs)
            if (!(r.lo > e.hi || e.lo > r.hi))
                throw prc::kValueError;
    }

    job::RequireCount(time, ',', 1);
    const int step = ReadInt(S_After(time, ','));
    if (step < 0)
        throw prc::kValueError;
    r.step = ascending ? step : -step;

    const QString date = S_Before(time, ',');
    job::RequireCount(date, '-', 5);
    const QStringList f = S_StrToStrArray(date, '-');
    if (f[0].size() != 4)
        throw prc::kFormatError;
    TUCivilTime t;
    t.year = ReadInt(f[0]);
    t.month = ReadInt(f[1]);
    t.day = ReadInt(f[2]);
    t.hour = ReadInt(f[3]);
    t.minute = ReadInt(f[4]);
    t.second = ReadInt(f[5]);
    if (!TUCalendar::IsValid(t))
        throw prc::kValueError;
    r.start = TUCalendar::SecondsToDays(TUCalendar::ToSeconds(t));
    m_recs.push_back(r);
}

int64_t TUJob_fek4::SecondsOf(const TUJobRec& r, int t) const {
    const int64_t d = r.step >= 0 ? int64_t(t) - r.lo : int64_t(r.hi) - t;
    // A 64-bit product: step and trace distance may each be near 2^31.
    return TUCalendar::DaysToSeconds(r.start) + int64_t(r.step) * d;
}

int TUJob_fek4::CheckFile(int traces) const {
    for (const TUJobRec& r : m_recs) {
        const int first = r.step >= 0 ? r.lo : r.hi;
        if (first > traces)
            return prc::kJobDoesNotFit;
        // Times are monotonic in the trace number, so the two ends of the written part bound
        // every written time.
        const int last = std::min(r.hi, traces);
        for (const int t : {int(r.lo), last}) {
            const int64_t s = SecondsOf(r, t);
            if (s < TUCalendar::FirstSecond() || s > TUCalendar::LastSecond())
                return prc::kJobDoesNotFit;
        }
    }
    return 0;
}

bool TUJob_fek4::TraceTime(int t, TUCivilTime& time) const {
    const auto holds = [t](const TUJobRec& r) { return r.lo <= t && t <= r.hi; };
    if (m_last >= m_recs.size() || !holds(m_recs[m_last])) {
        const auto it = std::find_if(m_recs.begin(), m_recs.end(), holds);
        if (it == m_recs.end())
            return false;
        m_last = size_t(it - m_recs.begin());
    }
    time = TUCalendar::FromSeconds(SecondsOf(m_recs[m_last], t));
    return true;
}
