#include "traceview/tfastctrlwin.h"

#include "traceview/kvdlgrules.h"
#include "traceview/kvwinmsg.h"
#include "ui_tfastctrlwin.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"
#include "viewcore/tcsetarray.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>

#include <algorithm>

namespace {

constexpr int kHelpTopic = 480;
const QColor kGrey(128, 128, 128);

// The mark of a switchable entry that is off; other rows get a blank of the same size.
QIcon RowIcon(bool off) {
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    if (off) {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kGrey, 1.5));
        p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        p.drawLine(QPointF(3.5, 8.5), QPointF(8.5, 3.5));
    }
    return QIcon(pm);
}

} // namespace

TFastCtrlWin::TFastCtrlWin(QWidget* client)
    : QFrame(client, Qt::SubWindow), m_ui(std::make_unique<Ui::TFastCtrlWin>()) {
    m_ui->setupUi(this);
    resize(width(), kDesignHeight);
    setMinimumHeight(kDesignHeight / 2);
    setMaximumHeight(kDesignHeight);
    QPalette cap = m_ui->p_pnlCaption->palette();
    cap.setColor(QPalette::Window, cap.color(QPalette::Highlight));
    cap.setColor(QPalette::WindowText, cap.color(QPalette::HighlightedText));
    cap.setColor(QPalette::ButtonText, cap.color(QPalette::HighlightedText));
    m_ui->p_pnlCaption->setPalette(cap);
    // The grip in the corner changes the height between half and all of the design height.
    m_ui->p_laySets->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom | Qt::AlignRight);

    QListWidget* list = m_ui->p_lvParams;
    for (int i = 0; i < m_ctrl.Count(); ++i) {
        auto* item = new QListWidgetItem(m_ctrl.At(i).name, list);
        item->setSizeHint(QSize(0, kRowHeight));
    }
    connect(list, &QListWidget::currentRowChanged, this, &TFastCtrlWin::UpdateButtons);
    connect(m_ui->p_bnSwitch, &QToolButton::clicked, this, [this] {
        const int row = CurrentRow();
        if (!KV_FastCanSwitch(m_ctrl, row, m_gainTableShown))
            return;
        m_ctrl.Switch(row);
        Send(0, 0);
        Refresh();
    });
    for (auto [button, inc] : {std::pair{m_ui->p_bnInc, true}, std::pair{m_ui->p_bnDec, false}}) {
        connect(button, &QToolButton::clicked, this, [this, inc = inc] {
            const int row = CurrentRow();
            if (!KV_FastCanChange(m_ctrl, row, inc))
                return;
            m_ctrl.ChangeNumeric(row, inc);
            m_pending = true;
            Refresh();
        });
    }
    connect(m_ui->p_bnDefault, &QToolButton::clicked, this, [this] { Send(12, 0); });
    connect(m_ui->p_bnHelp, &QToolButton::clicked, this, [] { ShowHelpTopic(kHelpTopic); });
    connect(m_ui->p_bnClose, &QToolButton::clicked, this, &QWidget::hide);
    for (int i = 0; i < 10; ++i) {
        QAbstractButton* b =
            findChild<QAbstractButton*>(QStringLiteral("p_bnSet%1").arg((i + 1) % 10));
        m_setButtons[i] = b;
        b->installEventFilter(this);
        connect(b, &QAbstractButton::clicked, this, [this, i] { OnSetButton(i); });
    }
    m_ui->p_pnlCaption->installEventFilter(this);
    client->installEventFilter(this);
    m_timer.setInterval(kRedrawMs);
    connect(&m_timer, &QTimer::timeout, this, &TFastCtrlWin::FlushRedraw);
    m_timer.start();
    SetHelpTopic(this, kHelpTopic);
    hide();
}

TFastCtrlWin::~TFastCtrlWin() = default;

void TFastCtrlWin::Bind(TCViewerParams* params, TCSetArray* sets) {
    m_ctrl.Init(params);
    m_sets = sets;
    if (m_ui->p_lvParams->currentRow() < 0)
        m_ui->p_lvParams->setCurrentRow(0);
    Refresh();
}

