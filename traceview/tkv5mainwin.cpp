#include "traceview/tkv5mainwin.h"

#include "apptools/appfolders.h"
#include "corebase/files.h"
#include "hdrpeek/hdrpeek.h"
#include "plotcore/tcolor.h"
#include "traceview/kvampprobe.h"
#include "traceview/kvdlgrules.h"
#include "traceview/kvdragrules.h"
#include "traceview/kvkeymap.h"
#include "traceview/kvstrings.h"
#include "traceview/tagatablewin.h"
#include "traceview/tampmaxdlg.h"
#include "traceview/tbkmarksdlg.h"
#include "traceview/tbookmarkdlg.h"
#include "traceview/tfastctrlwin.h"
#include "traceview/tkvimage.h"
#include "traceview/tmemsetdlg.h"
#include "traceview/tmovedlg.h"
#include "traceview/topenoptsdlg.h"
#include "traceview/tsegyinfodlg.h"
#include "traceview/tviewoptdlg.h"
#include "trcfile/esegyfiler.h"
#include "uikit/formplace.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"
#include "uikit/versioninfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPanelWidths[8] = {370, 55, 95, 150, 85, 100, 73, 0};
constexpr int kNotchLen = 6;
constexpr int kHintTopic = 420;

QString Plain(const char* caption) {
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

// A toolbar face: a standard icon where the style has a fitting one, else a short text.
void Decorate(QToolButton* b, int tag) {
    static const QMap<int, QStyle::StandardPixmap> icons = {
        {kvc::FileOpen, QStyle::SP_DialogOpenButton},
        {kvc::OpenOptions, QStyle::SP_DirIcon},
        {kvc::FileProps, QStyle::SP_FileDialogInfoView},
        {kvc::Export, QStyle::SP_DialogSaveButton},
        {kvc::ViewOptions, QStyle::SP_FileDialogDetailedView},
        {kvc::FastPanel, QStyle::SP_FileDialogListView},
        {kvc::Back, QStyle::SP_ArrowBack},
        {kvc::Forward, QStyle::SP_ArrowForward},
        {kvc::HelpViewer, QStyle::SP_DialogHelpButton}};
    static const QMap<int, QString> texts = {
        {kvc::NewWindow, QStringLiteral("⊞")}, {kvc::Memorize, QStringLiteral("M+")},
        {kvc::Defaults, QStringLiteral("П0")}, {kvc::AgaMode, QStringLiteral("АПУ")},
        {kvc::GainUp, QStringLiteral("A+")},   {kvc::GainDown, QStringLiteral("A−")},
        {kvc::MoveUpLt, QStringLiteral("↖")},  {kvc::MoveDnLt, QStringLiteral("↙")},
        {kvc::MoveUpRt, QStringLiteral("↗")},  {kvc::MoveDnRt, QStringLiteral("↘")},
        {kvc::GoFrame, QStringLiteral("→□")},  {kvc::FindMax, QStringLiteral("Amax")},
        {kvc::MakeMark, QStringLiteral("☆+")}, {kvc::GoMark, QStringLiteral("☆→")}};
    if (icons.contains(tag)) {
        b->setIcon(b->style()->standardIcon(icons.value(tag)));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        b->setText(texts.value(tag));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

bool AgaShown(const TAGATableWin* w) {
    return w != nullptr && w->isVisible();
}

bool SameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

} // namespace

TKv5MainWin::TKv5MainWin(const QStringList& args, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(KV_Text(kvs::AppTitle));
    setMinimumSize(340, 320);
    resize(960, 570);

    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    m_img = new TKvImage(central);
    m_barV = new QScrollBar(Qt::Vertical, central);
    m_barV->setObjectName(QStringLiteral("p_obarV"));
    m_barH = new QScrollBar(Qt::Horizontal, central);
    m_barH->setObjectName(QStringLiteral("p_obarH"));
    grid->addWidget(m_img, 0, 0);
    grid->addWidget(m_barV, 0, 1);
    grid->addWidget(m_barH, 1, 0);
    setCentralWidget(central);
    m_stateV.vertical = true;
    SetHelpTopic(m_img, kHintTopic);

    for (QWidget** n : {&m_notchS, &m_notchT}) {
        *n = new QWidget(m_img);
        (*n)->setAutoFillBackground(true);
        (*n)->hide();
    }
    m_notchS->setObjectName(QStringLiteral("p_shSNotch"));
    m_notchT->setObjectName(QStringLiteral("p_shTNotch"));
    m_notchS->resize(kNotchLen, 3);
    m_notchT->resize(3, kNotchLen);

    m_hint = new QLabel(this, Qt::ToolTip);
    m_hint->setStyleSheet(QStringLiteral(
        "QLabel { background-color: rgb(249, 247, 255); border: 1px solid gray; padding: 2px; }"));
    m_hint->setMaximumWidth(200);
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(10000);
    connect(&m_hintTimer, &QTimer::timeout, m_hint, &QWidget::hide);

    BuildCommands();
    BuildToolbar();
    BuildStatusBar();
    m_fast = new TFastCtrlWin(central);
    m_fast->Bind(&m_params, &m_sets);

    m_plotter.Init(&m_img->Canvas(), &m_params.viewOpts, true);
    m_supplier.Bind(&m_reader, &m_params, &m_cache);
    m_plotter.SetDelegate(&m_supplier);
    m_plotter.Clear(false);

    connect(m_img, &TKvImage::resized, this, &TKv5MainWin::OnImageResized);
    connect(m_img, &TKvImage::mouseMoved, this, &TKv5MainWin::OnMouseMove);
    connect(m_img, &TKvImage::mousePressed, this, &TKv5MainWin::OnMousePress);
    connect(m_img, &TKvImage::mouseReleased, this, &TKv5MainWin::OnMouseRelease);
    connect(m_img, &TKvImage::wheelTurned, this, &TKv5MainWin::OnWheel);
    connect(m_img, &TKvImage::mouseDoubleClicked, this, [this] {
        if (m_fileOpen)
            ToggleHint();
    });
    connect(m_img, &TKvImage::left, this, [this] {
        m_hint->hide();
        m_notchS->hide();
        m_notchT->hide();
    });
    connect(m_barH, &QScrollBar::actionTriggered, this,
            [this](int a) { OnScrollAction(false, a); });
    connect(m_barV, &QScrollBar::actionTriggered, this, [this](int a) { OnScrollAction(true, a); });
    connect(m_barH, &QScrollBar::sliderReleased, this,
            [this] { ScrollTo(false, m_barH->sliderPosition()); });
    connect(m_barV, &QScrollBar::sliderReleased, this,
            [this] { ScrollTo(true, m_barV->sliderPosition()); });
    m_dragTimer.setSingleShot(true);
    m_dragTimer.setInterval(300);
    connect(&m_dragTimer, &QTimer::timeout, this, [this] {
        m_img->setCursor(m_dragCode == kDragNone ? Qt::ClosedHandCursor : Qt::SizeAllCursor);
    });
    qApp->installEventFilter(this);
    InstallHelpKey(this);

    if (!args.isEmpty())
        m_pending = args.at(0);
    bool placed = false;
    if (args.size() > 1) {
        bool ok = false;
        m_owner = ParseWindowId(args.at(1), &ok);
        if (ok && m_owner != 0) {
            W_PosCreatedForm(m_owner, this, 20, 20);
            const QRect screen = (QGuiApplication::primaryScreen() != nullptr)
                                     ? QGuiApplication::primaryScreen()->geometry()
                                     : QRect(0, 0, 1920, 1080);
            const QRect r = frameGeometry();
            if (r.bottom() > screen.height() - 20 || r.right() > screen.width() - 20)
                move(20, 20);
            placed = true;
        }
    }
    if (!placed)
        move(50, 50);
    CloseFile(true);
    QCoreApplication::postEvent(this, new QEvent(kWmViewerReload));
}

TKv5MainWin::~TKv5MainWin() {
    qApp->removeEventFilter(this);
    if (m_export != nullptr && m_export->state() != QProcess::NotRunning) {
        m_export->disconnect(this);
        m_export->waitForFinished(-1);
    }
}

QString TKv5MainWin::ViewerProgram() const {
    return KT_GetAppDir() + QStringLiteral("/traceview");
}

bool TKv5MainWin::ExportRunning() const {
    return m_export != nullptr && m_export->state() != QProcess::NotRunning;
}

// ---- commands, menus, toolbar, status bar

void TKv5MainWin::BuildCommands() {
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("p_mmMain"));
    QMenu* menus[4] = {};
    for (int m = kvc::FileMenu; m <= kvc::HelpMenu; ++m)
        menus[m] = m_menuBar->addMenu(KV_MenuTitle(m));
    for (const KvCommandDef& c : KV_Commands()) {
        auto* a = new QAction(QString::fromUtf8(c.caption), this);
        a->setObjectName(QStringLiteral("p_mi%1").arg(c.tag));
        a->setProperty("tag", c.tag);
        a->setStatusTip(Plain(c.caption));
        if (c.shortcut[0] != '\0') {
            a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
        }
        const bool checkable =
            c.tag == kvc::AgaMode || c.tag == kvc::CursorHint || c.tag == kvc::NewWindow;
        a->setCheckable(checkable);
        m_actions.insert(c.tag, a);
        addAction(a);
        if (c.tag == kvc::ApplyMenu) {
            m_applyMenu = new QMenu(a->text(), this);
            m_applyMenu->setObjectName(QStringLiteral("p_miApply"));
            a->setMenu(m_applyMenu);
            for (int i = 0; i < 10; ++i) {
                QAction* item = m_applyMenu->addAction(QString());
                item->setProperty("tag", i);
                // Ctrl+digit itself is read by the key handler, which also serves Shift.
                connect(item, &QAction::triggered, this, [this, i] { ApplySet(i); });
                m_setItems[i] = item;
            }
        } else {
            connect(a, &QAction::triggered, this, [this, tag = c.tag] { Dispatch(tag); });
        }
        if (c.menu != kvc::NoMenu) {
            if (c.separatorBefore)
                menus[c.menu]->addSeparator();
            menus[c.menu]->addAction(a);
        }
    }
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("p_pmImage"));
    for (int tag : {kvc::TraceHeader, kvc::AddToAga, kvc::MakeMark, kvc::FastPanel, kvc::AgaTable})
        m_popup->addAction(m_actions.value(tag));
    m_reopenMenu = new QMenu(this);
    m_reopenMenu->setObjectName(QStringLiteral("p_pmReopen"));
    m_fastMenu = new QMenu(this);
    const char* fast[3] = {"Вверх", "Вниз", "Закрыть"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = m_fastMenu->addAction(QString::fromUtf8(fast[i]));
        a->setProperty("tag", i);
        m_actions.insert(kvc::FastTop + i, a);
        connect(a, &QAction::triggered, this, [this, i] { Dispatch(kvc::FastTop + i); });
    }
    FillSetNames();
}

