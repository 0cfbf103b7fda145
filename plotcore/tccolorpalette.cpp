#include "plotcore/tccolorpalette.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

inline QRgb Opaque(QRgb c) {
    return c | 0xFF000000u;
}

void PadToTwo(QVector<QRgb>& colors) {
    for (QRgb c : {qRgb(0, 0, 0), qRgb(255, 255, 255)})
        if (colors.size() < 2 && !colors.contains(c))
            colors.push_back(c);
}

} // namespace

TCColorPalette TCColorPalette::FromImage(const QImage& image, int maxColors) {
    QHash<QRgb, qint64> counts;
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        // Pictures are long runs of one colour, so counting runs saves most look-ups.
        int x = 0;
        while (x < src.width()) {
            const QRgb c = Opaque(row[x]);
            int end = x + 1;
            while (end < src.width() && Opaque(row[end]) == c)
                ++end;
            counts[c] += end - x;
            x = end;
        }
    }
    std::vector<std::pair<qint64, QRgb>> byCount;
    byCount.reserve(size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    TCColorPalette p;
    for (size_t i = 0; i < byCount.size() && int(i) < maxColors; ++i)
        p.m_colors.push_back(byCount[i].second);
    PadToTwo(p.m_colors);
    return p;
}

TCColorPalette TCColorPalette::BlackWhite() {
    TCColorPalette p;
    p.m_colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return p;
}

int TCColorPalette::IndexOf(QRgb color) {
    color = Opaque(color);
    if (m_lastIndex >= 0 && color == m_lastColor)
        return m_lastIndex;
    auto hit = m_cache.constFind(color);
    int best = 0;
    if (hit != m_cache.constEnd()) {
        best = hit.value();
    } else {
        int bestDist = INT_MAX;
        for (int i = 0; i < m_colors.size(); ++i) {
            const int dr = qRed(color) - qRed(m_colors[i]);
            const int dg = qGreen(color) - qGreen(m_colors[i]);
            const int db = qBlue(color) - qBlue(m_colors[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        m_cache.insert(color, best);
    }
    m_lastColor = color;
    m_lastIndex = best;
    return best;
}
