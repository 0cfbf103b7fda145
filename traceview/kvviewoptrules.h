#pragma once
// The decisions of the view options dialog, kept apart from its widgets: the gain being edited
// per amplitude mode, the correction of a typed gain, the checks that keep the user on a page,
// the limit of the stored delay, the refusal of a colour already used and which panels work.

#include <QString>
#include <QtGlobal>

class TCSignal;

// The dialog's own copy of the three per-mode gains and gain-increment indices, and the mode
// being edited. Loaded from the signal when the dialog opens, written back on OK only.
class TCGainEdit {
public:
    void Load(const TCSignal& s);
    // Writes the mode, the three gains and the three increment indices.
    void Store(TCSignal& s) const;

    int Mode() const { return m_mode; }
    // A mode outside 0..2 counts as 0.
    void SetMode(int mode);
    float Gain() const { return m_gain[m_mode]; }
    double GainDb() const;
    // Stores a decibel value, limited to -500..500, as the factor of the mode being edited.
    void SetGainDb(double db);
    int IncIndex() const { return m_inc[m_mode]; }
    void SetIncIndex(int index);

    // The decibels of the edited gain, fixed with 3 decimals.
    QString GainText() const;
    // The edited factor in parentheses, exponent notation with 4 significant digits.
    QString FactorText() const;
    // The factor of the decibels an increment item starts with, in parentheses.
    static QString IncFactorText(const QString& item);

private:
    int m_mode = 0;
    float m_gain[3] = {1.0f, 1.0f, 1.0f};
    int m_inc[3] = {0, 0, 0};
};

// A gain text as typed: a magnitude above 500 dB becomes "500" or "-500", a text that cannot
// become a number "0"; either with beep set. A text still on its way to a number ("", "-", "1e")
// stays as it is.
struct KvGainCheck {
    QString text;
    bool beep = false;
};
KvGainCheck KV_CheckGainText(const QString& text);
// The decibels a gain box holds when it is left (0 for a text that is no number).
double KV_GainTextDb(const QString& text);

// The reduction page may be left only with a velocity below 1000000.
bool KV_ReductionPageOk(double velocity);
// The filter page may be left only with the low frequency below the high one.
bool KV_FilterPageOk(int low, int high);
// The delay as stored: within +-(samples - 1) and the 16 bits it is kept in.
qint16 KV_StoredDelay(qint64 typed, int samples);
// Whether colour c, chosen for swatch `which` (0..2), equals one of the other two.
bool KV_ColorTaken(const quint32 colors[3], int which, quint32 c);
// The three mode buttons work while neither the gain table window is shown nor its mode is on.
bool KV_ModePanelEnabled(bool agaWindowShown, bool agaMode);
// The text an empty box takes when it is left, by the box's name; empty for other boxes.
QString KV_EmptyBoxDefault(const QString& boxName);
