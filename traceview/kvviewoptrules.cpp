#include "traceview/kvviewoptrules.h"

#include "viewcore/tcsignal.h"

#include <QDoubleValidator>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMaxDb = 500.0;
} // namespace

void TCGainEdit::Load(const TCSignal& s) {
    for (int m = 0; m < 3; ++m) {
        m_gain[m] = s.gain[m];
        m_inc[m] =
            s.gainStep[m] >= 0 && s.gainStep[m] < TCSignal::kGainStepCount ? s.gainStep[m] : 0;
    }
    m_mode = s.ModeIndex();
}

void TCGainEdit::Store(TCSignal& s) const {
    s.mode = qint8(m_mode);
    for (int m = 0; m < 3; ++m) {
        s.gain[m] = m_gain[m];
        s.gainStep[m] = qint8(m_inc[m]);
    }
}

void TCGainEdit::SetMode(int mode) {
    m_mode = mode >= 0 && mode <= 2 ? mode : 0;
}

double TCGainEdit::GainDb() const {
    return TCSignal::FactorToDecibel(Gain());
}

void TCGainEdit::SetGainDb(double db) {
    m_gain[m_mode] = float(TCSignal::DecibelToFactor(std::clamp(db, -kMaxDb, kMaxDb)));
}

void TCGainEdit::SetIncIndex(int index) {
    if (index >= 0 && index < TCSignal::kGainStepCount)
        m_inc[m_mode] = index;
}

QString TCGainEdit::GainText() const {
    const double db = GainDb();
    // A factor of 0 (a damaged set) has no decibels; show the lower limit.
    return QString::number(std::isfinite(db) ? db : -kMaxDb, 'f', 3);
}

QString TCGainEdit::FactorText() const {
    return QStringLiteral("(%1)").arg(QString::number(double(Gain()), 'E', 3));
}

QString TCGainEdit::IncFactorText(const QString& item) {
    int n = 0;
    while (n < item.size() && item.at(n).isDigit())
        ++n;
    const double db = item.left(n).toDouble();
    return QStringLiteral("(%1)").arg(QString::number(TCSignal::DecibelToFactor(db), 'E', 3));
}

KvGainCheck KV_CheckGainText(const QString& text) {
    KvGainCheck r;
    r.text = text;
    QDoubleValidator v;
    v.setLocale(QLocale::c());
    v.setNotation(QDoubleValidator::ScientificNotation);
    QString t = text.trimmed();
    int pos = 0;
    const QValidator::State st = v.validate(t, pos);
    if (st == QValidator::Invalid) {
        r.text = QStringLiteral("0");
        r.beep = true;
        return r;
    }
    bool ok = false;
    const double db = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return r; // on its way to a number
    if (std::fabs(db) > kMaxDb) {
        r.text = db > 0 ? QStringLiteral("500") : QStringLiteral("-500");
        r.beep = true;
    }
    return r;
}

double KV_GainTextDb(const QString& text) {
    bool ok = false;
    const double db = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(db) ? std::clamp(db, -kMaxDb, kMaxDb) : 0.0;
}

bool KV_ReductionPageOk(double velocity) {
    return velocity < 1000000.0;
}

bool KV_FilterPageOk(int low, int high) {
    return low < high;
}

qint16 KV_StoredDelay(qint64 typed, int samples) {
    const qint64 limit = std::min<qint64>(std::max(samples - 1, 0), 32767);
    return qint16(std::clamp<qint64>(typed, -limit, limit));
}

bool KV_ColorTaken(const quint32 colors[3], int which, quint32 c) {
    for (int i = 0; i < 3; ++i)
        if (i != which && colors[i] == c)
            return true;
    return false;
}

bool KV_ModePanelEnabled(bool agaWindowShown, bool agaMode) {
    return !agaWindowShown && !agaMode;
}

QString KV_EmptyBoxDefault(const QString& boxName) {
    static const QHash<QString, QString> defaults = {
        {QStringLiteral("p_ed2Dist"), QStringLiteral("250.0")},
        {QStringLiteral("p_ed2Zero"), QStringLiteral("1")},
        {QStringLiteral("p_ed2Vr"), QStringLiteral("8000.0")},
        {QStringLiteral("p_ed2VrInc"), QStringLiteral("100")},
        {QStringLiteral("p_ed2Dt"), QStringLiteral("0")},
        {QStringLiteral("p_ed2DtInc"), QStringLiteral("100")},
        {QStringLiteral("p_ed3F1"), QStringLiteral("5")},
        {QStringLiteral("p_ed3F2"), QStringLiteral("50")},
    };
    return defaults.value(boxName);
}
