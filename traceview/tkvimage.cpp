#include "traceview/tkvimage.h"

#include <QPainter>

TKvImage::TKvImage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("p_imgMain"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_canvas = QImage(1, 1, QImage::Format_RGB32);
    m_canvas.fill(Qt::white);
}

void TKvImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_canvas);
    // The canvas lags a resize until the owner redraws; the rest stays the window colour.
    if (m_canvas.width() < width())
        p.fillRect(m_canvas.width(), 0, width() - m_canvas.width(), height(), palette().window());
    if (m_canvas.height() < height())
        p.fillRect(0, m_canvas.height(), width(), height() - m_canvas.height(), palette().window());
}

void TKvImage::resizeEvent(QResizeEvent*) {
    m_canvas = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.fill(Qt::white);
    emit resized();
}
