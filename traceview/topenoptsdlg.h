#pragma once
// The open options dialog: the viewer's three remembered folder lists (SEG-Y files, settings and
// bookmarks, graphic files) and its open options, edited on a copy and written back into the
// TAppSettings and saved only on OK.
//
// A folder chosen by browsing is refused when it is a file-system root; a chosen or picked
// folder that no longer exists is removed from its list. The options that need a folder or a
// valid last parameter set are disabled and cleared while they have none.

#include <QDialog>

#include <functional>

class QComboBox;
class TAppSettings;

namespace Ui {
class TOpenOptsDlg;
}

class TOpenOptsDlg : public QDialog {
    Q_OBJECT
public:
    // Asks for a folder: title and start folder; returns the chosen folder or an empty text.
    using FolderChooser = std::function<QString(const QString& title, const QString& start)>;

    // `lastSetValid`: whether the set array's last used set can be applied.
    TOpenOptsDlg(TAppSettings& settings, bool lastSetValid, QWidget* parent = nullptr);
    ~TOpenOptsDlg() override;

    // Replaces the folder browser (tests).
    void SetFolderChooser(FolderChooser chooser) { m_choose = std::move(chooser); }

    // Stores the controls into the settings and saves them; a failed save is reported over the
    // parent window (message 38) and the dialog still closes with OK.
    void accept() override;

private:
    void Browse(int list);
    void CheckSelected(int list);
    void SettleDependents();
    QComboBox* Combo(int list) const;

    Ui::TOpenOptsDlg* m_ui;
    TAppSettings& m_settings;
    bool m_lastSetValid;
    FolderChooser m_choose;
};
