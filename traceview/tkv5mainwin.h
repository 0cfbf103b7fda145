#pragma once
// The viewer's main window: one SEG-Y file shown as a section, one frame at a time. It owns
// the open file, the viewer parameters, the plotter and the per-user lists, asks the model for
// every change and redraws; the rules live in the model classes (kvcommands, kvkeymap,
// kvdragrules, tcframehistory, TCTraceSupplier).
//
// Command line: an optional file to open and an optional decimal window id of the viewer window
// that started this one. Message 0x81B2 (posted to itself when built) loads the per-user lists
// and opens the file; 0x81B3 and 0x81B4 come from the quick-control panel and the gain table
// window (kvwinmsg.h).

#include "plotcore/tcseisplotter1.h"
#include "plotcore/tscrollstate.h"
#include "traceview/kvcommands.h"
#include "traceview/kvwinmsg.h"
#include "traceview/tcframehistory.h"
#include "traceview/tsegyinforec.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tappsettings.h"
#include "viewcore/tcbookmarks.h"
#include "viewcore/tccursordata.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tcreopenlist.h"
#include "viewcore/tcsetarray.h"
#include "viewcore/tctracesupplier.h"
#include "viewcore/tcviewerparams.h"

#include <QEvent>
#include <QMainWindow>
#include <QMap>
#include <QTimer>

#include <functional>

class QAction;
class QBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QProcess;
class QScrollBar;
class QToolButton;
class TAGATableWin;
class TFastCtrlWin;
class TKvImage;

class TKv5MainWin : public QMainWindow {
    Q_OBJECT
public:
    // What a file dialog asks: save or open, title, folder, proposed name, filter. Returns the
    // chosen path or an empty text.
    using FileChooser = std::function<QString(bool save, const QString& title, const QString& dir,
                                              const QString& proposed, const QString& filter)>;

    explicit TKv5MainWin(const QStringList& args, QWidget* parent = nullptr);
    ~TKv5MainWin() override;

    // One dispatch for every command by tag.
    void Dispatch(int tag);
    void ApplySet(int index);
    // Makes `name` the pending file and opens it.
    void OpenFile(const QString& name);
    void ShowFrame(int mode, const QPoint& vertex = QPoint());

    // For tests and the commands of other windows.
    QAction* Action(int tag) const { return m_actions.value(tag); }
    QAction* SetItem(int index) const { return m_setItems[index]; }
    QMenu* PopupMenu() const { return m_popup; }
    QMenu* ReopenMenu() const { return m_reopenMenu; }
    TFastCtrlWin* FastPanel() const { return m_fast; }
    TKvImage* Image() const { return m_img; }
    QString PanelText(int i) const;
    bool FileOpen() const { return m_fileOpen; }
    QString PendingName() const { return m_pending; }
    QString LastAttempted() const { return m_lastAttempted; }
    TCViewerParams& Params() { return m_params; }
    TCSetArray& Sets() { return m_sets; }
    TAppSettings& Settings() { return m_settings; }
    TCBookmarks& Bookmarks() { return m_marks; }
    const TCSeisPlotter1& Plotter() const { return m_plotter; }
    const TCSegyReaderEx& Reader() const { return m_reader; }
    const TCFrameHistory& History() const { return m_history; }
    const TCTraceSupplier& Supplier() const { return m_supplier; }
    float AmpFactor() const { return m_ampFactor; }
    bool HintOn() const { return m_hintOn; }
    // Frames drawn since the window was built.
    int FramesDrawn() const { return m_framesDrawn; }
    void SetFileChooser(FileChooser chooser) { m_choose = std::move(chooser); }
    // The second viewer and the exporter are started from the application folder.
    QString ViewerProgram() const;
    bool ExportRunning() const;

    // The display scale of samples: the amplitude factor (10 / mean absolute sample of the
    // file) times this puts the mean absolute sample at a tenth of a trace slot.
    static constexpr float kDisplayScale = 0.01f;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildCommands();
    void BuildToolbar();
    void BuildStatusBar();
    void LayoutToolbar();
    void UpdateCommands();
    void RebuildReopenMenu();
    void FillSetNames();

    void OnFastCommand(quint32 wParam, qint64 lParam);
    void OnAgaChanged(quint32 wParam);
    // Sets, go-to and bookmarks through their dialogs; preset: the set index of Shift+Ctrl+digit
    // or -1.
    void Memorize(int preset);
    void StoreSet(int index, const QString& name);
    void GoToFrame();
    void GoToBookmark();
    void OpenPending();
    bool ZeroTraceCheck();
    void CloseFile(bool keepPending);
    void ApplyFileFacts();
    QString BookmarkFile() const;
    void StartNewCopy(const QString& file);
    void StartExport();
    void SaveParams();
    void LoadParams();
    QString ChooseParamFile(bool save);

    void InitScrollBars();
    void AdjustScrollBars();
    void ScrollTo(bool vertical, int position);
    void OnScrollAction(bool vertical, int action);

    void OnMouseMove(QMouseEvent* e);
    void OnMousePress(QMouseEvent* e);
    void OnMouseRelease(QMouseEvent* e);
    void OnWheel(QWheelEvent* e);
    void WheelScroll(bool vertical, const QWheelEvent* e);
    void OnImageResized();
    void ClearReadout();
    void ShowHint(const QPoint& global);
    bool HandleKey(QKeyEvent* e);
    void ToggleHint();

    // Model.
    TAppSettings m_settings;
    TCSegyReaderEx m_reader;
    TCSeisPlotter1 m_plotter;
    TCViewerParams m_params;
    TCSetArray m_sets;
    TCReopenList m_reopen;
    TCBookmarks m_marks;
    TCCursorData m_cursor;
    TCFrameCasheB m_cache;
    TCTraceSupplier m_supplier;
    TCFrameHistory m_history;
    TSEGYInfoRec m_infoRec; // the information dialog's placement lives as long as the window
    TScrollState m_stateH, m_stateV;
    QString m_pending;
    QString m_lastAttempted;
    QString m_openName;
    bool m_fileOpen = false;
    float m_ampFactor = 1.0f;
    double m_dt = 0.0;
    bool m_hintOn = false;
    int m_framesDrawn = 0;
    int m_reportedTrace = 0; // the read failure already told for this file
    int m_reportedCode = 0;
    WId m_owner = 0;

    // Drag state.
    QPoint m_downPx;
    int m_dragCode = -1;
    QTimer m_dragTimer;

    // Widgets.
    TKvImage* m_img = nullptr;
    QScrollBar* m_barH = nullptr;
    QScrollBar* m_barV = nullptr;
    QWidget* m_toolbar = nullptr;
    QBoxLayout* m_rows[2] = {};
    QList<QWidget*> m_toolWidgets;
    int m_toolRows = 0;
    QLabel* m_panels[8] = {};
    QWidget* m_notchS = nullptr;
    QWidget* m_notchT = nullptr;
    QLabel* m_hint = nullptr;
    QTimer m_hintTimer;
    QMap<int, QAction*> m_actions;
    QMap<int, QToolButton*> m_buttons;
    QAction* m_setItems[10] = {};
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_applyMenu = nullptr;
    QMenu* m_reopenMenu = nullptr;
    QMenu* m_fastMenu = nullptr;
    QMenu* m_popup = nullptr;
    TFastCtrlWin* m_fast = nullptr;
    QProcess* m_export = nullptr;
    FileChooser m_choose;
    TAGATableWin* m_agaWin = nullptr; // built on first use
    int m_optPage = 0;                // page the view options dialog reopens on
};
