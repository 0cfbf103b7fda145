#pragma once
// Conversion of stored 0x00BBGGRR colour values for drawing.

#include <QColor>

inline QColor T_ToQColor(quint32 c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline QRgb T_ToRgb(quint32 c) {
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
