#pragma once
// The section image of the main window (p_imgMain): shows its memory canvas, which the
// plotter draws into, and hands mouse and size events to the window.

#include <QImage>
#include <QWidget>

class TKvImage : public QWidget {
    Q_OBJECT
public:
    explicit TKvImage(QWidget* parent = nullptr);
    QImage& Canvas() { return m_canvas; }

signals:
    void resized();
    void mouseMoved(QMouseEvent* e);
    void mousePressed(QMouseEvent* e);
    void mouseReleased(QMouseEvent* e);
    void mouseDoubleClicked(QMouseEvent* e);
    void wheelTurned(QWheelEvent* e);
    void left();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override { emit mouseMoved(e); }
    void mousePressEvent(QMouseEvent* e) override { emit mousePressed(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { emit mouseReleased(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { emit mouseDoubleClicked(e); }
    void wheelEvent(QWheelEvent* e) override { emit wheelTurned(e); }
    void leaveEvent(QEvent*) override { emit left(); }

private:
    QImage m_canvas;
};
