#include "lum6/tujob_lum6.h"

#include "common/jobparse.h"
#include "lum6/tukeyedjob.h"

#include <climits>

namespace {

constexpr int64_t kMaxRecNo = 4294967295LL;

} // namespace

int TUJob_lum6::Parse(const QString& text) {
    return job::RunParse([&] {
        TUKeyedJob::Split(text, [this](int key, const QStringList& v) {
            TUJobRec r;
            r.key = key;
            r.hasRecNo = v[0] != "*";
            r.hasSx = v[1] != "*";
            r.hasSy = v[2] != "*";
            r.hasSelev = v[3] != "*";
            r.hasSdepth = v[4] != "*";
            if (r.hasRecNo)
                r.recNo = job::Integer(v[0], 1, kMaxRecNo);
            if (r.hasSx)
                r.sx = TUKeyedJob::Value(v[1]);
            if (r.hasSy)
                r.sy = TUKeyedJob::Value(v[2]);
            if (r.hasSelev)
                r.selev = TUKeyedJob::Value(v[3]);
            if (r.hasSdepth)
                r.sdepth = int32_t(job::Integer(v[4], 0, INT_MAX));
            if (!(r.hasRecNo || r.hasSx || r.hasSy || r.hasSelev || r.hasSdepth))
                throw prc::kValueError;
            m_recs.push_back(r);
        });
    });
}

int TUJob_lum6::Choose(unsigned index) const {
    std::vector<int> keys;
    for (const TUJobRec& r : m_recs)
        keys.push_back(r.key);
    return TUKeyedJob::Choose(keys, index);
}
