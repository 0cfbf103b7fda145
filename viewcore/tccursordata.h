#pragma once
// Values shown for the sample under the mouse cursor, and their status-bar and hint texts.
// The viewer writes the fields directly.

#include <QString>
#include <QtGlobal>

class TCCursorData {
public:
    // Empty when trace is 0; the sample, or "displayed / recorded" when they differ.
    QString GetSampleStr() const;
    // Empty when trace is 0; sample x interval, and " / " recorded sample x interval when the
    // two differ. interval is in the unit the caller shows.
    QString GetTimeStr(int interval) const;
    // Empty when trace is 0; the amplitude as "%.2E".
    QString GetSignalStr() const;
    // Empty when trace is 0; three lines (N, S, A), a fourth (T) when there is a shot time.
    QString GetHintStr() const;
    // "dd.mm.yy  hh:nn:ss" of the shot time when it is above 0, else empty.
    QString GetShotTimeStr() const;
    // Trace, both samples and amplitude to 0; the shot time stays.
    void Reset();

    qint32 trace = 0;       // 0 = no data
    quint16 sample = 0;     // displayed sample number
    quint16 recSample = 0;  // sample number in the file
    float amplitude = 0.0f; // processed value
    double shotTime = 0.0;  // days since 30 December 1899; 0 or less = none
};