void TKv5MainWin::BuildToolbar() {
    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("p_tbMain"));
    auto* v = new QVBoxLayout(m_toolbar);
    v->setContentsMargins(2, 1, 2, 1);
    v->setSpacing(1);
    for (QBoxLayout*& row : m_rows) {
        row = new QHBoxLayout;
        row->setSpacing(1);
        v->addLayout(row);
    }
    for (int tag : KV_ToolbarOrder()) {
        if (tag == 0) {
            auto* gap = new QWidget(m_toolbar);
            gap->setFixedWidth(6);
            m_toolWidgets << gap;
            continue;
        }
        const KvCommandDef* c = KV_FindCommand(tag);
        auto* b = new QToolButton(m_toolbar);
        b->setObjectName(QString::fromLatin1(c->button));
        // Buttons keep their own faces; UpdateCommands gives them the looks of their commands.
        b->setToolTip(Plain(c->caption));
        b->setStatusTip(Plain(c->caption));
        b->setCheckable(tag == kvc::NewWindow || tag == kvc::AgaMode);
        connect(b, &QToolButton::clicked, this, [this, tag] { Dispatch(tag); });
        m_buttons.insert(tag, b);
        b->setProperty("tag", tag);
        b->setAutoRaise(true);
        b->setFixedHeight(26);
        b->setMinimumWidth(26);
        Decorate(b, tag);
        if (tag == kvc::FileOpen) {
            b->setMenu(m_reopenMenu);
            b->setPopupMode(QToolButton::MenuButtonPopup);
        } else if (tag == kvc::FastPanel) {
            b->setMenu(m_fastMenu);
            b->setPopupMode(QToolButton::MenuButtonPopup);
        }
        m_toolWidgets << b;
    }
    // The menu bar above the button rows.
    auto* top = new QWidget(this);
    auto* tv = new QVBoxLayout(top);
    tv->setContentsMargins(0, 0, 0, 0);
    tv->setSpacing(0);
    tv->addWidget(m_menuBar);
    tv->addWidget(m_toolbar);
    setMenuWidget(top);
    LayoutToolbar();
}

