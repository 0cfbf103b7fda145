#pragma once
// "Параметры настройки изображения": every picture parameter of the viewer parameters on five
// pages (view, amplitude, reduction, filter, scrolling). Filled from the parameters when built,
// written back only on OK. The decisions it applies live in kvviewoptrules.

#include "traceview/kvviewoptrules.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QLineEdit;
class TCViewerParams;
namespace Ui {
class TViewOptDlg;
}

class TViewOptDlg : public QDialog {
    Q_OBJECT
public:
    // page: the page to open on (0..4); agaWindowShown: the gain table window is shown;
    // samples: samples per trace of the open file (limits the stored delay).
    TViewOptDlg(TCViewerParams& params, int page, bool agaWindowShown, int samples,
                QWidget* parent = nullptr);
    ~TViewOptDlg() override;

    // The page shown now (the main window remembers it also after "Отмена").
    int Page() const;

    void accept() override;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void Load();
    void Store();
    void ShowGain();
    void CommitGain();
    void OnGainEdited(const QString& text);
    void OnModeClicked(int mode);
    void OnPageChanged(int page);
    // The box that keeps the user on `page`, or null when the page may be left.
    QLineEdit* PageFault(int page) const;
    void Refuse(QLineEdit* box);
    void ChooseColor(int which);
    void PaintSwatch(int which);
    void FocusPage();
    QLineEdit* Edit(const char* name) const;

    std::unique_ptr<Ui::TViewOptDlg> m_ui;
    TCViewerParams& m_params;
    TCGainEdit m_gain;
    bool m_agaWindowShown;
    int m_samples;
    int m_page = 0;
    quint32 m_colors[3] = {};
    QAbstractButton* m_swatches[3] = {};
};
