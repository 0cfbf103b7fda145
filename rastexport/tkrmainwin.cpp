#include "rastexport/tkrmainwin.h"

#include "rastexport/krtexts.h"
#include "ui_tkrmainwin.h"
#include "uikit/helpwindow.h"
#include "uikit/opendoc.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

// Link tags.
enum {
    kTracesAll,
    kTracesFrame,
    kTimesAll,
    kTimesFrame,
    kBrowse,
    kFontAxis,
    kFontCap1,
    kFontCap2,
    kStop
};
// Button tags.
enum { kLast, kMake, kView, kSave, kHelp };

int Tag(QObject* o) {
    return o ? o->property("tag").toInt() : -1;
}

// The job's font a font link chooses: 0 axes, 1 the first caption, 2 the second.
int FontOfLink(int tag) {
    return tag - kFontAxis;
}

} // namespace

TKrMainWin::TKrMainWin(const TKrArgs& args, QWidget* parent)
    : QWidget(parent), m_ui(new Ui::TKrMainWin), m_args(args) {
    m_ui->setupUi(this);
    setWindowTitle(KrText(krFormCaption));
    m_ui->p_cb0Bits->addItems(KR_DepthTexts());
    m_ui->p_cb0GFmt->addItems(KR_FormatNames());

    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), this);
    for (QLineEdit* box : {m_ui->p_ed0Trc1, m_ui->p_ed0Trc2, m_ui->p_ed0Time1, m_ui->p_ed0Time2}) {
        box->setValidator(digits);
        connect(box, &QLineEdit::textEdited, this, &TKrMainWin::DiscardImage);
        connect(box, &QLineEdit::editingFinished, this, &TKrMainWin::NormaliseRegion);
    }
    for (QLineEdit* box : {m_ui->p_ed1Cap1, m_ui->p_ed1Cap2, m_ui->p_ed1CapS})
        connect(box, &QLineEdit::textEdited, this, &TKrMainWin::DiscardImage);
    for (QPushButton* b :
         {m_ui->p_bnLast, m_ui->p_bnMake, m_ui->p_bnView, m_ui->p_bnSave, m_ui->p_bnHelp})
        connect(b, &QPushButton::clicked, this, &TKrMainWin::OnButton);
    for (QToolButton* l : {m_ui->p_lnk0TrcAll, m_ui->p_lnk0TrcFrame, m_ui->p_lnk0TimeAll,
                           m_ui->p_lnk0TimeFrame, m_ui->p_lnk0Browse, m_ui->p_lnk1FontAxis,
                           m_ui->p_lnk1FontCap1, m_ui->p_lnk1FontCap2, m_ui->p_lnk0Stop})
        connect(l, &QToolButton::clicked, this, &TKrMainWin::OnLink);
    for (QToolButton* l : {m_ui->p_lnk1FontAxis, m_ui->p_lnk1FontCap1, m_ui->p_lnk1FontCap2})
        l->installEventFilter(this);
    connect(m_ui->p_cb0Bits, &QComboBox::currentIndexChanged, this, &TKrMainWin::OnDepthChanged);
    connect(m_ui->p_cb0GFmt, &QComboBox::currentIndexChanged, this, &TKrMainWin::OnFormatChanged);
    connect(m_ui->p_cbn1Off, &QCheckBox::toggled, m_ui->p_sed1Off, &QWidget::setEnabled);
    connect(m_ui->p_cbn1Off, &QCheckBox::toggled, m_ui->p_cb1Scale, &QWidget::setEnabled);
    connect(m_ui->p_pcMain, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0 && m_opened)
            NormaliseRegion();
    });
    m_ui->p_sed1Off->setEnabled(false);
    m_ui->p_cb1Scale->setEnabled(false);
    m_ui->p_pbarDraw->hide();
    m_ui->p_lnk0Stop->hide();

    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
    UpdateEnabling();

    QCoreApplication::postEvent(this, new QEvent(kStartEvent));
}

