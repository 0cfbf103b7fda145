#include "traceview/tmovedlg.h"

#include "traceview/kvdlgrules.h"
#include "ui_tmovedlg.h"
#include "uikit/helpwindow.h"

#include <QIntValidator>

namespace {
constexpr int kHelpTopic = 484;
}

TMoveDlg::TMoveDlg(const QPoint& vertex, int interval, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TMoveDlg>()), m_interval(interval) {
    m_ui->setupUi(this);
    for (QLineEdit* e : {m_ui->p_edTrace, m_ui->p_edSample, m_ui->p_edTime})
        e->setValidator(new QIntValidator(0, 2147483647, e));
    m_ui->p_edTrace->setText(QString::number(vertex.x()));
    m_ui->p_edSample->setText(QString::number(vertex.y()));
    m_ui->p_edTime->setText(KV_TimeFromSample(m_ui->p_edSample->text(), interval));
    // textEdited comes from typing only, so setting the other box does not echo back.
    connect(m_ui->p_edSample, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_ui->p_edTime->setText(KV_TimeFromSample(t, m_interval));
    });
    connect(m_ui->p_edTime, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_ui->p_edSample->setText(KV_SampleFromTime(t, m_interval));
    });
    auto enableOk = [this] {
        m_ui->p_bnOk->setEnabled(!m_ui->p_edTrace->text().isEmpty() &&
                                 !m_ui->p_edSample->text().isEmpty());
    };
    connect(m_ui->p_edTrace, &QLineEdit::textChanged, this, enableOk);
    connect(m_ui->p_edSample, &QLineEdit::textChanged, this, enableOk);
    connect(m_ui->p_bnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
}

TMoveDlg::~TMoveDlg() = default;

QPoint TMoveDlg::Vertex() const {
    return QPoint(m_ui->p_edTrace->text().toInt(), m_ui->p_edSample->text().toInt());
}

bool TMoveDlg::Execute(QWidget* parent, const QPoint& vertex, int interval, QPoint* result) {
    TMoveDlg dlg(vertex, interval, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Vertex() == vertex)
        return false;
    *result = dlg.Vertex();
    return true;
}
