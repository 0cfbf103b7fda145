#pragma once
// Left-button drags over the section: a pan without modifier, scales (Ctrl) or output steps
// (Shift) counted in 20-pixel steps, Alt only redraws. At most one modifier may be held.

#include <QPoint>

class TCSViewOpts;

enum KvDragMod { kDragNone = 0, kDragCtrl = 1, kDragShift = 2, kDragAlt = 4 };

// The drag code for the held modifiers, or -1 when more than one is held.
int KV_DragCode(bool ctrl, bool shift, bool alt);

// Pan: when the horizontal distance between press and release (pixels) is below tScale, false.
// Otherwise *vertex becomes the current vertex plus (pressed - released), both in (trace,
// sample), clamped to traces 1..traces and samples 1..samples.
bool KV_PanVertex(const QPoint& current, const QPoint& pressPx, const QPoint& releasePx,
                  const QPoint& pressed, const QPoint& released, int tScale, int traces,
                  int samples, QPoint* vertex);

// Scale or step drag by `moved` pixels (release - press) with code kDragCtrl or kDragShift:
// the larger whole-step count decides the axis; Ctrl changes tScale (3..30) or sScale (1..15),
// Shift tStep (1..20) or sStep (1..10). False when no whole step was dragged or nothing changed.
bool KV_ScaleDrag(int code, const QPoint& moved, TCSViewOpts& opts);
