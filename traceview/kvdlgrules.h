#pragma once
// What the viewer's bookmark, go-to and parameter-set dialogs and its quick-control panel
// decide, apart from their widgets: the proposed bookmark name, the refusals before a bookmark
// is made, the linked sample and time boxes, the clamping of a vertex to the record, and the
// looks of the panel's buttons.

#include <QColor>
#include <QPoint>
#include <QString>

class TCBookmarks;
class TCFController;
class TCSetArray;

// "Кадр " followed by " %d-%d" of trace and sample: "Кадр  120-1".
QString KV_ProposedMarkName(const QPoint& vertex);
// 0 when the frame at `vertex` may be bookmarked, else the message number that refuses it:
// too many bookmarks (more than 100 held), or this vertex bookmarked already.
int KV_MarkRefusal(const TCBookmarks& marks, const QPoint& vertex);

// The time box from the sample box: sample x interval; empty for an empty or unreadable box.
QString KV_TimeFromSample(const QString& sample, int interval);
// The sample box from the time box: time / interval, integer division; empty likewise. An
// interval below 1 counts as 1.
QString KV_SampleFromTime(const QString& time, int interval);
// Trace into 1..traces, sample into 1..samples.
QPoint KV_ClampVertex(const QPoint& v, int traces, int samples);

// "Вкл/откл" of the panel for entry `row` (-1: nothing selected): the controller allows it, and
// normalisation and AGC (entries 1, 2) only while the gain table window is not shown.
bool KV_FastCanSwitch(const TCFController& c, int row, bool gainTableShown);
// "Увеличить" / "Уменьшить" for entry `row` (-1: nothing selected).
bool KV_FastCanChange(const TCFController& c, int row, bool inc);

struct KvSetButtonLook {
    bool valid = false;
    QColor color; // caption colour
    QString hint; // the set's name, or "Не определена"
};
// Set button i (0..9 for "1".."0"); `active` is the colour of a valid set's caption.
KvSetButtonLook KV_SetButtonLook(const TCSetArray& sets, int i, const QColor& active);
