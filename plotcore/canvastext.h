#pragma once
// Text and line helpers that place things as a classic GDI canvas does: text by the top-left
// corner of its cell, lines without their end point.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

// Metrics of `font` on `device`; a null or missing image measures at the default resolution.
QFontMetrics T_FontMetrics(const QFont& font, const QImage* device);

// Draws `text` in the painter's font and pen with the top-left of its cell at (x, y).
void T_TextOut(QPainter& p, int x, int y, const QString& text);

// A line from a to b without b; a and b share a row or a column.
void T_PenLineTo(QPainter& p, QPoint a, QPoint b);

// `text` rendered into an image of its own extent (text width by text height) in `color` over
// `background`, at the resolution of `device`.
QImage T_RenderText(const QString& text, const QFont& font, const QColor& color,
                    const QColor& background, const QImage* device);