void TKv5MainWin::LayoutToolbar() {
    const int rows = width() >= 650 ? 1 : 2;
    if (rows == m_toolRows)
        return;
    m_toolRows = rows;
    for (QBoxLayout* row : m_rows)
        while (row->count() > 0)
            delete row->takeAt(0);
    // Two rows: files and set-up above, gain, moves, search and help below.
    const int split = rows == 1 ? int(m_toolWidgets.size()) : 12;
    for (int i = 0; i < m_toolWidgets.size(); ++i)
        m_rows[i < split ? 0 : 1]->addWidget(m_toolWidgets[i]);
    for (QBoxLayout* row : m_rows)
        row->addStretch(1);
    // The rows above the image take their new height at once.
    for (QWidget* w : {m_toolbar, menuWidget()}) {
        if (w != nullptr && w->layout() != nullptr) {
            w->layout()->invalidate();
            w->updateGeometry();
        }
    }
    if (layout() != nullptr)
        layout()->invalidate();
}

void TKv5MainWin::BuildStatusBar() {
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("p_sbarMain"));
    sb->setSizeGripEnabled(true);
    for (int i = 0; i < 8; ++i) {
        m_panels[i] = new QLabel(sb);
        m_panels[i]->setObjectName(QStringLiteral("p_sbarMain_%1").arg(i));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (kPanelWidths[i] > 0)
            m_panels[i]->setFixedWidth(kPanelWidths[i]);
        sb->addWidget(m_panels[i], kPanelWidths[i] > 0 ? 0 : 1);
    }
    sb->installEventFilter(this);
}

QString TKv5MainWin::PanelText(int i) const {
    return i >= 0 && i < 8 ? m_panels[i]->text() : QString();
}

void TKv5MainWin::FillSetNames() {
    QStringList names;
    m_sets.GetNames(names);
    for (int i = 0; i < 10; ++i)
        m_setItems[i]->setText(QStringLiteral("%1\tCtrl+%2").arg(names.value(i)).arg((i + 1) % 10));
}

void TKv5MainWin::RebuildReopenMenu() {
    m_reopenMenu->clear();
    const QFontMetrics fm(font());
    for (const QString& name : m_reopen.Lines()) {
        QAction* a = m_reopenMenu->addAction(fm.elidedText(name, Qt::ElideMiddle, 390));
        a->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
        a->setToolTip(name);
        connect(a, &QAction::triggered, this, [this, name] { OpenFile(name); });
    }
}

void TKv5MainWin::UpdateCommands() {
    KvState s;
    s.fileOpen = m_fileOpen;
    s.lastAttempted = !m_lastAttempted.isEmpty();
    s.setsExist = m_sets.Exists();
    for (int i = 0; i < 10; ++i)
        s.setValid[i] = m_sets.Valid(i);
    s.normOrAgc = m_params.GetFlagVal(1) || m_params.GetFlagVal(2);
    s.agaEntries = m_params.gainTable.Count();
    s.agaMode = m_params.AgaMode();
    s.hintOn = m_hintOn;
    s.bookmarks = m_marks.Count() > 0;
    s.gainUp = m_params.CanModify(4, true);
    s.gainDown = m_params.CanModify(4, false);
    if (m_fileOpen) {
        const int dirs[4] = {11, 22, 21, 12};
        for (int i = 0; i < 4; ++i)
            s.canMove[i] = m_plotter.CanMove(dirs[i]);
    }
    s.back = m_history.CanBack();
    s.forward = m_history.CanForward();
    s.newWindow = m_settings.newWindow;
    s.agaWindowShown = AgaShown(m_agaWin);
    if (m_agaWin != nullptr)
        m_agaWin->Refresh();
    s.fastShown = !m_fast->isHidden();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const KvLook l = KV_CommandLook(it.key(), s);
        it.value()->setEnabled(l.enabled);
        if (it.value()->isCheckable())
            it.value()->setChecked(l.checked);
        if (QToolButton* b = m_buttons.value(it.key())) {
            b->setEnabled(l.enabled);
            if (b->isCheckable())
                b->setChecked(l.checked);
        }
    }
    for (int i = 0; i < 10; ++i)
        m_setItems[i]->setEnabled(KV_SetItemLook(i, s).enabled);
    m_barH->setEnabled(m_fileOpen && m_stateH.enabled);
    m_barV->setEnabled(m_fileOpen && m_stateV.enabled);
    m_fast->SetGainTableShown(s.agaWindowShown);
    m_fast->Refresh();
}

