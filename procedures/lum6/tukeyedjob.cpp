#include "lum6/tukeyedjob.h"

#include "common/jobparse.h"
#include "corebase/strings.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace TUKeyedJob {

void Split(const QString& text, const std::function<void(int, const QStringList&)>& readValues) {
    const QStringList recs = job::Records(text);
    if (!text.contains(':') || !text.contains(','))
        throw prc::kFormatError;
    std::vector<int> keys;
    for (const QString& rec : recs) {
        job::RequireCount(rec, ':', 1);
        job::RequireCount(rec, ',', 4);
        const QStringList values = S_StrToStrArray(S_After(rec, ':'), ',');
        const QString keyText = S_Before(rec, ':');
        const int key = keyText == "*" ? 0 : Value(keyText);
        if (key < 0)
            throw prc::kValueError;
        if (!keys.empty() && (keys.front() == 0 || key == 0 ||
                              std::find(keys.begin(), keys.end(), key) != keys.end()))
            throw prc::kValueError;
        readValues(key, values);
        keys.push_back(key);
    }
}

int Value(const QString& text) {
    return int(job::Integer(text, INT_MIN, INT_MAX));
}

int Choose(const std::vector<int>& keys, unsigned index) {
    if (!keys.empty() && keys.front() == 0)
        return 0;
    // In 64 bits: index + 1 leaves the int range from index 2147483647 on.
    const int64_t n = int64_t(index) + 1;
    const auto it = std::find_if(keys.begin(), keys.end(), [n](int key) { return key == n; });
    return it == keys.end() ? -1 : int(it - keys.begin());
}

} // namespace TUKeyedJob
