#pragma once
// TBinHeaderDlg: the header inspector's dialog. It holds a test reader for its life; each read
// (posted to itself as event 0x81B0, so the dialog is on screen first) replaces the key-word list
// and the result text. Every failure is reported in the result text, never in a message box.

#include "trcfile/tcsegyfilerux.h"

#include <QDialog>
#include <QEvent>
#include <memory>

namespace Ui {
class TBinHeaderDlg;
}

class TBinHeaderDlg : public QDialog {
public:
    // The private message that starts a read.
    static constexpr QEvent::Type kReadEvent = QEvent::Type(0x81B0);

    explicit TBinHeaderDlg(QWidget* parent = nullptr);
    ~TBinHeaderDlg() override;

    // Puts `path` into the file box: the full path as its hint, the text shortened to fit.
    void SetFileName(const QString& path);
    const QString& FileName() const { return m_fileName; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void PostRead();
    void Read();
    void Browse();
    void ShowResult(int status);

    std::unique_ptr<Ui::TBinHeaderDlg> ui;
    TCSegyFilerUx m_reader;
    std::vector<TCWordRec> m_keys;
    QString m_fileName;
    int m_status = 0;
};