void TKv5MainWin::Dispatch(int tag) {
    switch (tag) {
    case kvc::FileOpen: {
        QString dir;
        if (m_settings.UseSgyDir() && !m_settings.GetSgyDir().isEmpty())
            dir = m_settings.GetSgyDir();
        else if (!m_pending.isEmpty())
            dir = QFileInfo(m_pending).absolutePath();
        else
            dir = F_GetMyComputerFolder();
        const QString name = m_choose ? m_choose(false, KV_Text(kvs::OpenTitle), dir, QString(),
                                                 KV_Text(kvs::OpenFilter))
                                      : QFileDialog::getOpenFileName(this, KV_Text(kvs::OpenTitle),
                                                                     dir, KV_Text(kvs::OpenFilter));
        if (!name.isEmpty())
            OpenFile(name);
        break;
    }
    case kvc::Reopen:
        if (!m_reopenMenu->isEmpty()) {
            QWidget* b = m_toolbar->findChild<QToolButton*>(QStringLiteral("p_bnFileOpen"));
            m_reopenMenu->popup(b->mapToGlobal(QPoint(0, b->height())));
        }
        break;
    case kvc::OpenOptions:
        TOpenOptsDlg(m_settings, m_sets.LastValid(), this).exec();
        break;
    case kvc::FileProps:
        if (m_fileOpen)
            TSEGYInfoDlg::Run(m_infoRec, m_reader, 1, 0, 25, this);
        break;
    case kvc::TraceHeader:
        if (m_fileOpen)
            TSEGYInfoDlg::Run(m_infoRec, m_reader, m_cursor.trace, 3, 0, this);
        break;
    case kvc::FileClose:
        CloseFile(false);
        break;
    case kvc::HeaderProbe:
        if (!m_lastAttempted.isEmpty())
            ReadDisplayFileHeader(winId(), m_lastAttempted);
        break;
    case kvc::Export:
        StartExport();
        break;
    case kvc::Exit:
        close();
        break;
    case kvc::NewWindow:
        m_settings.newWindow = !m_settings.newWindow;
        break;
    case kvc::Defaults:
        m_params.SetAgaMode(false);
        m_params.SetDefaults();
        ApplyFileFacts();
        ShowFrame(1);
        break;
    case kvc::SaveParams:
        SaveParams();
        break;
    case kvc::LoadParams:
        LoadParams();
        break;
    case kvc::AgaMode:
        m_params.SetAgaMode(!m_params.AgaMode());
        ShowFrame(1);
        break;
    case kvc::CursorHint:
        ToggleHint();
        break;
    case kvc::ViewOptions:
        if (m_fileOpen) {
            TViewOptDlg dlg(m_params, m_optPage, AgaShown(m_agaWin), m_reader.GetInt(7), this);
            const bool ok = dlg.exec() == QDialog::Accepted;
            m_optPage = dlg.Page();
            if (ok)
                ShowFrame(1);
        }
        break;
    case kvc::AgaTable:
        if (!m_fileOpen)
            break;
        if (m_params.GetFlagVal(1) || m_params.GetFlagVal(2)) {
            ShowMsg(this, MsgKind::Warning, KV_Text(kvs::AgaNotAvailable));
            break;
        }
        if (m_agaWin == nullptr)
            m_agaWin = new TAGATableWin(&m_params, this, centralWidget());
        m_agaWin->SetTraces(m_reader.GetInt(3));
        m_agaWin->ShowWin();
        break;
    case kvc::AddToAga:
        if (AgaShown(m_agaWin) && !m_params.AgaMode() && m_cursor.trace > 0)
            m_agaWin->AddEntry(m_cursor.trace, m_agaWin->Symmetric(m_cursor.trace),
                               m_params.signal.gain[0]);
        break;
    case kvc::FindMax:
        if (!m_fileOpen)
            break;
        if (m_params.signal.reduOn || m_params.signal.delayOn) {
            ShowMsg(this, MsgKind::Warning, KV_Text(kvs::NoReduDelay));
            break;
        }
        if (TAmpMaxDlg dlg(m_reader, this); dlg.exec() == QDialog::Accepted) {
            repaint();
            ShowFrame(2, dlg.Vertex());
        }
        break;
    case kvc::GainUp:
    case kvc::GainDown:
        if (!m_params.AgaMode() && m_params.CanModify(4, tag == kvc::GainUp)) {
            m_params.Modify(4, tag == kvc::GainUp);
            ShowFrame(1);
        }
        break;
    case kvc::MoveDnRt:
    case kvc::MoveUpLt:
    case kvc::MoveDnLt:
    case kvc::MoveUpRt:
        if (m_fileOpen && m_plotter.CanMove(tag - 100))
            ShowFrame(2, m_plotter.GetMovedVertex(tag - 100, m_params.scroll.GetInc(2),
                                                  m_params.scroll.GetInc(3)));
        break;
    case kvc::Back:
        if (m_history.CanBack())
            ShowFrame(2, m_history.Back());
        break;
    case kvc::Forward:
        if (m_history.CanForward())
            ShowFrame(2, m_history.Forward());
        break;
    case kvc::FastPanel:
        if (!m_fast->isHidden())
            Beep();
        else if (m_fileOpen)
            m_fast->show();
        break;
    case kvc::FastTop:
    case kvc::FastBottom:
        m_fast->Dock(tag == kvc::FastTop);
        break;
    case kvc::FastHide:
        m_fast->hide();
        break;
    case kvc::Memorize:
        Memorize(-1);
        break;
    case kvc::GoFrame:
        GoToFrame();
        break;
    case kvc::MakeMark:
        if (m_fileOpen)
            TBookmarkDlg::MakeBookmark(this, m_marks, m_plotter.GetFrameVertex());
        break;
    case kvc::GoMark:
        GoToBookmark();
        break;
    case kvc::HelpContents:
        ShowHelpTopic(0);
        break;
    case kvc::HelpViewer:
        ShowHelpTopic(420);
        break;
    case kvc::HelpKeys:
        ShowHelpTopic(530);
        break;
    case kvc::About:
        ShowAboutBox(this, KV_Text(kvs::AppTitle));
        break;
    default:
        // The dialogs of the open options, file properties, view options, fast panel, sets,
        // gain table, go-to, maximum and bookmarks join here.
        break;
    }
    UpdateCommands();
}

