#include "tva3/tujob_tva3.h"

#include "common/jobparse.h"
#include "corebase/strings.h"

#include <algorithm>

int TUJob_tva3::Parse(const QString& text) {
    return job::RunParse([&] { ParseRecords(text); });
}

void TUJob_tva3::ParseRecords(const QString& text) {
    const QStringList records = job::Records(text);
    for (const QString& r : records) {
        job::RequireCount(r, QLatin1Char('-'), 1);
        job::RequireCount(r, QLatin1Char(':'), 1);
        const QString zone = S_After(r, QLatin1Char(':'));
        TUJobRec rec;
        rec.trace = job::TraceNumber(S_Before(r, QLatin1Char(':')));
        rec.first = job::SampleNumber(S_Before(zone, QLatin1Char('-')));
        rec.last = job::SampleNumber(S_After(zone, QLatin1Char('-')));
        if (rec.trace < 1 || rec.first < 1 || rec.first >= rec.last)
            throw prc::kValueError;
        if (!m_records.empty() && rec.trace <= m_records.back().trace)
            throw prc::kValueError;
        m_records.push_back(rec);
    }
}

void TUJob_tva3::Fit(int traces, int samples) {
    if (m_records.empty())
        throw prc::kJobDoesNotFit;
    // "*" first: a job of the single record "*:A-B" means the last trace and fits every file.
    if (m_records.back().trace == job::kAllTraces)
        m_records.back().trace = traces;
    if (m_records.front().trace > traces)
        throw prc::kJobDoesNotFit;
    m_records.erase(std::remove_if(m_records.begin(), m_records.end(),
                                   [&](const TUJobRec& r) { return r.first > samples; }),
                    m_records.end());
    if (m_records.empty())
        throw prc::kJobDoesNotFit;
    for (TUJobRec& r : m_records)
        r.last = static_cast<std::uint16_t>(std::min<int>(r.last, samples));
    m_cursor = 0;
}

bool TUJob_tva3::Window(int t, std::uint16_t& first, std::uint16_t& last) {
    const auto n = static_cast<std::int32_t>(m_records.size());
    if (n == 0 || m_records.front().trace > t || m_records.back().trace < t)
        return false;
    if (m_records.front().trace == t)
        m_cursor = 0;
    if (m_records.back().trace == t) {
        first = m_records.back().first;
        last = m_records.back().last;
        return true;
    }
    // Traces come one by one, so this moves at most one interval; the loop also keeps a skipped
    // trace number on its own interval.
    while (m_records[m_cursor + 1].trace < t)
        ++m_cursor;
    const TUJobRec& a = m_records[m_cursor];
    const TUJobRec& b = m_records[m_cursor + 1];
    const double span = double(b.trace) - double(a.trace);
    const double dt = double(t) - double(a.trace);
    first = static_cast<std::uint16_t>(a.first + 0.5 + dt * ((double(b.first) - a.first) / span));
    last = static_cast<std::uint16_t>(a.last + 0.5 + dt * ((double(b.last) - a.last) / span));
    return true;
}
