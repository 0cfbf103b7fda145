#pragma once
// One row of axis labels, placed left to right. A label that would touch the label placed
// before it, or cross an end of the row, is left out: with narrow trace slots and long trace
// numbers, labels every few slots would otherwise run together into an unreadable smear, and
// the last one would be cut at the edge of the picture.

#include <QPainter>
#include <QString>

class TLabelRow {
public:
    // A row whose text cells start at y and may take the columns 0 <= x < right.
    TLabelRow(int y, int right) : m_y(y), m_right(right) {}

    // Draws `text` with its cell's left edge at x, whatever room there is (the row's name);
    // the labels that follow keep clear of it.
    void DrawName(QPainter& p, int x, const QString& text);
    // Draws `text` centred on x when it fits between the text before it and the row's end,
    // keeping the width of a digit clear of the text before; returns whether it was drawn.
    bool DrawCentred(QPainter& p, int x, const QString& text);

private:
    // Room kept between neighbours, so that two numbers never read as one.
    static int Gap(const QPainter& p) {
        return p.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    }

    int m_y;
    int m_right;
    int m_free = 0; // the first column the next label may take
};
