#pragma once
// "Быстрая настройка": the quick-control panel, a tool window inside the viewer's main window
// (its parent is the main window's client area). It lists the fourteen TCFController entries
// (grey with a mark: a switchable entry that is off; info tip: the entry's read-out), switches
// and steps the selected entry, and applies or memorises the ten parameter sets. It talks to the
// main window by message 0x81B3: (0, 0) redraw, (12, 0) defaults, (n, 0) apply set n, (n, 1)
// memorise the current parameters as set n.
//
// A +/- step only marks a redraw as pending; an 800 ms timer posts the redraw, so a run of clicks
// redraws at most once per tick. Switching redraws at once.

#include "viewcore/tcfcontroller.h"

#include <QFrame>
#include <QTimer>

#include <memory>

class QAbstractButton;
class TCSetArray;
class TCViewerParams;
namespace Ui {
class TFastCtrlWin;
}

class TFastCtrlWin : public QFrame {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 19;
    // All fourteen rows visible.
    static constexpr int kDesignHeight = kRowHeight * TCFController::kEntryCount + 80;
    static constexpr int kRedrawMs = 800;

    // `client`: the main window's client area, which the panel stays inside. Created hidden.
    explicit TFastCtrlWin(QWidget* client);
    ~TFastCtrlWin() override;

    void Bind(TCViewerParams* params, TCSetArray* sets);
    // Repaints the rows and refreshes every button; the main window calls it after every
    // parameter change.
    void Refresh();
    // While the gain table window is shown, normalisation and AGC are not switched here.
    void SetGainTableShown(bool shown);
    // Top right (true) or bottom right corner of the client area.
    void Dock(bool top);
    // Posts the pending redraw, if any (the timer's tick).
    void FlushRedraw();
    bool RedrawPending() const { return m_pending; }
    int CurrentRow() const;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
    // The first showing docks the panel at the top right.
    void showEvent(QShowEvent* e) override;

private:
    void UpdateButtons();
    void Send(quint32 wParam, qint64 lParam);
    void OnSetButton(int index);
    void KeepInside();

    std::unique_ptr<Ui::TFastCtrlWin> m_ui;
    TCFController m_ctrl;
    TCSetArray* m_sets = nullptr;
    QAbstractButton* m_setButtons[10] = {};
    QTimer m_timer;
    bool m_pending = false;
    bool m_shift = false; // Shift was held when a set button was pressed
    bool m_gainTableShown = false;
    bool m_placed = false;
    QPoint m_dragFrom; // caption drag: the press point inside the panel
};
