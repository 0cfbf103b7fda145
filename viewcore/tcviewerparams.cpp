#include "viewcore/tcviewerparams.h"

#include <QFile>

#include <cstring>

TCViewerParams::TCViewerParams() {
    TCViewerParams::SetDefaults();
}

void TCViewerParams::SetDefaults() {
    signal.SetDefaults();
    viewOpts.SetDefaults();
    scroll.SetDefaults();
    gainTable.Clear();
    agaMode = false;
}

bool TCViewerParams::Save(QIODevice* dev) const {
    return signal.Save(dev) && viewOpts.Save(dev) && scroll.Save(dev) && gainTable.Save(dev);
}

bool TCViewerParams::Load(QIODevice* dev) {
    const bool ok =
        signal.Load(dev) && viewOpts.Load(dev) && scroll.Load(dev) && gainTable.Load(dev);
    if (!ok)
        SetDefaults();
    agaMode = false;
    return ok;
}

bool TCViewerParams::Save(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && Save(&file);
}

bool TCViewerParams::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetDefaults();
        return false;
    }
    return Load(&file);
}

bool TCViewerParams::operator==(const TCViewerParams& o) const {
    return signal == o.signal && viewOpts.tScale == o.viewOpts.tScale &&
           viewOpts.sScale == o.viewOpts.sScale && viewOpts.tStep == o.viewOpts.tStep &&
           viewOpts.sStep == o.viewOpts.sStep;
}

bool TCViewerParams::IsParamOn(char code) const {
    switch (code) {
    case 5:
        return signal.delayOn;
    case 6:
        return signal.reduOn;
    case 7:
    case 8:
    case 9:
        return signal.filtOn;
    default:
        return true;
    }
}

bool TCViewerParams::GetFlagVal(char flag) const {
    switch (flag) {
    case 0:
    case 1:
    case 2:
        return signal.mode == flag;
    case 3:
        return signal.delayOn;
    case 4:
        return signal.reduOn;
    case 5:
        return signal.filtOn;
    case 6:
        return !signal.cutNegative;
    case 7:
        return signal.invert;
    default:
        return false;
    }
}

void TCViewerParams::FlipFlag(char flag) {
    if (flag == 1 || flag == 2)
        signal.FlipFlags(signal.mode == flag ? 0 : flag);
    else
        signal.FlipFlags(flag);
}

int TCViewerParams::GetIntParamVal(char code) const {
    switch (code) {
    case 0:
        return viewOpts.tScale;
    case 1:
        return viewOpts.sScale;
    case 2:
        return viewOpts.tStep;
    case 3:
        return viewOpts.sStep;
    case 5:
        return signal.delay;
    case 7:
        return signal.halfLen;
    case 8:
        return signal.lowFreq;
    case 9:
        return signal.highFreq;
    default:
        return 0;
    }
}

double TCViewerParams::GetFloatParamVal(char code) const {
    switch (code) {
    case 4:
        return signal.CurrentGain();
    case 6:
        return signal.rVel;
    default:
        return 0.0;
    }
}

bool TCViewerParams::CanModify(char code, bool inc) const {
    switch (code) {
    case 0:
        return inc ? viewOpts.CanIncTScale() : viewOpts.CanDecTScale();
    case 1:
        return inc ? viewOpts.CanIncSScale() : viewOpts.CanDecSScale();
    case 2:
        return inc ? viewOpts.CanIncTStep() : viewOpts.CanDecTStep();
    case 3:
        return inc ? viewOpts.CanIncSStep() : viewOpts.CanDecSStep();
    case 4:
        return inc ? signal.CanIncGain() : signal.CanDecGain();
    case 5:
        return signal.CanChangeDelay(inc);
    case 6:
        return inc ? signal.CanIncRVel() : signal.CanDecRVel();
    case 7:
        return inc ? signal.halfLen < kMaxHalfLen : signal.halfLen > kMinHalfLen;
    case 8:
        return signal.CanChangeFreq(inc, true);
    case 9:
        return signal.CanChangeFreq(inc, false);
    default:
        return false;
    }
}

void TCViewerParams::Modify(char code, bool inc) {
    if (!CanModify(code, inc))
        return;
    switch (code) {
    case 0:
        viewOpts.IncTScale(inc);
        break;
    case 1:
        viewOpts.IncSScale(inc);
        break;
    case 2:
        viewOpts.IncTStep(inc);
        break;
    case 3:
        viewOpts.IncSStep(inc);
        break;
    case 4:
        signal.IncGain(inc);
        break;
    case 5:
        signal.IncDelay(inc);
        break;
    case 6:
        signal.IncRVel(inc);
        break;
    case 7:
        signal.halfLen = qint16(signal.halfLen + (inc ? 1 : -1));
        break;
    case 8:
        signal.IncFiltFreq(inc, true);
        break;
    case 9:
        signal.IncFiltFreq(inc, false);
        break;
    default:
        break;
    }
}

void TCViewerParams::Modify(unsigned short key, bool alt, bool shift, bool ctrl) {
    const char c = key < 128 ? char(QChar::toUpper(char32_t(key))) : '\0';
    if (c == '\0')
        return;
    static const char kFlagLetters[] = "NGDRFMI";
    static const char kNumericLetters[] = "XYTSADRFLU";
    if (alt && ctrl) {
        const char* at = std::strchr(kFlagLetters, c);
        if (at != nullptr)
            FlipFlag(char(at - kFlagLetters + 1));
    } else if (ctrl) {
        const char* at = std::strchr(kNumericLetters, c);
        if (at != nullptr)
            Modify(char(at - kNumericLetters), !shift);
    }
}

void TCViewerParams::ProcessTraceSegment(int trace, float* data, int n, float* work) const {
    signal.FilterSegment(data, n, 0.0f, work);
    signal.Amplify(data, n, gainTable.Gain(trace));
}
