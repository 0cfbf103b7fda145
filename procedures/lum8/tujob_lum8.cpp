#include "lum8/tujob_lum8.h"

#include "common/jobparse.h"
#include "lum6/tukeyedjob.h"

#include <climits>

int TUJob_lum8::Parse(const QString& text) {
    return job::RunParse([&] {
        TUKeyedJob::Split(text, [this](int key, const QStringList& v) {
            TUJobRec r;
            r.key = key;
            const bool x0 = v[0] != "*", dx = v[1] != "*";
            const bool y0 = v[2] != "*", dy = v[3] != "*";
            // A step without its start is read, so a malformed one still fails, and then dropped:
            // a record without the X or Y flag keeps that step at 0 and its range check passes.
            const int stepX = dx ? TUKeyedJob::Value(v[1]) : 0;
            const int stepY = dy ? TUKeyedJob::Value(v[3]) : 0;
            if (x0) {
                if (!dx)
                    throw prc::kValueError;
                r.x0 = TUKeyedJob::Value(v[0]);
                r.dx = stepX;
                r.hasX = true;
            }
            if (y0) {
                if (!dy)
                    throw prc::kValueError;
                r.y0 = TUKeyedJob::Value(v[2]);
                r.dy = stepY;
                r.hasY = true;
            }
            r.hasElev = v[4] != "*";
            if (r.hasElev)
                r.elev = TUKeyedJob::Value(v[4]);
            if (!(r.hasX || r.hasY || r.hasElev))
                throw prc::kValueError;
            m_recs.push_back(r);
        });
    });
}

int TUJob_lum8::Choose(unsigned index) const {
    std::vector<int> keys;
    for (const TUJobRec& r : m_recs)
        keys.push_back(r.key);
    return TUKeyedJob::Choose(keys, index);
}

int TUJob_lum8::Start(int rec, int traces) {
    const TUJobRec& r = m_recs[size_t(rec)];
    const auto inRange = [](int64_t v, int64_t hi) { return v >= INT_MIN && v <= hi; };
    const int64_t startX = int64_t(r.x0) - r.dx;
    const int64_t startY = int64_t(r.y0) - r.dy;
    if (!inRange(startX, INT_MAX) || !inRange(startY, INT_MAX))
        return prc::kJobDoesNotFit;
    // The last trace's value may not reach INT_MAX.
    const int64_t lastX = r.x0 + int64_t(traces - 1) * r.dx;
    const int64_t lastY = r.y0 + int64_t(traces - 1) * r.dy;
    if (!inRange(lastX, INT_MAX - 1) || !inRange(lastY, INT_MAX - 1))
        return prc::kJobDoesNotFit;
    m_curX = int32_t(startX);
    m_curY = int32_t(startY);
    return 0;
}

int32_t TUJob_lum8::NextX(int rec) {
    m_curX += m_recs[size_t(rec)].dx;
    return m_curX;
}

int32_t TUJob_lum8::NextY(int rec) {
    m_curY += m_recs[size_t(rec)].dy;
    return m_curY;
}
