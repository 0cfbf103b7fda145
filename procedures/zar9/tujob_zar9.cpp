#include "zar9/tujob_zar9.h"

#include "common/jobparse.h"
#include "corebase/strings.h"
#include "procbase/resultcodes.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace {

constexpr int kSourceX = 21, kSourceY = 22, kGroupX = 23, kGroupY = 24;
constexpr int kLastWord = 86;

int Flag(const QString& text, int high) {
    return int(job::Integer(text, 0, high));
}

// Throws the value error unless `need` holds.
void Require(bool need) {
    if (!need)
        throw prc::kValueError;
}

} // namespace

int TUJob_zar9::Parse(const QString& text) {
    return job::RunParse([&] { ParseFields(text); });
}

void TUJob_zar9::ParseFields(const QString& text) {
    m_keepNumber = text.startsWith(QLatin1Char('+'));
    const QString body = m_keepNumber ? text.mid(1) : text;
    job::RequireCount(body, QLatin1Char(';'), 2);
    job::RequireCount(body, QLatin1Char(','), 4);
    // Exactly three records, the last of them possibly empty (a value error below): the split
    // keeps an empty piece after the last ";", which job::Records would drop.
    const QStringList parts = S_StrToStrArray(body, QLatin1Char(';'));
    const QStringList modes = S_StrToStrArray(parts[0], QLatin1Char(','));
    const QStringList words = S_StrToStrArray(parts[1], QLatin1Char(','));
    if (modes.size() != 4 || words.size() != 2)
        throw prc::kFormatError;

    const int d = Flag(modes[0], 1), e = Flag(modes[1], 1), f = Flag(modes[2], 1);
    const int g = Flag(modes[3], 3);
    const int k1 = Flag(words[0], kLastWord), k2 = Flag(words[1], kLastWord);
    const int r = Flag(parts[2], 1);
    Require(!(e == 0 && k1 == 0) && !(f == 0 && k2 == 0));

    // The gather side and the other side: coordinate flag, X and Y words, position word.
    const bool sources = d == 0;
    const int gatherCoords = sources ? e : f, otherCoords = sources ? f : e;
    const int gatherX = sources ? kSourceX : kGroupX, otherX = sources ? kGroupX : kSourceX;
    const int gatherWord = (sources ? k1 : k2) - 1, otherWord = (sources ? k2 : k1) - 1;

    m_key1 = gatherCoords ? gatherX : gatherWord;
    m_key2 = gatherCoords ? gatherX + 1 : 0;
    switch (g) {
    case 0:
        Require(otherCoords == 0);
        m_keyT = otherWord;
        break;
    case 1:
    case 2:
        Require(otherCoords == 1);
        m_keyT = otherX + (g - 1);
        break;
    default:
        Require(e == 1 && f == 1);
        m_keyT = kDistance;
        break;
    }
    // Word 1 cannot name files (name key 0 means numbering), nor can a missing word (-1).
    m_nameKey = r == 1 ? 0 : gatherWord;
    Require(r == 1 || m_nameKey > 0);
}

std::int64_t TUJob_zar9::Distance(std::int64_t sx, std::int64_t sy, std::int64_t gx,
                                  std::int64_t gy) {
    const double dx = double(sx - gx), dy = double(sy - gy);
    return std::int64_t(std::sqrt(dx * dx + dy * dy) + 0.5);
}

int TUJob_zar9::BuildPlan() {
    // The trace number as the last key makes the in-place sort stable without a second buffer.
    std::sort(m_table.begin(), m_table.end(), [](const TFImagRec& a, const TFImagRec& b) {
        if (a.key1 != b.key1)
            return a.key1 < b.key1;
        if (a.key2 != b.key2)
            return a.key2 < b.key2;
        if (a.keyT != b.keyT)
            return a.keyT < b.keyT;
        return a.trace < b.trace;
    });
    m_plan.clear();
    const int n = int(m_table.size());
    for (int i = 0; i < n;) {
        int j = i + 1;
        while (j < n && m_table[j].key1 == m_table[i].key1 && m_table[j].key2 == m_table[i].key2)
            ++j;
        const std::int32_t name = m_nameKey ? m_table[i].name : std::int32_t(m_plan.size() + 1);
        m_plan.push_back({name, i, j - i});
        i = j;
    }
    std::unordered_set<std::int32_t> names;
    names.reserve(m_plan.size());
    for (const TUPlanRec& p : m_plan)
        if (!names.insert(p.name).second)
            return prc::kDuplicateName;
    return 0;
}

bool TUJob_zar9::NextTrace(int k, int& trace) {
    if (k < 1 || k > int(m_plan.size()))
        return false;
    const TUPlanRec& p = m_plan[size_t(k - 1)];
    if (m_handed >= p.count)
        return false;
    trace = m_table[size_t(p.first + m_handed++)].trace;
    return true;
}