// ---- opening and closing

void TKv5MainWin::OpenFile(const QString& name) {
    m_pending = name;
    OpenPending();
}

void TKv5MainWin::OpenPending() {
    if (m_pending.isEmpty())
        return;
    if (m_fileOpen && SameFile(m_pending, m_openName) && !m_settings.newWindow) {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::AlreadyOpen));
        return;
    }
    if (!QFileInfo(m_pending).isFile()) {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::NotFound));
        return;
    }
    if (m_fileOpen && m_settings.newWindow) {
        StartNewCopy(m_pending);
        return;
    }
    CloseFile(true);
    WaitCursor wait;
    m_lastAttempted = m_pending;
    const unsigned flags = (m_settings.IgnoreFHdr() ? TCSegyReaderEx::kIgnoreFileHeader : 0u) |
                           (m_settings.IgnoreTHdr() ? TCSegyReaderEx::kIgnoreTraceHeaders : 0u);
    const int rc = m_reader.Open(QFile::encodeName(m_pending).toStdString(), flags);
    bool ok = rc == 0;
    if (!ok)
        ShowMsg(this, MsgKind::Error, KV_OpenErrorText(rc));
    ok = ok && ZeroTraceCheck();
    if (ok && !m_supplier.Reserve(m_reader.GetInt(7))) {
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::NoTraceBuffer));
        ok = false;
    }
    if (!ok) {
        m_reader.Close();
        m_pending.clear();
        UpdateCommands();
        return;
    }
    m_openName = m_pending;
    m_reportedTrace = m_reportedCode = 0;
    setWindowTitle(KV_Text(kvs::FileCaption).arg(QFileInfo(m_pending).fileName()));
    m_fileOpen = true;
    if (m_reopen.AddFile(m_pending)) {
        RebuildReopenMenu();
        if (!m_reopen.Save())
            ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
    }
    const QString bm = BookmarkFile();
    if (!bm.isEmpty() && QFileInfo::exists(bm))
        m_marks.Load(bm);
    if (m_settings.UseLastSet() && m_sets.LastValid()) {
        m_sets.GetLast(m_params);
        m_params.SetAgaMode(false);
    }
    ApplyFileFacts();
    m_plotter.SetFileInfo(m_reader.GetInt(3), m_reader.GetInt(4), m_reader.GetInt(7));
    InitScrollBars();
    ShowFrame(0);
    QPalette pal;
    pal.setColor(QPalette::Window, T_ToQColor(m_params.viewOpts.frameColor));
    m_notchS->setPalette(pal);
    m_notchT->setPalette(pal);
}

bool TKv5MainWin::ZeroTraceCheck() {
    const int traces = m_reader.GetInt(3);
    const int k = std::min(100, traces);
    int found = 0;
    double mean = 0.0;
    try {
        mean = KV_FirstNonZeroMean(m_reader, 1, k, &found);
        if (found == 0) {
            if (k == traces) {
                ShowMsg(this, MsgKind::Warning, KV_Text(kvs::AllZero));
                return false;
            }
            if (!ShowMsg(this, MsgKind::Question, KV_Text(kvs::ZeroQuestion).arg(100)))
                return false;
            mean = KV_FirstNonZeroMean(m_reader, 101, traces, &found);
            if (found == 0) {
                ShowMsg(this, MsgKind::Warning, KV_Text(kvs::AllZero));
                return false;
            }
        }
    } catch (const ESegyFiler& e) {
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::ReadError).arg(e.TraceNo()).arg(e.Code()));
        return false;
    }
    m_ampFactor = mean > 0.0 ? float(10.0 / mean) : 1.0f;
    m_dt = m_reader.GetInt(4) * 1e-6;
    m_params.SetDefaults();
    ApplyFileFacts();
    return true;
}

void TKv5MainWin::ApplyFileFacts() {
    m_params.signal.maxDelay = m_reader.GetInt(7);
    m_supplier.SetInterval(m_dt);
    m_supplier.SetInputScale(m_ampFactor * kDisplayScale);
}

QString TKv5MainWin::BookmarkFile() const {
    const QString dir = m_settings.GetSetDir();
    if (!m_settings.SaveBookMarks() || dir.isEmpty() || m_openName.isEmpty())
        return QString();
    return QDir(dir).filePath(QFileInfo(m_openName).completeBaseName() + QStringLiteral(".bm"));
}