int TFastCtrlWin::CurrentRow() const {
    return m_ui->p_lvParams->currentRow();
}

void TFastCtrlWin::Refresh() {
    if (m_sets == nullptr)
        return;
    QListWidget* list = m_ui->p_lvParams;
    const QColor text = list->palette().color(QPalette::Text);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const bool off = m_ctrl.Flag(i) && !m_ctrl.FlagOn(i);
        item->setForeground(off ? kGrey : text);
        item->setIcon(RowIcon(off));
        item->setToolTip(m_ctrl.GetParamHint(i));
    }
    UpdateButtons();
    const QColor active = palette().color(QPalette::Highlight);
    for (int i = 0; i < 10; ++i) {
        const KvSetButtonLook l = KV_SetButtonLook(*m_sets, i, active);
        QPalette pal = m_setButtons[i]->palette();
        pal.setColor(QPalette::ButtonText, l.color);
        m_setButtons[i]->setPalette(pal);
        m_setButtons[i]->setToolTip(l.hint);
    }
}

void TFastCtrlWin::UpdateButtons() {
    if (m_sets == nullptr)
        return;
    const int row = CurrentRow();
    m_ui->p_bnSwitch->setEnabled(KV_FastCanSwitch(m_ctrl, row, m_gainTableShown));
    m_ui->p_bnInc->setEnabled(KV_FastCanChange(m_ctrl, row, true));
    m_ui->p_bnDec->setEnabled(KV_FastCanChange(m_ctrl, row, false));
}

void TFastCtrlWin::SetGainTableShown(bool shown) {
    m_gainTableShown = shown;
    UpdateButtons();
}

void TFastCtrlWin::Send(quint32 wParam, qint64 lParam) {
    m_ui->p_pnlButtons->setEnabled(false);
    TKvWinMsg msg(kWmViewerFastCmd, wParam, lParam);
    QCoreApplication::sendEvent(window(), &msg);
    m_ui->p_pnlButtons->setEnabled(true);
}

void TFastCtrlWin::FlushRedraw() {
    if (!m_pending)
        return;
    m_pending = false;
    QCoreApplication::postEvent(window(), new TKvWinMsg(kWmViewerFastCmd, 0, 0));
}

void TFastCtrlWin::OnSetButton(int index) {
    const quint32 n = quint32(index + 1);
    if (m_shift)
        Send(n, 1);
    else if (m_sets->Valid(index))
        Send(n, 0);
    else
        Beep();
    m_shift = false;
    Refresh();
}

void TFastCtrlWin::showEvent(QShowEvent* e) {
    if (!m_placed)
        Dock(true);
    QFrame::showEvent(e);
}

void TFastCtrlWin::Dock(bool top) {
    m_placed = true;
    const QWidget* client = parentWidget();
    move(std::max(0, client->width() - width()),
         top ? 0 : std::max(0, client->height() - height()));
}

void TFastCtrlWin::KeepInside() {
    const QWidget* client = parentWidget();
    move(std::clamp(x(), 0, std::max(0, client->width() - width())),
         std::clamp(y(), 0, std::max(0, client->height() - height())));
}

bool TFastCtrlWin::eventFilter(QObject* obj, QEvent* e) {
    if (obj == parentWidget() && e->type() == QEvent::Resize) {
        KeepInside();
    } else if (obj == m_ui->p_pnlCaption &&
               (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove)) {
        // The caption drags the panel about the client area.
        const auto* m = static_cast<QMouseEvent*>(e);
        if (e->type() == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) {
            m_dragFrom = m->position().toPoint();
            raise();
        } else if (e->type() == QEvent::MouseMove && (m->buttons() & Qt::LeftButton)) {
            move(pos() + m->position().toPoint() - m_dragFrom);
            KeepInside();
        }
    } else if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress) &&
               std::find(std::begin(m_setButtons), std::end(m_setButtons), obj) !=
                   std::end(m_setButtons)) {
        // Whether Shift was held as the set button went down.
        const auto* in = static_cast<QInputEvent*>(e);
        m_shift = in->modifiers() & Qt::ShiftModifier;
    }
    return QFrame::eventFilter(obj, e);
}