TKrMainWin::~TKrMainWin() {
    delete m_ui;
}

bool TKrMainWin::event(QEvent* e) {
    if (e->type() == kStartEvent) {
        Start();
        return true;
    }
    return QWidget::event(e);
}

void TKrMainWin::Start() {
    const TKrArgs& args = m_args;
    const int code = m_session.Open(args);
    if (code != 0) {
        ShowMsg(this, MsgKind::Error, KrText(krOpenError).arg(code));
        close();
        return;
    }
    m_opened = true;
    const TKrRegionRules rules = m_session.Rules();
    TKrRegionBoxes boxes;
    rules.SetTraces(boxes, args.trace1, args.trace2);
    rules.SetSamples(boxes, args.sample1, args.sample2);
    ShowBoxes(rules.Normalised(boxes));
    m_ui->p_labTUnit->setText(m_session.UnitLabel());
    {
        const QSignalBlocker b1(m_ui->p_cb0Bits), b2(m_ui->p_cb0GFmt);
        m_ui->p_cb0Bits->setCurrentIndex(0);
        m_ui->p_cb0GFmt->setCurrentIndex(0);
    }
    m_ui->p_cb1Scale->setCurrentIndex(m_session.Job().ScaleIndex());
    UpdateEnabling();
}

TKrRegionBoxes TKrMainWin::Boxes() const {
    return {m_ui->p_ed0Trc1->text(), m_ui->p_ed0Trc2->text(), m_ui->p_ed0Time1->text(),
            m_ui->p_ed0Time2->text()};
}

void TKrMainWin::ShowBoxes(const TKrRegionBoxes& boxes) {
    m_ui->p_ed0Trc1->setText(boxes.trace1);
    m_ui->p_ed0Trc2->setText(boxes.trace2);
    m_ui->p_ed0Time1->setText(boxes.time1);
    m_ui->p_ed0Time2->setText(boxes.time2);
}

void TKrMainWin::NormaliseRegion() {
    if (!m_opened)
        return;
    const TKrRegionBoxes now = Boxes();
    const TKrRegionBoxes normal = m_session.Rules().Normalised(now);
    if (!(normal == now))
        ShowBoxes(normal);
}

TKrJob TKrMainWin::JobFromControls() const {
    TKrJob job;
    job.domain = m_session.Rules().Domain(Boxes());
    job.depthIndex = m_ui->p_cb0Bits->currentIndex();
    job.format = m_ui->p_cb0GFmt->currentIndex();
    job.offAxis = m_ui->p_cbn1Off->isChecked();
    job.offFactor = m_ui->p_sed1Off->value();
    job.scaleIndex = m_ui->p_cb1Scale->currentIndex();
    job.caption1 = m_ui->p_ed1Cap1->text();
    job.caption2 = m_ui->p_ed1Cap2->text();
    job.captionRight = m_ui->p_ed1CapS->text();
    return job;
}

void TKrMainWin::OnButton() {
    switch (Tag(sender())) {
    case kLast:
        LoadLastJob();
        break;
    case kMake:
        MakeImage();
        break;
    case kView:
        Preview();
        break;
    case kSave:
        SaveImage();
        break;
    case kHelp:
        ShowHelpTopic(kHelpTopic);
        break;
    }
}

void TKrMainWin::OnLink() {
    const int tag = Tag(sender());
    if (tag == kStop) {
        m_session.RequestStop();
        return;
    }
    if (!m_opened)
        return;
    const TKrRegionRules rules = m_session.Rules();
    const TKrArgs& args = m_session.Args();
    TKrRegionBoxes boxes = Boxes();
    switch (tag) {
    case kTracesAll:
        rules.WholeTraces(boxes);
        break;
    case kTracesFrame:
        rules.SetTraces(boxes, args.trace1, args.trace2);
        break;
    case kTimesAll:
        rules.WholeTimes(boxes);
        break;
    case kTimesFrame:
        rules.SetSamples(boxes, args.sample1, args.sample2);
        break;
    case kBrowse:
        Browse();
        return;
    case kFontAxis:
    case kFontCap1:
    case kFontCap2:
        ChooseFont(FontOfLink(tag));
        return;
    default:
        return;
    }
    ShowBoxes(rules.Normalised(boxes));
    DiscardImage();
}

