#include "viewcore/tcfcontroller.h"

#include "viewcore/tcviewerparams.h"

TCFController::TCFController() {
    Add(QStringLiteral("Коэффициент усиления"), -1, 4);
    Add(QStringLiteral("Нормировка амплитуд"), 1, -1);
    Add(QStringLiteral("АРУ"), 2, -1);
    Add(QStringLiteral("Масштаб по оси трасс"), -1, 0);
    Add(QStringLiteral("Масштаб по оси времени"), -1, 1);
    Add(QStringLiteral("Шаг вывода трасс"), -1, 2);
    Add(QStringLiteral("Шаг вывода отсчетов"), -1, 3);
    Add(QStringLiteral("Редукция/скорость"), 4, 6);
    Add(QStringLiteral("Задержка/величина"), 3, 5);
    Add(QStringLiteral("Фильтр/Качество"), 5, 7);
    Add(QStringLiteral("Фильтр/Нижняя частота"), 5, 8);
    Add(QStringLiteral("Фильтр/Верхняя частота"), 5, 9);
    Add(QStringLiteral("Отрицательные фазы"), 6, -1);
    Add(QStringLiteral("Инверсия сигнала"), 7, -1);
}

void TCFController::Add(const QString& name, char flag, char numeric) {
    m_recs.push_back({name, qint8(flag), qint8(numeric)});
}

const TCCtrlRec* TCFController::Rec(int i) const {
    return i >= 0 && i < Count() ? &m_recs[size_t(i)] : nullptr;
}

bool TCFController::Flag(int i) const {
    const TCCtrlRec* r = Rec(i);
    return r != nullptr && r->flag >= 0;
}

bool TCFController::Numeric(int i) const {
    const TCCtrlRec* r = Rec(i);
    return r != nullptr && r->numeric >= 0;
}

bool TCFController::FlagOn(int i) const {
    return Flag(i) && m_params->GetFlagVal(char(m_recs[size_t(i)].flag));
}

bool TCFController::CanSwitch(int i) const {
    return Flag(i) && (i > 2 || !m_params->AgaMode());
}

void TCFController::Switch(int i) {
    if (Flag(i))
        m_params->FlipFlag(char(m_recs[size_t(i)].flag));
}

bool TCFController::CanChangeNumeric(int i, bool inc) const {
    if (!Numeric(i) || (i == 0 && m_params->AgaMode()) || (Flag(i) && !FlagOn(i)))
        return false;
    return m_params->CanModify(char(m_recs[size_t(i)].numeric), inc);
}

void TCFController::ChangeNumeric(int i, bool inc) {
    if (Numeric(i))
        m_params->Modify(char(m_recs[size_t(i)].numeric), inc);
}

void TCFController::SetDefaults() {
    m_params->SetDefaults();
}

QString TCFController::GetParamHint(int i) const {
    // The formats are UTF-8, as QString::asprintf reads them.
    const TCSignal& s = m_params->signal;
    const TCSViewOpts& v = m_params->viewOpts;
    const bool on = FlagOn(i);
    switch (i) {
    case 0: {
        if (m_params->AgaMode())
            return QStringLiteral("Включено АПУ");
        const float g = s.CurrentGain();
        return QString::asprintf("%6.2fдБ = %6.3E", TCSignal::FactorToDecibel(g), double(g));
    }
    case 3:
        return QString::asprintf("%d пкс между трассами", int(v.tScale));
    case 4:
        return QString::asprintf("%d пкс между отсчетами", int(v.sScale));
    case 5:
        return QString::asprintf("%d", int(v.tStep));
    case 6:
        return QString::asprintf("%d", int(v.sStep));
    case 7:
        return QString::asprintf(on ? "Вкл./ V = %4.2f" : "Откл./ V = %4.2f", double(s.rVel));
    case 8:
        return QString::asprintf(on ? "Вкл. / %d отсч." : "Откл. / %d отсч.", int(s.delay));
    case 9:
        return QString::asprintf(on ? "Вкл. / Полуширина ИХ = %d отсч."
                                    : "Откл. / Полуширина ИХ = %d отсч.",
                                 int(s.halfLen));
    case 10:
        return QString::asprintf(on ? "Вкл. / %d Гц" : "Откл. / %d Гц", int(s.lowFreq));
    case 11:
        return QString::asprintf(on ? "Вкл. / %d Гц" : "Откл. / %d Гц", int(s.highFreq));
    case 1:
    case 2:
    case 12:
    case 13:
        return on ? QStringLiteral("Вкл.") : QStringLiteral("Откл.");
    default:
        return QString();
    }
}
