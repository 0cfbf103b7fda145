#include "traceview/tviewoptdlg.h"

#include "plotcore/tcolor.h"
#include "traceview/kvstrings.h"
#include "ui_tviewoptdlg.h"
#include "uikit/helpwindow.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tcviewerparams.h"

#include <QColorDialog>
#include <QFocusEvent>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kHelpTopic = 460;
enum Page { kView = 0, kAmplitude = 1, kReduction = 2, kFilter = 3, kScroll = 4 };

const char* const kEmptyChecked[] = {"p_ed2Dist", "p_ed2Zero",  "p_ed2Vr", "p_ed2VrInc",
                                     "p_ed2Dt",   "p_ed2DtInc", "p_ed3F1", "p_ed3F2"};

QString Fixed(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

double Number(const QLineEdit* e) {
    return QLocale::c().toDouble(e->text().trimmed());
}

qint64 Whole(const QLineEdit* e) {
    return e->text().trimmed().toLongLong();
}

quint32 ToTColor(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace

TViewOptDlg::TViewOptDlg(TCViewerParams& params, int page, bool agaWindowShown, int samples,
                         QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TViewOptDlg>()), m_params(params),
      m_agaWindowShown(agaWindowShown), m_samples(samples) {
    m_ui->setupUi(this);
    // No context menu anywhere in the dialog, the boxes' own included.
    setContextMenuPolicy(Qt::NoContextMenu);
    for (QWidget* w : findChildren<QWidget*>())
        w->setContextMenuPolicy(Qt::NoContextMenu);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);

    const auto real =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*\\.?\\d*")), this);
    const auto whole =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*")), this);
    const auto unsignedWhole =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this);
    for (const char* n : {"p_ed2Dist", "p_ed2Vr", "p_ed2VrInc"})
        Edit(n)->setValidator(real);
    for (const char* n : {"p_ed2Zero", "p_ed2Dt"})
        Edit(n)->setValidator(whole);
    for (const char* n : {"p_ed2DtInc", "p_ed3F1", "p_ed3F2"})
        Edit(n)->setValidator(unsignedWhole);
    for (const char* n : kEmptyChecked)
        Edit(n)->installEventFilter(this);
    m_ui->p_ed1Gain->installEventFilter(this);

    m_swatches[0] = m_ui->p_sh0Env;
    m_swatches[1] = m_ui->p_sh0Fill;
    m_swatches[2] = m_ui->p_sh0Axis;
    for (int i = 0; i < 3; ++i)
        connect(m_swatches[i], &QAbstractButton::clicked, this, [this, i] { ChooseColor(i); });

    QAbstractButton* modes[3] = {m_ui->p_rbn1Gain, m_ui->p_rbn1Norm, m_ui->p_rbn1Agc};
    for (int m = 0; m < 3; ++m)
        connect(modes[m], &QAbstractButton::clicked, this, [this, m] { OnModeClicked(m); });
    connect(m_ui->p_ed1Gain, &QLineEdit::textEdited, this, &TViewOptDlg::OnGainEdited);
    connect(m_ui->p_ed1Gain, &QLineEdit::editingFinished, this, &TViewOptDlg::CommitGain);
    connect(m_ui->p_cb1Inc, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        m_gain.SetIncIndex(i);
        ShowGain();
        FocusPage();
    });
    // Check boxes and radio buttons hand the focus back to their page.
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (b->isCheckable() && b->objectName().startsWith(QStringLiteral("p_")))
            connect(b, &QAbstractButton::clicked, this, &TViewOptDlg::FocusPage);
    connect(m_ui->p_pcMain, &QTabWidget::currentChanged, this, &TViewOptDlg::OnPageChanged);
    connect(m_ui->p_bnOk, &QPushButton::clicked, this, &TViewOptDlg::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &TViewOptDlg::reject);
    connect(m_ui->p_bnHelp, &QPushButton::clicked, this, [] { ShowHelpTopic(kHelpTopic); });

    Load();
    m_page = page >= kView && page <= kScroll ? page : kView;
    m_ui->p_pcMain->blockSignals(true);
    m_ui->p_pcMain->setCurrentIndex(m_page);
    m_ui->p_pcMain->blockSignals(false);
    FocusPage();
}

TViewOptDlg::~TViewOptDlg() = default;

QLineEdit* TViewOptDlg::Edit(const char* name) const {
    return findChild<QLineEdit*>(QLatin1String(name));
}

int TViewOptDlg::Page() const {
    return m_ui->p_pcMain->currentIndex();
}