void TKrMainWin::Refuse(int message) {
    ShowMsg(this, MsgKind::Error, KrText(TKrText(message)));
}

void TKrMainWin::MakeImage() {
    NormaliseRegion();
    const TKrJob job = JobFromControls();
    if (const int refusal = KR_CheckJob(job)) {
        Refuse(refusal);
        return;
    }
    m_ui->p_lab0Size->clear();
    m_ui->p_pcMain->setCurrentIndex(0);
    QProgressBar* bar = m_ui->p_pbarDraw;
    bar->setRange(0, job.domain.right() - job.domain.left() + 1);
    bar->setValue(0);
    bar->show();
    m_ui->p_lnk0Stop->show();
    UpdateEnabling(true);

    const TKrMakeResult r = m_session.Make(job, [bar](int traces) {
        bar->setValue(std::min(bar->maximum(), bar->value() + traces));
        QCoreApplication::processEvents();
    });

    m_ui->p_lab0Size->setText(KR_ResultLine(r));
    bar->hide();
    m_ui->p_lnk0Stop->hide();
    UpdateEnabling();
    if (m_closePending)
        close();
}

void TKrMainWin::Preview() {
    if (!F_OpenRegistDoc(TKrSession::PreviewFile()))
        Refuse(krViewerError);
}

void TKrMainWin::SaveImage() {
    const QString target = TargetFile();
    if (target.isEmpty() || !m_session.Made())
        return;
    int code = 0;
    {
        WaitCursor wait;
        UpdateEnabling(true);
        code = m_session.Save(m_ui->p_cb0GFmt->currentIndex(), target);
        UpdateEnabling();
    }
    if (code != 0)
        Refuse(code);
}

void TKrMainWin::LoadLastJob() {
    TKrJob job;
    if (const int code = m_session.LoadLastJob(job)) {
        Refuse(code);
        return;
    }
    const TKrRegionRules rules = m_session.Rules();
    TKrRegionBoxes boxes;
    rules.SetTraces(boxes, job.domain.left(), job.domain.right());
    rules.SetSamples(boxes, job.domain.top(), job.domain.bottom());
    ShowBoxes(rules.Normalised(boxes));
    m_ui->p_cb0Bits->setCurrentIndex(job.depthIndex);
    m_ui->p_ed1Cap1->setText(job.caption1);
    m_ui->p_ed1Cap2->setText(job.caption2);
    m_ui->p_ed1CapS->setText(job.captionRight);
    m_ui->p_cbn1Off->setChecked(job.offAxis);
    m_ui->p_sed1Off->setValue(job.offFactor);
    m_ui->p_cb1Scale->setCurrentIndex(job.scaleIndex);
    DiscardImage();
}

void TKrMainWin::OnDepthChanged(int index) {
    if (!KR_DepthFitsFormat(index, m_ui->p_cb0GFmt->currentIndex())) {
        Refuse(krJpegDepth);
        const QSignalBlocker block(m_ui->p_cb0Bits);
        m_ui->p_cb0Bits->setCurrentIndex(kKrDepth24);
    }
}

void TKrMainWin::OnFormatChanged(int index) {
    if (!KR_DepthFitsFormat(m_ui->p_cb0Bits->currentIndex(), index)) {
        Refuse(krJpegDepth);
        const QSignalBlocker block(m_ui->p_cb0GFmt);
        m_ui->p_cb0GFmt->setCurrentIndex(kKrBmp);
    }
    if (!TargetFile().isEmpty())
        SetTargetFile(KR_WithExtension(TargetFile(), m_ui->p_cb0GFmt->currentIndex()));
}

