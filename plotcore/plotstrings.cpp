#include "plotcore/plotstrings.h"

QString T_PlotText(TPlotText id) {
    // The Russian microsecond caption ends in a Cyrillic "Т", the millisecond one in a Latin
    // "T", and "ТRACE" starts with a Cyrillic letter; the pictures have always looked so.
    switch (id) {
    case TPlotText::TraceAxisRu:
        return QStringLiteral("Номер трассы в файле (N)");
    case TPlotText::TraceAxisEn:
        return QStringLiteral("Trace number within file (N)");
    case TPlotText::TimeMsRu:
        return QStringLiteral("Время в миллисекундах (T)");
    case TPlotText::TimeMcsRu:
        return QStringLiteral("Время в микросекундах (Т)");
    case TPlotText::TimeMsEn:
        return QStringLiteral("Time in milliseconds (T)");
    case TPlotText::TimeMcsEn:
        return QStringLiteral("Time in microseconds (T)");
    case TPlotText::ImgTrace:
        return QStringLiteral("ТRACE");
    case TPlotText::ImgOffset:
        return QStringLiteral("OFFSET");
    }
    return QString();
}
