#include "plotcore/tcsviewopts.h"

#include <QIODevice>
#include <QtEndian>

namespace {

int RoundToStep(int n, int step) {
    if (step < 1)
        step = 1;
    const int r = step * (n / step);
    return r < step ? step : r;
}

void Bump(qint16& field, bool inc, bool canInc, bool canDec) {
    if (inc && canInc)
        ++field;
    else if (!inc && canDec)
        --field;
}

} // namespace

TCSViewOpts::TCSViewOpts() {
    SetDefaults();
}

void TCSViewOpts::SetDefaults() {
    tScale = 7;
    sScale = 1;
    traceColor = 0;
    fillColor = 0x969696;
    frameColor = 0x808000;
    traceLabelStep = 5;
    timeLabelStep = 50;
    tStep = 1;
    sStep = 1;
}

void TCSViewOpts::IncTScale(bool inc) {
    Bump(tScale, inc, CanIncTScale(), CanDecTScale());
}
void TCSViewOpts::IncSScale(bool inc) {
    Bump(sScale, inc, CanIncSScale(), CanDecSScale());
}
void TCSViewOpts::IncTStep(bool inc) {
    Bump(tStep, inc, CanIncTStep(), CanDecTStep());
}
void TCSViewOpts::IncSStep(bool inc) {
    Bump(sStep, inc, CanIncSStep(), CanDecSStep());
}

int TCSViewOpts::TRound(int n) const {
    return RoundToStep(n, tStep);
}
int TCSViewOpts::SRound(int n) const {
    return RoundToStep(n, sStep);
}

bool TCSViewOpts::Save(QIODevice* dev) const {
    if (!dev)
        return false;
    uchar b[kImageSize];
    qToLittleEndian<qint16>(tScale, b + 0);
    qToLittleEndian<qint16>(sScale, b + 2);
    qToLittleEndian<quint32>(traceColor, b + 4);
    qToLittleEndian<quint32>(fillColor, b + 8);
    qToLittleEndian<quint32>(frameColor, b + 12);
    qToLittleEndian<qint16>(traceLabelStep, b + 16);
    qToLittleEndian<qint16>(timeLabelStep, b + 18);
    qToLittleEndian<qint16>(tStep, b + 20);
    qToLittleEndian<qint16>(sStep, b + 22);
    return dev->write(reinterpret_cast<const char*>(b), kImageSize) == kImageSize;
}

bool TCSViewOpts::Load(QIODevice* dev) {
    if (!dev)
        return false;
    uchar b[kImageSize];
    if (dev->read(reinterpret_cast<char*>(b), kImageSize) != kImageSize)
        return false;
    tScale = qFromLittleEndian<qint16>(b + 0);
    sScale = qFromLittleEndian<qint16>(b + 2);
    traceColor = qFromLittleEndian<quint32>(b + 4);
    fillColor = qFromLittleEndian<quint32>(b + 8);
    frameColor = qFromLittleEndian<quint32>(b + 12);
    traceLabelStep = qFromLittleEndian<qint16>(b + 16);
    timeLabelStep = qFromLittleEndian<qint16>(b + 18);
    tStep = qFromLittleEndian<qint16>(b + 20);
    sStep = qFromLittleEndian<qint16>(b + 22);
    return true;
}

bool TCSViewOpts::operator==(const TCSViewOpts& o) const {
    return tScale == o.tScale && sScale == o.sScale && traceColor == o.traceColor &&
           fillColor == o.fillColor && frameColor == o.frameColor &&
           traceLabelStep == o.traceLabelStep && timeLabelStep == o.timeLabelStep &&
           tStep == o.tStep && sStep == o.sStep;
}
