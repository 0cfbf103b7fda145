#include "traceview/tagatablewin.h"

#include "traceview/kvagarules.h"
#include "traceview/kvstrings.h"
#include "traceview/kvwinmsg.h"
#include "traceview/tagaeditdlg.h"
#include "traceview/tagatablemodel.h"
#include "ui_tagatablewin.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tcviewerparams.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QLocale>

#include <algorithm>

namespace {
constexpr int kHelpTopic = 470;
// The gap VCL's client area kept below the window for the scroll bar and status bar.
constexpr int kBottomGap = 37;
} // namespace

TAGATableWin::TAGATableWin(TCViewerParams* params, QWidget* owner, QWidget* parent)
    : QFrame(parent), m_ui(std::make_unique<Ui::TAGATableWin>()), m_params(params), m_owner(owner) {
    m_ui->setupUi(this);
    SetHelpTopic(this, kHelpTopic);
    m_designHeight = height();
    setFixedWidth(width());
    setMinimumHeight(m_designHeight);
    m_model = new TAgaTableModel(&m_params->gainTable, this);
    QTableView* list = m_ui->p_lvTable;
    list->setModel(m_model);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = list->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    list->setColumnWidth(0, 12);

    auto add = [this, list](const char* name, const QString& text, const QKeySequence& key,
                            void (TAGATableWin::*slot)()) {
        auto* a = new QAction(text, list);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        list->addAction(a);
        addAction(a);
        return a;
    };
    m_delete = add("p_miDelete", QStringLiteral("Удалить"), QKeySequence(Qt::Key_Delete),
                   &TAGATableWin::DeleteSelected);
    m_clear = add("p_miClear", QStringLiteral("Очистить"), QKeySequence(Qt::Key_F8),
                  &TAGATableWin::ClearTable);
    add("p_miEdit", QStringLiteral("Изменить"), QKeySequence(Qt::Key_Insert),
        &TAGATableWin::EditEntry);
    add("p_miPlace", QStringLiteral("Положение"), QKeySequence(), &TAGATableWin::Place);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAGATableWin::UpdateMenu);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TAGATableWin::UpdateMenu);
    connect(m_ui->p_bnClose, &QToolButton::clicked, this, &QWidget::hide);
    UpdateMenu();
    hide();
}

TAGATableWin::~TAGATableWin() = default;

QTableView* TAGATableWin::List() const {
    return m_ui->p_lvTable;
}

void TAGATableWin::ShowWin() {
    Refresh();
    if (!isVisible())
        Place();
    show();
    raise();
}

void TAGATableWin::Place() {
    const int areaHeight = parentWidget() != nullptr ? parentWidget()->height() : height();
    move(-3, std::max(0, areaHeight - height() - kBottomGap));
}

void TAGATableWin::Refresh() {
    const int row = SelectedRow();
    if (m_model->Refresh())
        Select(std::min(row, m_model->rowCount() - 1));
    UpdateMenu();
}

int TAGATableWin::Symmetric(int trace) const {
    return KV_SymmetricTrace(trace, m_params->signal.refTrace, m_traces);
}

void TAGATableWin::AddEntry(int trace, int symmetric, float gain) {
    const int s = m_ui->p_cbnSym->isChecked() ? symmetric : 0;
    if (!KV_AgaAdd(m_params->gainTable, trace, s, gain))
        ShowMsg(m_owner, MsgKind::Warning, KV_Text(kvs::AgaFull));
    m_model->Refresh();
    Changed();
}

void TAGATableWin::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    const int next = KV_AgaDelete(m_params->gainTable, row, m_ui->p_cbnSym->isChecked(),
                                  m_params->signal.refTrace, m_traces);
    m_model->Refresh();
    Select(next);
    Changed();
}

void TAGATableWin::ClearTable() {
    if (m_params->gainTable.Count() == 0)
        return;
    m_params->gainTable.Clear();
    m_model->Refresh();
    Changed();
}

void TAGATableWin::EditEntry() {
    const int row = SelectedRow();
    QString trace, gain;
    if (row >= 0) {
        trace = m_model->index(row, 1).data().toString();
        gain = m_model->index(row, 2).data().toString();
    }
    TAgaEditDlg dlg(m_traces, trace, gain, m_ui->p_pnBottom->mapToGlobal(QPoint(0, 0)), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    bool okT = false, okG = false;
    const int t = dlg.TraceText().trimmed().toInt(&okT);
    const double db = QLocale::c().toDouble(dlg.GainText().trimmed(), &okG);
    if (!okT || !okG) {
        Beep();
        return;
    }
    AddEntry(t, Symmetric(t), float(TCSignal::DecibelToFactor(db)));
    Select(0);
}

int TAGATableWin::SelectedRow() const {
    const QModelIndexList rows = m_ui->p_lvTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TAGATableWin::Select(int row) {
    QTableView* list = m_ui->p_lvTable;
    if (row < 0 || row >= m_model->rowCount()) {
        list->clearSelection();
        return;
    }
    list->selectRow(row);
    list->setCurrentIndex(m_model->index(row, 1));
}

void TAGATableWin::Changed() {
    UpdateMenu();
    if (m_params->AgaMode())
        QCoreApplication::postEvent(m_owner, new TKvWinMsg(kWmViewerAgaChanged, 1, 0));
}

void TAGATableWin::UpdateMenu() {
    m_delete->setEnabled(SelectedRow() >= 0);
    m_clear->setEnabled(m_model->rowCount() > 0);
}

void TAGATableWin::hideEvent(QHideEvent* e) {
    QFrame::hideEvent(e);
    if (!e->spontaneous())
        QCoreApplication::postEvent(m_owner, new TKvWinMsg(kWmViewerAgaChanged, 0, 0));
}
