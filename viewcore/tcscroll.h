#pragma once
// Scroll percentages that size scroll-bar steps and button moves: [0] horizontal and [1]
// vertical scroll-bar step, [2] horizontal and [3] vertical button move. Stored image: four
// signed 16-bit values, little-endian, 8 bytes.

#include <QPoint>
#include <QtGlobal>

class QIODevice;

class TCScroll {
public:
    static constexpr int kImageSize = 8;

    TCScroll() { SetDefaults(); }
    // 20, 20, 60, 60.
    void SetDefaults();

    // Percentage i (0 for an index outside 0..3).
    int GetInc(char i) const;
    // ([0], [1]).
    QPoint GetScBarInc() const { return QPoint(inc[0], inc[1]); }
    // Stores v only when 0 < v < 100 and i is 0..3.
    void SetInc(char i, int v);
    // Percentage i of size, rounded.
    int GetShift(int size, char i) const;

    bool Save(QIODevice* dev) const;
    // A short read leaves the object unchanged.
    bool Load(QIODevice* dev);

    qint16 inc[4];
};
