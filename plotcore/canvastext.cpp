#include "plotcore/canvastext.h"

#include <algorithm>

QFontMetrics T_FontMetrics(const QFont& font, const QImage* device) {
    if (device && !device->isNull())
        return QFontMetrics(font, device);
    return QFontMetrics(font);
}

void T_TextOut(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

void T_PenLineTo(QPainter& p, QPoint a, QPoint b) {
    if (a == b)
        return;
    const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
    p.drawLine(a, b - step);
}

QImage T_RenderText(const QString& text, const QFont& font, const QColor& color,
                    const QColor& background, const QImage* device) {
    const QFontMetrics fm = T_FontMetrics(font, device);
    QImage img(std::max(1, fm.horizontalAdvance(text)), std::max(1, fm.height()),
               QImage::Format_RGB32);
    if (device && !device->isNull()) {
        img.setDotsPerMeterX(device->dotsPerMeterX());
        img.setDotsPerMeterY(device->dotsPerMeterY());
    }
    img.fill(background);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(color);
    T_TextOut(p, 0, 0, text);
    return img;
}
