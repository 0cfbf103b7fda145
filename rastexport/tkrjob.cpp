#include "rastexport/tkrjob.h"

#include "plotcore/tcimageprops.h"
#include "rastexport/krtexts.h"
#include "viewcore/tcviewerparams.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kDepthBits[] = {1, 4, 8, 16, 24};
constexpr int kDepthCount = int(sizeof kDepthBits / sizeof kDepthBits[0]);

// Fixed notation with 2 decimals of a value first rounded to 7 significant digits.
QString Velocity(float v) {
    return QString::number(QString::number(double(v), 'g', 7).toDouble(), 'f', 2);
}

} // namespace

QStringList KR_DepthTexts() {
    return {KrText(krDepth1), KrText(krDepth4), KrText(krDepth8), KrText(krDepth16),
            KrText(krDepth24)};
}

int KR_DepthBits(int index) {
    return index >= 0 && index < kDepthCount ? kDepthBits[index] : kDepthBits[0];
}

int KR_DepthIndex(int bits) {
    for (int i = 1; i < kDepthCount; ++i)
        if (kDepthBits[i] == bits)
            return i;
    return 0;
}

QStringList KR_FormatNames() {
    return {QStringLiteral("BMP"), QStringLiteral("GIF"), QStringLiteral("PNG"),
            QStringLiteral("JPG")};
}

QString KR_Extension(int format) {
    const QStringList names = KR_FormatNames();
    return QLatin1Char('.') + names.value(format, names[kKrBmp]).toLower();
}

QString KR_WithExtension(const QString& path, int format) {
    const QFileInfo fi(path);
    const QString suffix = fi.suffix();
    const QString base = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    return base + KR_Extension(format);
}

int KR_CheckJob(const TKrJob& job) {
    const QRect& d = job.domain;
    if (d.left() >= d.right() || d.top() >= d.bottom())
        return krBadRegion;
    if (!KR_DepthFitsFormat(job.depthIndex, job.format))
        return krJpegDepth;
    if (job.caption1.isEmpty() && !job.caption2.isEmpty())
        return krCaptionOrder;
    return 0;
}

void KR_BuildJob(TCImageProps& props, const TKrJob& job, const TKrSummary& summary,
                 const TCViewerParams& params) {
    props.SetProps(job.domain, KR_DepthBits(job.depthIndex), job.offAxis, job.offFactor);
    props.SetScale(std::max(0, job.scaleIndex));

    props.SetStrInfo(0, KrText(krSummaryFile)
                            .arg(QFileInfo(summary.fileName).fileName(),
                                 QString::number(summary.interval), summary.unit));
    const TCSViewOpts& o = params.viewOpts;
    props.SetStrInfo(1, KrText(krSummaryRange)
                            .arg(job.domain.left())
                            .arg(job.domain.right())
                            .arg(o.tStep)
                            .arg(job.domain.top())
                            .arg(job.domain.bottom())
                            .arg(o.sStep));
    const TCSignal& s = params.signal;
    QString line2 =
        s.reduOn ? KrText(krSummaryReduction).arg(Velocity(s.rVel)) : KrText(krSummaryNoReduction);
    line2 += s.filtOn ? KrText(krSummaryFilter).arg(s.lowFreq).arg(s.highFreq)
                      : KrText(krSummaryNoFilter);
    props.SetStrInfo(2, line2);

    props.SetStrInfo(3, job.caption1);
    props.SetStrInfo(4, job.caption2);
    props.SetStrInfo(5, job.captionRight);
}

TKrJob KR_JobFromProps(const TCImageProps& props) {
    TKrJob job;
    job.domain = props.Domain();
    job.depthIndex = KR_DepthIndex(props.GetColorBits());
    job.offAxis = props.OffAxis();
    job.offFactor = props.OffFactor();
    job.scaleIndex = props.ScaleIndex();
    job.caption1 = props.GetStrInfo(3);
    job.caption2 = props.GetStrInfo(4);
    job.captionRight = props.GetStrInfo(5);
    return job;
}