void TKv5MainWin::CloseFile(bool keepPending) {
    if (m_fileOpen) {
        m_sets.SetLast(m_params);
        const QString bm = BookmarkFile();
        if (!bm.isEmpty() && !m_marks.Save(bm))
            ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
    }
    m_marks.Delete(-1);
    m_fast->hide();
    if (m_reader.IsOpen())
        m_reader.Close();
    m_fileOpen = false;
    m_openName.clear();
    m_notchS->hide();
    m_notchT->hide();
    m_hint->hide();
    m_cursor.Reset();
    m_history.Clear();
    if (m_agaWin != nullptr)
        m_agaWin->hide();
    for (QLabel* p : m_panels)
        p->clear();
    m_plotter.Clear(false);
    m_img->update();
    setWindowTitle(KV_Text(kvs::AppTitle));
    for (QScrollBar* b : {m_barH, m_barV}) {
        b->blockSignals(true);
        b->setRange(1, 1);
        b->setPageStep(0);
        b->setValue(1);
        b->blockSignals(false);
        b->setEnabled(false);
    }
    if (!keepPending)
        m_pending.clear();
    UpdateCommands();
}

void TKv5MainWin::StartNewCopy(const QString& file) {
    const QStringList args = {file, QString::number(quint64(winId()))};
    if (!QProcess::startDetached(ViewerProgram(), args))
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::NewCopyFailed));
}

// ---- drawing and scroll bars

void TKv5MainWin::ShowFrame(int mode, const QPoint& vertex) {
    if (!m_fileOpen)
        return;
    m_supplier.ClearFailure();
    const QPoint want = mode == 0 ? QPoint(1, 1) : mode == 1 ? m_plotter.GetFrameVertex() : vertex;
    bool drawn = true;
    try {
        m_plotter.Update(want);
    } catch (int n) {
        drawn = false;
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::TraceNo).arg(n));
    } catch (...) {
        drawn = false;
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::BadViewOpts));
        m_params.SetDefaults();
        ApplyFileFacts();
    }
    ++m_framesDrawn;
    m_img->update();
    if (drawn) {
        AdjustScrollBars();
        if (mode != 1)
            m_history.Record(m_plotter.GetFrameVertex());
    }
    // A failing trace is told once per file, not at every redraw of the same frame.
    if (m_supplier.Failed() && (m_supplier.FailedTrace() != m_reportedTrace ||
                                m_supplier.FailedCode() != m_reportedCode)) {
        m_reportedTrace = m_supplier.FailedTrace();
        m_reportedCode = m_supplier.FailedCode();
        ShowMsg(this, MsgKind::Error,
                KV_Text(kvs::ReadError).arg(m_reportedTrace).arg(m_reportedCode));
    }
    UpdateCommands();
}

void TKv5MainWin::InitScrollBars() {
    m_plotter.InitScrollBar(m_stateH);
    m_plotter.InitScrollBar(m_stateV);
}

void TKv5MainWin::AdjustScrollBars() {
    m_plotter.AdjustScrollBar(m_stateH, m_params.scroll.GetInc(0));
    m_plotter.AdjustScrollBar(m_stateV, m_params.scroll.GetInc(1));
    for (auto [bar, st] : {std::pair{m_barH, &m_stateH}, std::pair{m_barV, &m_stateV}}) {
        bar->blockSignals(true);
        if (st->enabled) {
            bar->setRange(st->min, std::max(st->min, st->max - st->pageSize + 1));
            bar->setPageStep(std::max(1, st->largeChange));
            bar->setSingleStep(std::max(1, st->smallChange));
            bar->setValue(st->position >= st->max ? bar->maximum() : st->position);
        } else {
            bar->setRange(1, 1);
            bar->setValue(1);
        }
        bar->blockSignals(false);
    }
}

void TKv5MainWin::OnScrollAction(bool vertical, int action) {
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction)
        return;
    ScrollTo(vertical, (vertical ? m_barV : m_barH)->sliderPosition());
}

void TKv5MainWin::ScrollTo(bool vertical, int position) {
    if (!m_fileOpen)
        return;
    WaitCursor wait;
    const QPoint v = m_plotter.GetScVertex(vertical ? m_stateV : m_stateH, position);
    if (v == m_plotter.GetFrameVertex()) {
        Beep();
        AdjustScrollBars();
        return;
    }
    ShowFrame(2, v);
}

void TKv5MainWin::OnImageResized() {
    m_plotter.Init(&m_img->Canvas(), &m_params.viewOpts, true);
    if (m_fileOpen) {
        m_plotter.SetFileInfo(m_reader.GetInt(3), m_reader.GetInt(4), m_reader.GetInt(7));
        ShowFrame(1);
    } else {
        m_plotter.Clear(false);
    }
}

void TKv5MainWin::OnWheel(QWheelEvent* e) {
    e->accept();
    WheelScroll(!(e->modifiers() & Qt::ShiftModifier), e);
}

void TKv5MainWin::WheelScroll(bool vertical, const QWheelEvent* e) {
    if (!m_fileOpen)
        return;
    QScrollBar* bar = vertical ? m_barV : m_barH;
    const int delta = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    if (delta == 0)
        return;
    // Wheel down adds, up subtracts, never before the first position.
    const int pos =
        std::max(bar->minimum(), bar->value() + (delta < 0 ? 1 : -1) * bar->singleStep());
    ScrollTo(vertical, pos);
}

// ---- mouse over the image

void TKv5MainWin::ClearReadout() {
    m_cursor.Reset();
    for (int i = 1; i <= 6; ++i)
        m_panels[i]->clear();
    m_hint->hide();
}

