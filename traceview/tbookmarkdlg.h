#pragma once
// "Закладка для кадра": names a bookmark for the current frame. The name box proposes
// "Кадр  <trace>-<sample>"; a name already in the list is refused with a warning line and a beep
// when "ОК" gets the focus (and when it is pressed), and OK adds the bookmark.

#include <QDialog>
#include <QPoint>

#include <memory>

class TCBookmarks;
namespace Ui {
class TBookmarkDlg;
}

class TBookmarkDlg : public QDialog {
    Q_OBJECT
public:
    TBookmarkDlg(TCBookmarks& marks, const QPoint& vertex, QWidget* parent = nullptr);
    ~TBookmarkDlg() override;

    // The viewer's "Создать закладку": refuses with message 21 or 37 before any dialog, else
    // shows the dialog. True when a bookmark was added.
    static bool MakeBookmark(QWidget* parent, TCBookmarks& marks, const QPoint& vertex);

    void accept() override;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    // False (warning shown, beep, focus back to the name) when the name is taken.
    bool NameFree();

    std::unique_ptr<Ui::TBookmarkDlg> m_ui;
    TCBookmarks& m_marks;
    QPoint m_vertex;
};
