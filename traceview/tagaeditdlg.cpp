#include "traceview/tagaeditdlg.h"

#include "traceview/kvagarules.h"
#include "ui_tagaeditdlg.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {
constexpr int kHelpTopic = 471;
} // namespace

TAgaEditDlg::TAgaEditDlg(int traces, const QString& trace, const QString& gain,
                         const QPoint& screenPos, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TAgaEditDlg>()), m_traces(traces) {
    m_ui->setupUi(this);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
    m_ui->p_edTrace->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
    m_ui->p_edGain->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-+]?\\d*\\.?\\d*")), this));
    m_ui->p_edTrace->setText(trace);
    m_ui->p_edGain->setText(gain);
    connect(m_ui->p_edTrace, &QLineEdit::textChanged, this, &TAgaEditDlg::UpdateOk);
    connect(m_ui->p_edGain, &QLineEdit::textChanged, this, &TAgaEditDlg::UpdateOk);
    connect(m_ui->p_bnOk, &QPushButton::clicked, this, &TAgaEditDlg::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &TAgaEditDlg::reject);
    UpdateOk();
    move(screenPos);
    m_ui->p_edTrace->setFocus();
}

TAgaEditDlg::~TAgaEditDlg() = default;

QString TAgaEditDlg::TraceText() const {
    return m_ui->p_edTrace->text();
}

QString TAgaEditDlg::GainText() const {
    return m_ui->p_edGain->text();
}

void TAgaEditDlg::UpdateOk() {
    m_ui->p_bnOk->setEnabled(KV_AgaEntryOkEnabled(TraceText(), GainText()));
}

void TAgaEditDlg::accept() {
    if (!KV_AgaEntryAcceptable(TraceText(), GainText(), m_traces)) {
        Beep();
        m_ui->p_edTrace->setFocus();
        return;
    }
    QDialog::accept();
}

void TAgaEditDlg::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        e->ignore();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_ui->p_bnOk->isEnabled())
            m_ui->p_bnOk->click();
        return;
    case Qt::Key_Escape:
        m_ui->p_bnCancel->click();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}
