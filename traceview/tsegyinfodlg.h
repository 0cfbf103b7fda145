#pragma once
// The SEG-Y information dialog: the open file's properties, its textual header with every
// extended block, its binary header and the header of any trace, word by word with the
// descriptions of kinfo.hdr (beside the program: binary-header lines, a line "*", trace-header
// lines; the text after the first ":" describes the word of that position).
//
// The reader's current trace is changed while trace headers are shown and set back on closing.

#include "traceview/tsegyinforec.h"

#include <QDialog>
#include <QEvent>
#include <QStringList>

class QMenu;
class QTreeWidget;

namespace Ui {
class TSEGYInfoDlg;
}

// Posted to itself when the text memo gets the focus; the caret is hidden on receipt.
constexpr QEvent::Type kWmHideCaret = QEvent::Type(0x851F);

class TSEGYInfoDlg : public QDialog {
    Q_OBJECT
public:
    // `rec.reader` must hold an open file. `helpContext`: the help topic of the dialog.
    TSEGYInfoDlg(TSEGYInfoRec& rec, int helpContext, QWidget* parent = nullptr);
    ~TSEGYInfoDlg() override;

    // Fills `rec` for a call over `owner` and shows the dialog modally.
    static void Run(TSEGYInfoRec& rec, TCSegyReaderEx& reader, int trace, int page, int helpContext,
                    QWidget* owner);

    // The text page's menu (fonts, "&Блокнот").
    QMenu* TextMenu() const { return m_textMenu; }

    // Sets the reader back to its trace and updates the record's placement.
    void done(int result) override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void FillFileInfo();
    void FillText();
    void LoadDescriptions();
    bool FillHeader(QTreeWidget* list, int selector);
    void GoToTrace(int trace);
    void UpdateNavigation();
    void BuildTextMenu();
    void OpenInTextEditor();
    int EnteredTrace() const;

    Ui::TSEGYInfoDlg* m_ui;
    TSEGYInfoRec& m_rec;
    int m_helpContext;
    int m_savedTrace; // the reader's trace before the dialog
    int m_trace = 1;  // the trace shown on the trace-header page
    int m_traces = 0;
    QStringList m_descr;
    int m_star = -1; // index of the "*" line in m_descr
    QMenu* m_textMenu = nullptr;
};
