#include "common/jobparse.h"

#include "corebase/strings.h"

namespace job {

QStringList Records(const QString& text) {
    if (text.isEmpty())
        throw prc::kFormatError;
    QStringList records = S_StrToStrArray(text, QLatin1Char(';'));
    // Memo lines are joined without separators, so a job written one record a line (or made by
    // inserting file numbers with a mask ending in ";") ends in ";": that one closes its record.
    if (records.size() > 1 && records.last().isEmpty())
        records.removeLast();
    return records;
}

void RequireCount(const QString& text, QChar separator, int count) {
    if (S_Count(text, separator) != count)
        throw prc::kFormatError;
}

std::int64_t Integer(const QString& text, std::int64_t low, std::int64_t high) {
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    if (i == text.size())
        throw prc::kValueError;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw prc::kValueError;
        value = value * 10 + (c.unicode() - '0');
        // Far beyond any range asked for; stops the overflow of long digit strings.
        if (value > (std::int64_t(1) << 40))
            throw prc::kValueError;
    }
    if (negative)
        value = -value;
    if (value < low || value > high)
        throw prc::kValueError;
    return value;
}

int TraceNumber(const QString& text) {
    if (text == QLatin1String("*"))
        return kAllTraces;
    return static_cast<int>(Integer(text, -2147483647 - 1, 2147483647));
}

std::uint16_t SampleNumber(const QString& text) {
    if (text == QLatin1String("*"))
        return kEndOfTrace;
    return static_cast<std::uint16_t>(Integer(text, 0, 65535));
}

} // namespace job
