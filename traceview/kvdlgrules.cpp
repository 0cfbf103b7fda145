#include "traceview/kvdlgrules.h"

#include "traceview/kvstrings.h"
#include "viewcore/tcbookmarks.h"
#include "viewcore/tcfcontroller.h"
#include "viewcore/tcsetarray.h"

#include <algorithm>

namespace {

constexpr int kMaxMarks = 100;

} // namespace

QString KV_ProposedMarkName(const QPoint& vertex) {
    return QStringLiteral("Кадр ") + QString::asprintf(" %d-%d", vertex.x(), vertex.y());
}

int KV_MarkRefusal(const TCBookmarks& marks, const QPoint& vertex) {
    if (marks.Count() > kMaxMarks)
        return kvs::TooManyMarks;
    if (marks.Exists(vertex))
        return kvs::MarkExists;
    return 0;
}

QString KV_TimeFromSample(const QString& sample, int interval) {
    bool ok = false;
    const qint64 s = sample.toLongLong(&ok);
    return ok ? QString::number(s * std::max(1, interval)) : QString();
}

QString KV_SampleFromTime(const QString& time, int interval) {
    bool ok = false;
    const qint64 t = time.toLongLong(&ok);
    return ok ? QString::number(t / std::max(1, interval)) : QString();
}

QPoint KV_ClampVertex(const QPoint& v, int traces, int samples) {
    return QPoint(std::clamp(v.x(), 1, std::max(1, traces)),
                  std::clamp(v.y(), 1, std::max(1, samples)));
}

bool KV_FastCanSwitch(const TCFController& c, int row, bool gainTableShown) {
    if (row < 0 || !c.CanSwitch(row))
        return false;
    return !((row == 1 || row == 2) && gainTableShown);
}

bool KV_FastCanChange(const TCFController& c, int row, bool inc) {
    return row >= 0 && c.CanChangeNumeric(row, inc);
}

KvSetButtonLook KV_SetButtonLook(const TCSetArray& sets, int i, const QColor& active) {
    KvSetButtonLook l;
    l.valid = sets.Valid(i);
    l.color = l.valid ? active : QColor(160, 160, 164);
    l.hint = l.valid ? sets.GetName(i) : QStringLiteral("Не определена");
    return l;
}
