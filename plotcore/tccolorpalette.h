#pragma once
// A palette for writing a picture with indexed colours, and the mapping of pixels onto it.

#include <QHash>
#include <QImage>
#include <QVector>

class TCColorPalette {
public:
    // The image's own colours when there are at most maxColors of them, else its maxColors
    // most frequent colours. Always at least 2 entries (padded with black and white).
    static TCColorPalette FromImage(const QImage& image, int maxColors);
    static TCColorPalette BlackWhite();

    const QVector<QRgb>& Colors() const { return m_colors; }
    int Size() const { return int(m_colors.size()); }
    // Index of the nearest palette colour (squared RGB distance); exact colours map to
    // themselves. Remembers answers, so call it from one thread.
    int IndexOf(QRgb color);

private:
    QVector<QRgb> m_colors;
    QHash<QRgb, int> m_cache;
    QRgb m_lastColor = 0;
    int m_lastIndex = -1;
};
