#include "viewcore/tccursordata.h"

#include <QDateTime>

#include <cmath>

namespace {

// A date-time value (days since 30 December 1899, fraction = time of day) in a Qt pattern;
// empty for values outside the years 1 to 9999.
QString formatDateTime(double value, const QString& pattern) {
    if (!(value >= -693593.0 && value < 2958466.0))
        return QString();
    double days = std::floor(value);
    qint64 ms = qint64(std::llround((value - days) * 86400000.0));
    if (ms >= 86400000) {
        days += 1.0;
        ms -= 86400000;
    }
    const QDateTime at(QDate(1899, 12, 30).addDays(qint64(days)),
                       QTime::fromMSecsSinceStartOfDay(int(ms)));
    return at.toString(pattern);
}

} // namespace

QString TCCursorData::GetSampleStr() const {
    if (trace == 0)
        return QString();
    if (sample == recSample)
        return QString::asprintf("%hu", sample);
    return QString::asprintf("%d / %d", int(sample), int(recSample));
}

QString TCCursorData::GetTimeStr(int interval) const {
    if (trace == 0)
        return QString();
    // Unsigned products: the largest sample times an interval in microseconds passes the int
    // range, and "%u" shows the product modulo 2^32 in any case.
    QString text = QString::asprintf("%u", unsigned(sample) * unsigned(interval));
    if (sample != recSample)
        text += QStringLiteral(" / ") +
                QString::asprintf("%u", unsigned(recSample) * unsigned(interval));
    return text;
}

QString TCCursorData::GetSignalStr() const {
    if (trace == 0)
        return QString();
    return QString::asprintf("%.2E", double(amplitude));
}

QString TCCursorData::GetHintStr() const {
    if (trace == 0)
        return QString();
    QString text = QString::asprintf(" N = %d\n S = %s\n A = %.2E", int(trace),
                                     GetSampleStr().toUtf8().constData(), double(amplitude));
    if (shotTime > 0.0)
        text += QStringLiteral("\n T = ") + formatDateTime(shotTime, QStringLiteral("hh:mm:ss"));
    return text;
}

QString TCCursorData::GetShotTimeStr() const {
    if (!(shotTime > 0.0))
        return QString();
    return formatDateTime(shotTime, QStringLiteral("dd.MM.yy  hh:mm:ss"));
}

void TCCursorData::Reset() {
    trace = 0;
    sample = 0;
    recSample = 0;
    amplitude = 0.0f;
}
