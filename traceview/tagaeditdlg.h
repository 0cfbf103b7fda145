#pragma once
// The entry dialog of the gain table: a trace number and a gain in decibels. OK works while the
// trace box holds a non-zero number and the gain box is not empty; Enter presses OK, Esc
// cancels (keys with Shift or Ctrl are ignored). OK is refused with a beep, the focus back on
// the trace, for a trace beyond the record or a gain above 400 dB.

#include <QDialog>

#include <memory>

namespace Ui {
class TAgaEditDlg;
}

class TAgaEditDlg : public QDialog {
    Q_OBJECT
public:
    TAgaEditDlg(int traces, const QString& trace, const QString& gain, const QPoint& screenPos,
                QWidget* parent = nullptr);
    ~TAgaEditDlg() override;

    QString TraceText() const;
    QString GainText() const;

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void UpdateOk();

    std::unique_ptr<Ui::TAgaEditDlg> m_ui;
    int m_traces;
};
