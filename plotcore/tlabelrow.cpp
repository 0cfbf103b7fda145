#include "plotcore/tlabelrow.h"

#include "plotcore/canvastext.h"

#include <algorithm>

void TLabelRow::DrawName(QPainter& p, int x, const QString& text) {
    T_TextOut(p, x, m_y, text);
    m_free = std::max(m_free, x + p.fontMetrics().horizontalAdvance(text) + Gap(p));
}

bool TLabelRow::DrawCentred(QPainter& p, int x, const QString& text) {
    const int width = p.fontMetrics().horizontalAdvance(text);
    const int left = x - width / 2;
    if (left < m_free || left + width > m_right)
        return false;
    T_TextOut(p, left, m_y, text);
    m_free = left + width + Gap(p);
    return true;
}
