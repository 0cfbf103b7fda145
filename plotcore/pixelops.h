#pragma once
// Pixel operations on 32-bit images, used where drawing must give exact pixels: the
// variable-area fill of the section displays. Every operation clips to the image.

#include <QImage>
#include <QPoint>
#include <QRect>

// True for the formats the operations below work on (one 32-bit word per pixel).
bool T_IsPixelFormat(const QImage& image);

// Fills the pixels left <= x < right, top <= y < bottom (right and bottom exclusive).
void T_FillRect(QImage& image, int left, int top, int right, int bottom, QRgb color);

// An aliased, 8-connected line from a to b without the end point b, so a polyline drawn
// segment by segment does not set its last point.
void T_LineTo(QImage& image, QPoint a, QPoint b, QRgb color);

// Replaces the 4-connected region of `target`-coloured pixels that contains `seed` by
// `color`, staying inside `bounds` (inclusive). Nothing happens when the seed is outside the
// bounds or not of the target colour, or when target and color are the same.
void T_FloodFill(QImage& image, const QRect& bounds, QPoint seed, QRgb target, QRgb color);