void TViewOptDlg::Load() {
    const TCSViewOpts& vo = m_params.viewOpts;
    const TCSignal& s = m_params.signal;
    m_ui->p_sed0TDist->setValue(vo.tScale);
    m_ui->p_sed0SDist->setValue(vo.sScale);
    m_ui->p_sed0TStep->setValue(vo.tStep);
    m_ui->p_sed0SStep->setValue(vo.sStep);
    m_ui->p_sed0TAxis->setValue(vo.traceLabelStep);
    m_ui->p_sed0SAxis->setValue(vo.timeLabelStep);
    m_colors[0] = vo.traceColor;
    m_colors[1] = vo.fillColor;
    m_colors[2] = vo.frameColor;
    for (int i = 0; i < 3; ++i)
        PaintSwatch(i);

    m_gain.Load(s);
    QStringList incs;
    TCSignal::GetGainIncList(incs);
    m_ui->p_cb1Inc->addItems(incs);
    QAbstractButton* modes[3] = {m_ui->p_rbn1Gain, m_ui->p_rbn1Norm, m_ui->p_rbn1Agc};
    modes[m_gain.Mode()]->setChecked(true);
    m_ui->p_sed1Agc->setValue(s.agcWindow);
    m_ui->p_gb1Mode->setEnabled(KV_ModePanelEnabled(m_agaWindowShown, m_params.AgaMode()));
    m_ui->p_gb1Gain->setEnabled(!m_params.AgaMode());
    m_ui->p_cbn1Inv->setChecked(s.invert);
    m_ui->p_cbn1Minus->setChecked(!s.cutNegative);
    ShowGain();

    m_ui->p_cbn2Redu->setChecked(s.reduOn);
    (s.offsetByTrace ? m_ui->p_rbn2Eval : m_ui->p_rbn2Hdr)->setChecked(true);
    m_ui->p_ed2Dist->setText(Fixed(s.traceDist, 2));
    m_ui->p_ed2Zero->setText(QString::number(s.refTrace));
    m_ui->p_ed2Zero->setEnabled(!m_params.AgaMode());
    m_ui->p_ed2Vr->setText(Fixed(s.rVel, 2));
    m_ui->p_ed2VrInc->setText(QString::number(double(s.rVelStep), 'g', 10));
    m_ui->p_cbn2Dt->setChecked(s.delayOn);
    m_ui->p_ed2Dt->setText(QString::number(s.delay));
    m_ui->p_ed2DtInc->setText(QString::number(s.delayStep));

    m_ui->p_cbn3Filt->setChecked(s.filtOn);
    m_ui->p_ed3F1->setText(QString::number(s.lowFreq));
    m_ui->p_ed3F2->setText(QString::number(s.highFreq));
    m_ui->p_sed3Win->setValue(s.halfLen);
    m_ui->p_sed3FInc->setValue(s.freqStep);

    m_ui->p_sed4BarH->setValue(m_params.scroll.GetInc(0));
    m_ui->p_sed4BarV->setValue(m_params.scroll.GetInc(1));
    m_ui->p_sed4BtnH->setValue(m_params.scroll.GetInc(2));
    m_ui->p_sed4BtnV->setValue(m_params.scroll.GetInc(3));
}

void TViewOptDlg::Store() {
    TCSViewOpts& vo = m_params.viewOpts;
    TCSignal& s = m_params.signal;
    vo.tScale = qint16(m_ui->p_sed0TDist->value());
    vo.sScale = qint16(m_ui->p_sed0SDist->value());
    vo.tStep = qint16(m_ui->p_sed0TStep->value());
    vo.sStep = qint16(m_ui->p_sed0SStep->value());
    vo.traceLabelStep = qint16(m_ui->p_sed0TAxis->value());
    vo.timeLabelStep = qint16(m_ui->p_sed0SAxis->value());
    vo.traceColor = m_colors[0];
    vo.fillColor = m_colors[1];
    vo.frameColor = m_colors[2];

    CommitGain();
    m_gain.Store(s);
    s.agcWindow = quint16(m_ui->p_sed1Agc->value());
    s.invert = m_ui->p_cbn1Inv->isChecked();
    s.cutNegative = !m_ui->p_cbn1Minus->isChecked();

    // Empty boxes take their defaults, so every box holds a number here.
    for (const char* n : kEmptyChecked)
        if (Edit(n)->text().trimmed().isEmpty())
            Edit(n)->setText(KV_EmptyBoxDefault(QLatin1String(n)));
    s.reduOn = m_ui->p_cbn2Redu->isChecked();
    s.offsetByTrace = m_ui->p_rbn2Eval->isChecked();
    s.traceDist = float(Number(m_ui->p_ed2Dist));
    s.refTrace = qint32(std::clamp<qint64>(Whole(m_ui->p_ed2Zero), INT32_MIN, INT32_MAX));
    s.rVel = float(Number(m_ui->p_ed2Vr));
    s.rVelStep = float(Number(m_ui->p_ed2VrInc));
    s.delayOn = m_ui->p_cbn2Dt->isChecked();
    s.delay = KV_StoredDelay(Whole(m_ui->p_ed2Dt), m_samples);
    s.delayStep = qint16(std::min<qint64>(Whole(m_ui->p_ed2DtInc), 32767));

    s.filtOn = m_ui->p_cbn3Filt->isChecked();
    s.lowFreq = qint16(std::min<qint64>(Whole(m_ui->p_ed3F1), 9999));
    s.highFreq = qint16(std::min<qint64>(Whole(m_ui->p_ed3F2), 10000));
    s.halfLen = qint16(m_ui->p_sed3Win->value());
    s.freqStep = qint16(m_ui->p_sed3FInc->value());

    m_params.scroll.SetInc(0, m_ui->p_sed4BarH->value());
    m_params.scroll.SetInc(1, m_ui->p_sed4BarV->value());
    m_params.scroll.SetInc(2, m_ui->p_sed4BtnH->value());
    m_params.scroll.SetInc(3, m_ui->p_sed4BtnV->value());
}

