#pragma once
// "Таблица АПУ": a child window in the bottom left corner of the viewer's client area that edits
// the gain table of the viewer parameters. Its list shows the entries; its menu deletes (Del),
// clears (F8), adds or changes through the entry dialog (Insert) and puts the window back in
// place. With "+Симметричная трасса" on, an entry is added and deleted together with the entry
// of its symmetric trace (2 x zero-offset trace - trace). After a change it posts 0x81B4 with
// wParam 1 to the main window while the table-gain mode is on, and wParam 0 when it is hidden.

#include <QFrame>

#include <memory>

class QTableView;
class TAgaTableModel;
class TCViewerParams;
namespace Ui {
class TAGATableWin;
}

class TAGATableWin : public QFrame {
    Q_OBJECT
public:
    // params: the viewer's parameters (not owned); owner: the main window, which gets the
    // messages and owns the message boxes; parent: the client area the window lives in.
    TAGATableWin(TCViewerParams* params, QWidget* owner, QWidget* parent);
    ~TAGATableWin() override;

    // Number of traces of the open file.
    void SetTraces(int traces) { m_traces = traces; }
    void ShowWin();
    // Back to the bottom left corner of the client area.
    void Place();
    // Shows the table as it is now.
    void Refresh();
    // Adds (trace, gain) and, with the symmetric box on and symmetric > 0, (symmetric, gain);
    // message 79 when the table is full.
    void AddEntry(int trace, int symmetric, float gain);
    // The symmetric trace of `trace` for the current zero-offset trace (0: none).
    int Symmetric(int trace) const;

    void DeleteSelected();
    void ClearTable();
    // The entry dialog over the bottom panel, filled from the selected row.
    void EditEntry();
    int SelectedRow() const;
    QTableView* List() const;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void Select(int row);
    void Changed();
    void UpdateMenu();

    std::unique_ptr<Ui::TAGATableWin> m_ui;
    TCViewerParams* m_params;
    QWidget* m_owner;
    TAgaTableModel* m_model;
    int m_traces = 0;
    int m_designHeight;
    QAction* m_delete;
    QAction* m_clear;
};
