#include "traceview/tbookmarkdlg.h"

#include "traceview/kvdlgrules.h"
#include "traceview/kvstrings.h"
#include "ui_tbookmarkdlg.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tcbookmarks.h"

#include <QFocusEvent>

namespace {
constexpr int kHelpTopic = 481;
}

TBookmarkDlg::TBookmarkDlg(TCBookmarks& marks, const QPoint& vertex, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TBookmarkDlg>()), m_marks(marks),
      m_vertex(vertex) {
    m_ui->setupUi(this);
    m_ui->p_lbWarn->hide();
    m_ui->p_edName->setText(KV_ProposedMarkName(vertex));
    m_ui->p_edName->selectAll();
    connect(m_ui->p_edName, &QLineEdit::textChanged, this, [this](const QString& t) {
        m_ui->p_lbWarn->hide();
        m_ui->p_bnOk->setEnabled(!t.isEmpty());
    });
    connect(m_ui->p_bnOk, &QPushButton::clicked, this, &TBookmarkDlg::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &TBookmarkDlg::reject);
    m_ui->p_bnOk->installEventFilter(this);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
}

TBookmarkDlg::~TBookmarkDlg() = default;

bool TBookmarkDlg::MakeBookmark(QWidget* parent, TCBookmarks& marks, const QPoint& vertex) {
    if (const int refusal = KV_MarkRefusal(marks, vertex)) {
        ShowMsg(parent, MsgKind::Warning, KV_Text(refusal));
        return false;
    }
    TBookmarkDlg dlg(marks, vertex, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool TBookmarkDlg::NameFree() {
    if (m_marks.IndexOf(m_ui->p_edName->text()) < 0)
        return true;
    m_ui->p_lbWarn->show();
    Beep();
    m_ui->p_edName->setFocus();
    return false;
}

bool TBookmarkDlg::eventFilter(QObject* obj, QEvent* e) {
    if (obj == m_ui->p_bnOk && e->type() == QEvent::FocusIn)
        NameFree();
    return QDialog::eventFilter(obj, e);
}

void TBookmarkDlg::accept() {
    // Enter in the name box presses "ОК" without moving the focus there, so the name is
    // checked again: two bookmarks of one name could not be told apart in the list.
    const QString name = m_ui->p_edName->text();
    if (name.isEmpty() || !NameFree())
        return;
    m_marks.Add(name, m_vertex);
    QDialog::accept();
}
