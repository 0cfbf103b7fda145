#include "traceview/kvdragrules.h"

#include "plotcore/tcsviewopts.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kDragStep = 20;

bool Shift(qint16& value, int by, int lo, int hi) {
    const int v = std::clamp(int(value) + by, lo, hi);
    if (v == value)
        return false;
    value = qint16(v);
    return true;
}

} // namespace

int KV_DragCode(bool ctrl, bool shift, bool alt) {
    if (int(ctrl) + int(shift) + int(alt) > 1)
        return -1;
    return ctrl ? kDragCtrl : shift ? kDragShift : alt ? kDragAlt : kDragNone;
}

bool KV_PanVertex(const QPoint& current, const QPoint& pressPx, const QPoint& releasePx,
                  const QPoint& pressed, const QPoint& released, int tScale, int traces,
                  int samples, QPoint* vertex) {
    if (std::abs(releasePx.x() - pressPx.x()) < tScale)
        return false;
    const qint64 t = qint64(current.x()) + pressed.x() - released.x();
    const qint64 s = qint64(current.y()) + pressed.y() - released.y();
    *vertex = QPoint(int(std::clamp<qint64>(t, 1, std::max(1, traces))),
                     int(std::clamp<qint64>(s, 1, std::max(1, samples))));
    return true;
}

bool KV_ScaleDrag(int code, const QPoint& moved, TCSViewOpts& opts) {
    const int sx = moved.x() / kDragStep, sy = moved.y() / kDragStep;
    if (sx == 0 && sy == 0)
        return false;
    const bool vertical = std::abs(sy) > std::abs(sx);
    if (code == kDragCtrl)
        return vertical ? Shift(opts.sScale, sy, 1, 15) : Shift(opts.tScale, sx, 3, 30);
    if (code == kDragShift)
        return vertical ? Shift(opts.sStep, sy, 1, 10) : Shift(opts.tStep, sx, 1, 20);
    return false;
}
