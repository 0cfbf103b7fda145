#pragma once
// The raster exporter's form: page "Запись/Файл" (region, depth, format, file name, result and
// progress) and page "Оформление" (captions, offsets on the trace axis, fonts), with the button
// row. The form shows what the session holds and hands the user's choices to it; the rules
// live in TKrSession, TKrRegionRules and tkrjob.h.
//
// The start is posted to the form as kStartEvent so that the window shows first; a data file
// that cannot be opened is reported (message 20) and the form closes.

#include "rastexport/tkrsession.h"

#include <QEvent>
#include <QWidget>

namespace Ui {
class TKrMainWin;
}

class TKrMainWin : public QWidget {
    Q_OBJECT
public:
    static constexpr QEvent::Type kStartEvent = QEvent::Type(0x81B5);
    static constexpr int kHelpTopic = 610;

    explicit TKrMainWin(const TKrArgs& args, QWidget* parent = nullptr);
    ~TKrMainWin() override;

    TKrSession& Session() { return m_session; }
    // The target of "Сохранить": the full path held in the file box's hint.
    QString TargetFile() const;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private slots:
    void OnButton();
    void OnLink();
    void OnDepthChanged(int index);
    void OnFormatChanged(int index);

private:
    void Start();
    void MakeImage();
    void Preview();
    void SaveImage();
    void LoadLastJob();
    void Browse();
    void ChooseFont(int font);

    TKrRegionBoxes Boxes() const;
    void ShowBoxes(const TKrRegionBoxes& boxes);
    void NormaliseRegion();
    TKrJob JobFromControls() const;
    void SetTargetFile(const QString& path);
    void ShowTargetFile();
    void DiscardImage();
    void UpdateEnabling(bool making = false);
    void ShowFontSample(int tag);
    void Refuse(int message);

    Ui::TKrMainWin* m_ui;
    TKrArgs m_args;
    TKrSession m_session;
    bool m_opened = false;
    bool m_closePending = false;
};
