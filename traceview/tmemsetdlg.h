#pragma once
// "Запомнить вариант настройки": picks one of the ten parameter sets ("1".."9", "0" for sets 1
// to 10) and its name (at most 24 characters). Choosing a number fills the name box with that
// set's name and shows "Для применения нажмите Ctrl+<number>"; a preset number (Shift+Ctrl+digit
// in the viewer) is chosen and the list disabled.

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TMemSetDlg;
}

class TMemSetDlg : public QDialog {
    Q_OBJECT
public:
    // `names`: the ten set names; `preset`: set index 0..9, or -1 for the user's choice.
    TMemSetDlg(const QStringList& names, int preset, QWidget* parent = nullptr);
    ~TMemSetDlg() override;

    // True with the chosen set index (0..9) and name on OK.
    static bool Execute(QWidget* parent, const QStringList& names, int preset, int* index,
                        QString* name);

    int Index() const;
    QString Name() const;

private:
    void Choose(int row);

    std::unique_ptr<Ui::TMemSetDlg> m_ui;
    QStringList m_names;
};
