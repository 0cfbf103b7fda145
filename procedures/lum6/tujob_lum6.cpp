#include "lum6/tujob_lum6.h"

#include "common/jobparse.h"
#include "lum6/tukeyedjob.h"

namespace {

constexpr int64_t kMaxRecNo = 4294967295LL;

} // namespace

int TUJob_lum6::Parse(const QString& text) {
    return job::RunParse([&] {
        TUKeyedJob::Split(text, [this](int key, const QStringList& v) {
            TUJobRec r;
            r.key = key;
            if ((r.hasRecNo = v[0] != "*")) {
                r.recNo = job::Integer(v[0], 1, kMaxRecNo);
            }
            if ((r.hasSx = v[1] != "*"))
                r.sx = TUKeyedJob::Value(v[1]);
            if ((r.hasSy = v[2] != "*"))
                r.sy = TUKeyedJob::Value(v[2]);
            if ((r.hasSelev = v[3] != "*"))
                r.selev = TUKeyedJob::Value(v[3]);
            if ((r.hasSdepth = v[4] != "*")) {
                r.sdepth = TUKeyedJob::Value(v[4]);
                if (r.sdepth < 0)
                    throw prc::kValueError;
            }
            if (!(r.hasRecNo || r.hasSx || r.hasSy || r.hasSelev || r.hasSdepth))
                throw prc::kValueError;
            m_recs.push_back(r);
        });
    });
}

int TUJob_lum6::Choose(int n) const {
    std::vector<int> keys;
    for (const TUJobRec& r : m_recs)
        keys.push_back(r.key);
    return TUKeyedJob::Choose(keys, n);
}