void TKv5MainWin::OnMouseMove(QMouseEvent* e) {
    if (!m_fileOpen)
        return;
    const QPoint pos = e->position().toPoint();
    const bool inPad = m_plotter.InsidePad(pos);
    m_notchS->setVisible(inPad);
    m_notchT->setVisible(inPad);
    if (inPad) {
        const QPoint m = m_plotter.GetPadMargins();
        m_notchS->move(m.x() - kNotchLen - 1, pos.y() - 1);
        m_notchT->move(pos.x() - 1, m.y() - kNotchLen - 1);
    }
    const QPoint real = m_plotter.ScreenToReal(pos);
    if (real.x() <= 0 || real.y() <= 0) {
        ClearReadout();
        return;
    }
    m_cursor.trace = real.x();
    m_cursor.sample = quint16(real.y());
    QPoint rec = real;
    m_cache.AddDelay(rec);
    const int samples = m_reader.GetInt(7);
    m_cursor.recSample = quint16(rec.y() >= 0 && rec.y() <= samples ? rec.y() : 0);
    float value = 0.0f;
    QString offset;
    try {
        m_reader.SetTrace(real.x());
        value = m_cursor.recSample > 0 ? m_reader.SampAsFloat(m_cursor.recSample - 1) : 0.0f;
        if (m_params.signal.offsetByTrace)
            offset = QString::number(double(m_params.signal.EvaluateOffset(real.x())), 'g', 10);
        else
            offset = QString::number(std::llabs(m_reader.HdrWord('T', 11)));
    } catch (const ESegyFiler&) {
        offset.clear();
    }
    m_cursor.amplitude = value;
    m_cursor.shotTime = m_cache.GetShotTime(real.x());
    m_panels[1]->setText(QStringLiteral("N: %1").arg(m_cursor.trace));
    m_panels[2]->setText(QStringLiteral("S: ") + m_cursor.GetSampleStr());
    m_panels[3]->setText(QStringLiteral("T: ") + m_cursor.GetTimeStr(m_reader.GetInt(5)));
    m_panels[4]->setText(QStringLiteral(" A: ") + m_cursor.GetSignalStr());
    m_panels[5]->setText(m_cursor.GetShotTimeStr());
    m_panels[6]->setText(QStringLiteral("O: ") + offset);
    if (m_hintOn)
        ShowHint(e->globalPosition().toPoint());
}

void TKv5MainWin::ShowHint(const QPoint& global) {
    m_hint->setText(m_cursor.GetHintStr());
    m_hint->adjustSize();
    m_hint->move(global + QPoint(12, 16));
    m_hint->show();
    m_hintTimer.start();
}

void TKv5MainWin::ToggleHint() {
    m_hintOn = !m_hintOn;
    if (!m_hintOn)
        m_hint->hide();
    UpdateCommands();
}

void TKv5MainWin::OnMousePress(QMouseEvent* e) {
    if (!m_fileOpen)
        return;
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        m_popup->popup(e->globalPosition().toPoint());
        return;
    }
    if (e->button() != Qt::LeftButton || !m_plotter.InsidePad(pos))
        return;
    const Qt::KeyboardModifiers m = e->modifiers();
    m_dragCode = KV_DragCode(m & Qt::ControlModifier, m & Qt::ShiftModifier, m & Qt::AltModifier);
    if (m_dragCode < 0)
        return;
    m_downPx = pos;
    m_dragTimer.start();
}

void TKv5MainWin::OnMouseRelease(QMouseEvent* e) {
    m_dragTimer.stop();
    m_img->unsetCursor();
    const int code = m_dragCode;
    m_dragCode = -1;
    if (!m_fileOpen || e->button() != Qt::LeftButton || code < 0)
        return;
    const QPoint pos = e->position().toPoint();
    if (!m_plotter.InsidePad(pos))
        return;
    if (code == kDragNone) {
        QPoint v;
        if (KV_PanVertex(m_plotter.GetFrameVertex(), m_downPx, pos,
                         m_plotter.ScreenToReal(m_downPx), m_plotter.ScreenToReal(pos),
                         m_params.viewOpts.tScale, m_reader.GetInt(3), m_reader.GetInt(7), &v))
            ShowFrame(2, v);
    } else if (code == kDragAlt) {
        ShowFrame(1);
    } else if (KV_ScaleDrag(code, pos - m_downPx, m_params.viewOpts)) {
        ShowFrame(1);
    }
}

// ---- keys, events, closing

bool TKv5MainWin::HandleKey(QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    const bool ctrl = m & Qt::ControlModifier, shift = m & Qt::ShiftModifier,
               alt = m & Qt::AltModifier;
    if (e->key() == Qt::Key_Tab && ctrl) {
        if (qobject_cast<QScrollBar*>(QApplication::focusWidget()) != nullptr) {
            m_toolWidgets.value(0)->setFocus();
            return true;
        }
        return false;
    }
    if (!m_fileOpen)
        return false;
    const KvKeyAction a = KV_MapKey(e->key(), ctrl, shift, alt);
    switch (a.kind) {
    case KvKeyAction::ApplySet:
        if (m_sets.Valid(a.number))
            ApplySet(a.number);
        return true;
    case KvKeyAction::MemorizeSet:
        Memorize(a.number);
        return true;
    case KvKeyAction::Parameter:
        m_params.Modify(ushort(a.letter), alt, shift, ctrl);
        ShowFrame(1);
        return true;
    case KvKeyAction::None:
        break;
    }
    return false;
}

void TKv5MainWin::ApplySet(int index) {
    if (!m_fileOpen || !m_sets.Valid(index))
        return;
    m_sets.Get(index, m_params);
    m_params.SetAgaMode(false);
    ApplyFileFacts();
    ShowFrame(1);
}

bool TKv5MainWin::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(obj);
        // Every key of this window passes here first, whichever control has the focus.
        if (w != nullptr && w->window() == this && isEnabled())
            return HandleKey(static_cast<QKeyEvent*>(e));
    } else if (e->type() == QEvent::Wheel && (obj == m_barH || obj == m_barV)) {
        // A wheel over a bar scrolls that bar the same way as over the image.
        WheelScroll(obj == m_barV, static_cast<QWheelEvent*>(e));
        return true;
    } else if (e->type() == QEvent::MouseButtonDblClick && obj == statusBar()) {
        statusBar()->setFocus();
    }
    return QMainWindow::eventFilter(obj, e);
}

