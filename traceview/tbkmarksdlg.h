#pragma once
// "Список закладок": the bookmarks of the open file in a multi-select list with a context menu
// (go to, sort by name, delete the selected rows; Del). The dialog edits its own copy; when
// "Сохранять изменения при закрытии окна" is ticked as it closes, the copy replaces the
// caller's list however the dialog was closed, else the changes are dropped. Its height is
// kept for the next call in this run.

#include "viewcore/tcbookmarks.h"

#include <QDialog>
#include <QPoint>

#include <memory>

class QAction;
class TKvMarksModel;
namespace Ui {
class TBkMarksDlg;
}

class TBkMarksDlg : public QDialog {
    Q_OBJECT
public:
    TBkMarksDlg(TCBookmarks& marks, QWidget* parent = nullptr);
    ~TBkMarksDlg() override;

    // Shows the list over `marks`. True with the chosen bookmark's vertex when the user went to
    // one (the vertex, not the row: the row of the edited copy may not exist in `marks`).
    static bool Execute(QWidget* parent, TCBookmarks& marks, QPoint* vertex);

    void done(int r) override;
    // The chosen row of the edited list, -1 when none.
    int Chosen() const { return m_chosen; }
    const TCBookmarks& List() const { return m_copy; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QList<int> SelectedRows() const;
    void UpdateActions();
    void GoTo();
    void DeleteSelected();

    std::unique_ptr<Ui::TBkMarksDlg> m_ui;
    TCBookmarks& m_marks;
    TCBookmarks m_copy;
    TKvMarksModel* m_model = nullptr;
    QAction* m_go = nullptr;
    QAction* m_sort = nullptr;
    QAction* m_delete = nullptr;
    int m_chosen = -1;
};