void TViewOptDlg::accept() {
    // OK leaves the page too: its checks hold the user as switching pages would.
    if (QLineEdit* bad = PageFault(Page())) {
        Refuse(bad);
        return;
    }
    Store();
    QDialog::accept();
}

void TViewOptDlg::ShowGain() {
    m_ui->p_lb1Mode->setText(QString::number(m_gain.Mode() + 1));
    m_ui->p_ed1Gain->setText(m_gain.GainText());
    m_ui->p_lb1Factor->setText(m_gain.FactorText());
    m_ui->p_cb1Inc->setCurrentIndex(m_gain.IncIndex());
    m_ui->p_lb1IncFactor->setText(TCGainEdit::IncFactorText(m_ui->p_cb1Inc->currentText()));
    m_ui->p_sed1Agc->setEnabled(m_gain.Mode() == 2);
}

void TViewOptDlg::CommitGain() {
    m_gain.SetGainDb(KV_GainTextDb(m_ui->p_ed1Gain->text()));
    m_ui->p_lb1Factor->setText(m_gain.FactorText());
}

void TViewOptDlg::OnGainEdited(const QString& text) {
    const KvGainCheck c = KV_CheckGainText(text);
    if (!c.beep)
        return;
    Beep();
    m_ui->p_ed1Gain->setText(c.text);
}

void TViewOptDlg::OnModeClicked(int mode) {
    if (Page() != kAmplitude)
        return;
    CommitGain();
    m_gain.SetMode(mode);
    ShowGain();
}

void TViewOptDlg::OnPageChanged(int page) {
    if (QLineEdit* bad = PageFault(m_page)) {
        m_ui->p_pcMain->blockSignals(true);
        m_ui->p_pcMain->setCurrentIndex(m_page);
        m_ui->p_pcMain->blockSignals(false);
        Refuse(bad);
        return;
    }
    m_page = page;
    FocusPage();
}

QLineEdit* TViewOptDlg::PageFault(int page) const {
    if (page == kReduction && !KV_ReductionPageOk(Number(m_ui->p_ed2Vr)))
        return m_ui->p_ed2Vr;
    if (page == kFilter && !KV_FilterPageOk(int(Whole(m_ui->p_ed3F1)), int(Whole(m_ui->p_ed3F2))))
        return m_ui->p_ed3F1;
    return nullptr;
}

void TViewOptDlg::Refuse(QLineEdit* box) {
    Beep();
    box->setFocus();
}

void TViewOptDlg::ChooseColor(int which) {
    QColorDialog dlg(T_ToQColor(m_colors[which]), this);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    QColorDialog::setCustomColor(0, T_ToQColor(m_colors[which]));
    if (dlg.exec() != QDialog::Accepted)
        return;
    const quint32 c = ToTColor(dlg.selectedColor());
    if (KV_ColorTaken(m_colors, which, c)) {
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::ColorUsed));
        return;
    }
    m_colors[which] = c;
    PaintSwatch(which);
}

void TViewOptDlg::PaintSwatch(int which) {
    m_swatches[which]->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;")
            .arg(T_ToQColor(m_colors[which]).name()));
}

void TViewOptDlg::FocusPage() {
    QWidget* page = m_ui->p_pcMain->currentWidget();
    // The first panel of the page takes the focus.
    if (QWidget* panel = page->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        panel->setFocus();
    else
        page->setFocus();
}

bool TViewOptDlg::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        auto* edit = qobject_cast<QLineEdit*>(obj);
        if (edit != nullptr && edit->text().trimmed().isEmpty()) {
            const QString d = KV_EmptyBoxDefault(edit->objectName());
            if (!d.isEmpty())
                edit->setText(d);
        }
        if (obj == m_ui->p_ed1Gain)
            CommitGain();
    }
    return QDialog::eventFilter(obj, e);
}