bool TKv5MainWin::event(QEvent* e) {
    if (e->type() == kWmViewerReload) {
        m_reopen.Load();
        RebuildReopenMenu();
        m_settings.Load();
        m_sets.Load();
        FillSetNames();
        UpdateCommands();
        if (!m_pending.isEmpty())
            OpenPending();
        return true;
    }
    if (e->type() == kWmViewerFastCmd || e->type() == kWmViewerAgaChanged) {
        const auto* m = static_cast<TKvWinMsg*>(e);
        if (e->type() == kWmViewerFastCmd)
            OnFastCommand(m->wParam, m->lParam);
        else
            OnAgaChanged(m->wParam);
        return true;
    }
    if (e->type() == QEvent::StatusTip) {
        m_panels[0]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TKv5MainWin::OnFastCommand(quint32 wParam, qint64 lParam) {
    if (wParam == 0) {
        ShowFrame(1);
    } else if (wParam == 12) {
        Dispatch(kvc::Defaults);
    } else if (wParam <= 10 && lParam == 1) {
        StoreSet(int(wParam) - 1, QString());
    } else if (wParam <= 10 && lParam == 0) {
        ApplySet(int(wParam) - 1);
    }
}

void TKv5MainWin::OnAgaChanged(quint32 wParam) {
    UpdateCommands();
    if (wParam == 0)
        return;
    if (m_params.gainTable.Count() > 0)
        ShowFrame(1);
    else
        Dispatch(kvc::AgaMode);
}

void TKv5MainWin::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    LayoutToolbar();
}

void TKv5MainWin::closeEvent(QCloseEvent* e) {
    CloseFile(false);
    const bool saved = m_settings.Save();
    if (!m_sets.Save(m_params) || !saved)
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
    e->accept();
}

// ---- parameter files and export

QString TKv5MainWin::ChooseParamFile(bool save) {
    const QString dir = m_settings.GetSetDir();
    if (dir.isEmpty()) {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::NoSetFolder));
        return QString();
    }
    const QString proposed =
        QDir(dir).filePath(QFileInfo(m_openName).completeBaseName() + QStringLiteral(".uprm"));
    const QString title = KV_Text(save ? kvs::SaveParamsTitle : kvs::LoadParamsTitle);
    const QString filter = KV_Text(kvs::ParamFilter);
    QString name;
    if (m_choose)
        name = m_choose(save, title, dir, proposed, filter);
    else if (save)
        name = QFileDialog::getSaveFileName(this, title, proposed, filter);
    else
        name = QFileDialog::getOpenFileName(this, title, proposed, filter);
    if (name.isEmpty())
        return name;
    const QFileInfo fi(name);
    return fi.dir().filePath(fi.completeBaseName() + QStringLiteral(".uprm"));
}

void TKv5MainWin::SaveParams() {
    const QString name = ChooseParamFile(true);
    if (!name.isEmpty() && !m_params.Save(name))
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
}

void TKv5MainWin::LoadParams() {
    const QString name = ChooseParamFile(false);
    if (name.isEmpty())
        return;
    m_params.Load(name);
    ApplyFileFacts();
    ShowFrame(1);
}

void TKv5MainWin::StartExport() {
    if (!m_fileOpen || ExportRunning())
        return;
    if (!m_params.Save(KV_GetImgrParamsFile())) {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
        return;
    }
    const QRect r = m_plotter.GetFrameRect();
    const QStringList args = {m_openName,
                              QString::number(r.left()),
                              QString::number(r.right()),
                              QString::number(r.top()),
                              QString::number(r.bottom()),
                              QString::number(quint64(winId())),
                              QString::number(m_params.AgaMode() ? 1 : 0)};
    if (m_export == nullptr) {
        m_export = new QProcess(this);
        m_export->setProcessChannelMode(QProcess::ForwardedChannels);
        connect(m_export, &QProcess::finished, this, [this] { setEnabled(true); });
        connect(m_export, &QProcess::errorOccurred, this, [this](QProcess::ProcessError err) {
            if (err != QProcess::FailedToStart)
                return;
            setEnabled(true);
            ShowMsg(this, MsgKind::Error, KV_Text(kvs::ExportFailed));
        });
    }
    setEnabled(false);
    m_export->start(KV_GetImagerExeName(), args);
}

// ---- parameter sets, go-to and bookmarks through their dialogs

void TKv5MainWin::Memorize(int preset) {
    if (!m_fileOpen)
        return;
    QStringList names;
    m_sets.GetNames(names);
    int index = 0;
    QString name;
    if (TMemSetDlg::Execute(this, names, preset, &index, &name))
        StoreSet(index, name);
}

void TKv5MainWin::StoreSet(int index, const QString& name) {
    m_sets.Set(index, name, m_params);
    FillSetNames();
    if (!m_sets.Save(m_params))
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::SaveError));
    UpdateCommands();
}

void TKv5MainWin::GoToFrame() {
    QPoint v;
    if (m_fileOpen && TMoveDlg::Execute(this, m_plotter.GetFrameVertex(), m_reader.GetInt(5), &v))
        ShowFrame(2, KV_ClampVertex(v, m_reader.GetInt(3), m_reader.GetInt(7)));
}

void TKv5MainWin::GoToBookmark() {
    QPoint v;
    if (m_fileOpen && TBkMarksDlg::Execute(this, m_marks, &v) && v != m_plotter.GetFrameVertex())
        ShowFrame(2, KV_ClampVertex(v, m_reader.GetInt(3), m_reader.GetInt(7)));
}