void TKrMainWin::Browse() {
    const int format = m_ui->p_cb0GFmt->currentIndex();
    const QString folder =
        TargetFile().isEmpty() ? m_session.RasterDir() : QFileInfo(TargetFile()).absolutePath();
    const QString proposed =
        QFileInfo(m_session.Args().file).completeBaseName() + KR_Extension(format);
    QFileDialog dialog(this, KrText(krFileDialogTitle), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(
        KrText(krFileFilter).arg(KR_FormatNames().value(format), KR_Extension(format)));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    SetTargetFile(KR_WithExtension(dialog.selectedFiles().constFirst(), format));
}

void TKrMainWin::ChooseFont(int font) {
    TFontInfo info = m_session.Job().GetFont(font);
    QFontDialog dialog(info.ToQFont(), this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    info.name = chosen.family();
    info.size = chosen.pointSize() > 0 ? chosen.pointSize() : info.size;
    info.bold = chosen.bold();
    info.italic = chosen.italic();
    m_session.Job().SetFont(font, info);
    DiscardImage();
}

QString TKrMainWin::TargetFile() const {
    return m_ui->p_ed0File->toolTip();
}

void TKrMainWin::SetTargetFile(const QString& path) {
    m_ui->p_ed0File->setToolTip(path);
    ShowTargetFile();
    UpdateEnabling();
}

void TKrMainWin::ShowTargetFile() {
    QLineEdit* box = m_ui->p_ed0File;
    box->setText(box->fontMetrics().elidedText(TargetFile(), Qt::ElideMiddle,
                                               std::max(0, box->width() - 4)));
}

void TKrMainWin::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ShowTargetFile();
}

void TKrMainWin::DiscardImage() {
    m_session.Discard();
    m_ui->p_lab0Size->clear();
    UpdateEnabling();
}

void TKrMainWin::UpdateEnabling(bool making) {
    const TKrEnabling e =
        KR_Enabling(making || m_session.Making(), m_session.Made(), !TargetFile().isEmpty());
    const std::initializer_list<QWidget*> controls = {m_ui->p_gb0Region, m_ui->p_gb0File,
                                                      m_ui->p_ts1Design, m_ui->p_pcMain->tabBar(),
                                                      m_ui->p_bnHelp};
    for (QWidget* w : controls)
        w->setEnabled(e.controls);
    m_ui->p_bnLast->setEnabled(e.last);
    m_ui->p_bnMake->setEnabled(e.make);
    m_ui->p_bnView->setEnabled(e.view);
    m_ui->p_bnSave->setEnabled(e.save);
    m_ui->p_lnk0Stop->setEnabled(e.stop);
}

bool TKrMainWin::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Enter)
        ShowFontSample(Tag(watched));
    else if (e->type() == QEvent::Leave)
        m_ui->p_lab1Sample->clear();
    return QWidget::eventFilter(watched, e);
}

void TKrMainWin::ShowFontSample(int tag) {
    const int font = FontOfLink(tag);
    QString text = KrText(krSampleAxis);
    if (tag != kFontAxis) {
        const QString caption = (tag == kFontCap1 ? m_ui->p_ed1Cap1 : m_ui->p_ed1Cap2)->text();
        text = caption.isEmpty() ? KrText(krSampleEmpty) : caption.left(4);
    }
    m_ui->p_lab1Sample->setFont(m_session.Job().GetFont(font).ToQFont());
    m_ui->p_lab1Sample->setText(text);
}

void TKrMainWin::closeEvent(QCloseEvent* e) {
    // Events run while a picture is made; the form may go only once the drawing has returned.
    if (m_session.Making()) {
        m_closePending = true;
        m_session.RequestStop();
        e->ignore();
        return;
    }
    m_session.Close();
    if (m_opened && !m_session.SaveJob())
        Refuse(krSaveDataError);
    e->accept();
}
