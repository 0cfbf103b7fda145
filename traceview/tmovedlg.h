#pragma once
// "Перейти к кадру с вершиной ...": edits a frame vertex as trace, sample and time boxes. Only
// the box being typed in drives the other: time = sample x interval, sample = time / interval
// (integer division), an emptied box empties the other. The interval is in display units.

#include <QDialog>
#include <QPoint>

#include <memory>

namespace Ui {
class TMoveDlg;
}

class TMoveDlg : public QDialog {
    Q_OBJECT
public:
    TMoveDlg(const QPoint& vertex, int interval, QWidget* parent = nullptr);
    ~TMoveDlg() override;

    // True with the typed vertex when OK was pressed and it differs from `vertex`; the caller
    // clamps it to the record.
    static bool Execute(QWidget* parent, const QPoint& vertex, int interval, QPoint* result);

    QPoint Vertex() const;

private:
    std::unique_ptr<Ui::TMoveDlg> m_ui;
    int m_interval;
};
