#include "viewcore/tcsignal.h"

#include "sigproc/sigproc.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

QByteArray imageOf(const TCSignal& s) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(s.Save(&buf));
    return buf.data();
}

template <typename T> T at(const QByteArray& image, int offset) {
    T v;
    std::memcpy(&v, image.constData() + offset, sizeof v);
    return qFromLittleEndian(v);
}

double floatAt(const QByteArray& image, int offset) {
    const quint32 bits = at<quint32>(image, offset);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

double doubleAt(const QByteArray& image, int offset) {
    const quint64 bits = at<quint64>(image, offset);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

TCSignal distinctSignal() {
    TCSignal s;
    s.mode = 2;
    s.agcWindow = 0x1234;
    s.gain[0] = 1.5f;
    s.gain[1] = -2.25f;
    s.gain[2] = 1e10f;
    s.gainStep[0] = 6;
    s.gainStep[1] = 5;
    s.gainStep[2] = 4;
    s.reserved = -7;
    s.reduOn = true;
    s.offsetByTrace = false;
    s.refTrace = -123456;
    s.traceDist = 12.5f;
    s.rVel = 6000.0f;
    s.rVelStep = 50.0f;
    s.delayOn = true;
    s.delay = -300;
    s.maxDelay = 70000;
    s.delayStep = 7;
    s.filtOn = true;
    s.lowFreq = 11;
    s.highFreq = 4321;
    s.halfLen = 44;
    s.freqStep = 9;
    for (int k = 0; k < TCSignal::kMaxCoeffs; ++k)
        s.coeff[k] = k * 0.5 - 3.0;
    s.cutNegative = false;
    s.invert = true;
    return s;
}

TEST(SignalImage, FieldsSitAtTheirOffsetsAndFillerIsZero) {
    const TCSignal s = distinctSignal();
    const QByteArray img = imageOf(s);
    ASSERT_EQ(img.size(), 880);
    EXPECT_EQ(at<qint8>(img, 0), 2);
    EXPECT_EQ(at<quint16>(img, 2), 0x1234);
    EXPECT_EQ(floatAt(img, 4), 1.5);
    EXPECT_EQ(floatAt(img, 8), -2.25);
    EXPECT_EQ(floatAt(img, 12), 1e10f);
    EXPECT_EQ(at<qint8>(img, 16), 6);
    EXPECT_EQ(at<qint8>(img, 17), 5);
    EXPECT_EQ(at<qint8>(img, 18), 4);
    EXPECT_EQ(at<qint32>(img, 20), -7);
    EXPECT_EQ(at<qint8>(img, 24), 1);
    EXPECT_EQ(at<qint8>(img, 25), 0);
    EXPECT_EQ(at<qint32>(img, 28), -123456);
    EXPECT_EQ(floatAt(img, 32), 12.5);
    EXPECT_EQ(floatAt(img, 36), 6000.0);
    EXPECT_EQ(floatAt(img, 40), 50.0);
    EXPECT_EQ(at<qint8>(img, 44), 1);
    EXPECT_EQ(at<qint16>(img, 46), -300);
    EXPECT_EQ(at<qint32>(img, 48), 70000);
    EXPECT_EQ(at<qint16>(img, 52), 7);
    EXPECT_EQ(at<qint8>(img, 54), 1);
    EXPECT_EQ(at<qint16>(img, 56), 11);
    EXPECT_EQ(at<qint16>(img, 58), 4321);
    EXPECT_EQ(at<qint16>(img, 60), 44);
    EXPECT_EQ(at<qint16>(img, 62), 9);
    EXPECT_EQ(doubleAt(img, 64), -3.0);
    EXPECT_EQ(doubleAt(img, 64 + 8 * 100), 47.0);
    EXPECT_EQ(at<qint8>(img, 872), 0);
    EXPECT_EQ(at<qint8>(img, 873), 1);
    for (int filler : {1, 19, 26, 27, 45, 55, 874, 875, 879})
        EXPECT_EQ(img[filler], '\0') << filler;
}

TEST(SignalImage, LoadsBackAndAShortImageFails) {
    const TCSignal s = distinctSignal();
    QByteArray img = imageOf(s);
    QBuffer in(&img);
    in.open(QIODevice::ReadOnly);
    TCSignal back;
    ASSERT_TRUE(back.Load(&in));
    EXPECT_EQ(imageOf(back), img);
    EXPECT_EQ(back.maxDelay, 70000);

    QByteArray cut = img.left(879);
    QBuffer shortIn(&cut);
    shortIn.open(QIODevice::ReadOnly);
    TCSignal untouched;
    EXPECT_FALSE(untouched.Load(&shortIn));
    EXPECT_EQ(imageOf(untouched), imageOf(TCSignal()));
}

TEST(SignalGain, StepFactorsPerMode) {
    TCSignal s;
    EXPECT_NEAR(s.GetGainInc(), std::pow(10.0, 0.5), 1e-5);
    s.mode = 1;
    EXPECT_NEAR(s.GetGainInc(), std::pow(10.0, 0.3), 1e-5);
    s.mode = 2;
    EXPECT_NEAR(s.GetGainInc(), std::pow(10.0, 0.3), 1e-5);
    QStringList list{"old"};
    TCSignal::GetGainIncList(list);
    EXPECT_EQ(list, (QStringList{"3", "6", "10", "20", "35", "40", "60"}));
    // Damaged bytes never index outside the tables.
    s.mode = 9;
    s.gainStep[0] = 100;
    EXPECT_NEAR(s.GetGainInc(), std::pow(10.0, 0.15), 1e-5);
}

TEST(SignalGain, LimitsAtPlusMinus500dB) {
    struct Case {
        int mode;
        double db; // current gain
        bool canInc, canDec;
    } cases[] = {
        {0, 0.0, true, true},    {0, 489.9, true, true},   {0, 490.1, false, true},
        {0, -489.9, true, true}, {0, -490.1, true, false}, {1, 493.9, true, true},
        {1, 494.1, false, true}, {2, -494.1, true, false},
    };
    for (const Case& c : cases) {
        TCSignal s;
        s.mode = qint8(c.mode);
        s.gain[c.mode] = float(TCSignal::DecibelToFactor(c.db));
        EXPECT_EQ(s.CanIncGain(), c.canInc) << c.mode << " " << c.db;
        EXPECT_EQ(s.CanDecGain(), c.canDec) << c.mode << " " << c.db;
        const float before = s.gain[c.mode];
        s.IncGain(true);
        if (c.canInc)
            EXPECT_NEAR(s.gain[c.mode] / before, s.GetGainInc(), 1e-3);
        else
            EXPECT_EQ(s.gain[c.mode], before);
    }
    TCSignal s;
    int raises = 0;
    while (s.CanIncGain() && raises < 1000) {
        s.IncGain(true);
        ++raises;
    }
    // About 50 steps of 10 dB from 0 dB (float rounding may stop one short of 500 dB exactly).
    const double db = TCSignal::FactorToDecibel(s.gain[0]);
    EXPECT_GE(raises, 49);
    EXPECT_LE(db, 500.0);
    EXPECT_GT(db + 10.0, 500.0);
}

TEST(SignalLimits, VelocityDelayFrequency) {
    TCSignal s;
    s.rVel = 200;
    s.IncRVel(false);
    EXPECT_EQ(s.rVel, 100);
    s.IncRVel(false);
    EXPECT_EQ(s.rVel, 100);
    s.rVel = 999900;
    EXPECT_FALSE(s.CanIncRVel());
    s.rVel = 999800;
    s.IncRVel(true);
    EXPECT_EQ(s.rVel, 999900);

    struct DelayCase {
        int maxDelay, delay, step;
        bool inc, allowed;
    } delays[] = {{0, 0, 20, true, false},
                  {0, 0, 20, false, false},
                  {1000, 980, 20, true, false},
                  {1000, 960, 20, true, true},
                  {1000, 980, 20, false, true},
                  {1000, -980, 20, false, false},
                  // A limit beyond 16 bits (65535 samples per trace) never wraps the delay.
                  {65535, 32740, 20, true, true},
                  {65535, 32760, 20, true, false},
                  {65535, -32760, 20, false, false},
                  {65535, -32748, 20, false, true}};
    for (const DelayCase& c : delays) {
        TCSignal d;
        d.maxDelay = c.maxDelay;
        d.delay = qint16(c.delay);
        d.delayStep = qint16(c.step);
        EXPECT_EQ(d.CanChangeDelay(c.inc), c.allowed) << c.maxDelay << " " << c.delay;
        d.IncDelay(c.inc);
        EXPECT_EQ(d.delay, c.allowed ? c.delay + (c.inc ? c.step : -c.step) : c.delay);
    }

    struct FreqCase {
        int low, high;
        bool inc, onLow, allowed;
    } freqs[] = {{45, 50, true, true, true},    {48, 50, true, true, false},
                 {3, 50, false, true, true},    {2, 50, false, true, false},
                 {5, 9997, true, false, true},  {5, 9998, true, false, false},
                 {47, 50, false, false, false}, {46, 50, false, false, true}};
    for (const FreqCase& c : freqs) {
        TCSignal f;
        f.lowFreq = qint16(c.low);
        f.highFreq = qint16(c.high);
        EXPECT_EQ(f.CanChangeFreq(c.inc, c.onLow), c.allowed) << c.low << " " << c.high;
        f.IncFiltFreq(c.inc, c.onLow);
        const int step = c.allowed ? (c.inc ? 3 : -3) : 0;
        EXPECT_EQ(f.lowFreq, c.low + (c.onLow ? step : 0));
        EXPECT_EQ(f.highFreq, c.high + (c.onLow ? 0 : step));
    }
}

TEST(SignalFlags, FlipFlags) {
    TCSignal s;
    s.FlipFlags(2);
    EXPECT_EQ(s.mode, 2);
    s.FlipFlags(1);
    EXPECT_EQ(s.mode, 1);
    s.FlipFlags(3);
    s.FlipFlags(4);
    s.FlipFlags(5);
    s.FlipFlags(6);
    s.FlipFlags(7);
    EXPECT_TRUE(s.delayOn && s.reduOn && s.filtOn && s.invert);
    EXPECT_FALSE(s.cutNegative);
    const QByteArray before = imageOf(s);
    s.FlipFlags(8);
    s.FlipFlags(-1);
    EXPECT_EQ(imageOf(s), before);
}

TEST(SignalDelay, ReductionAndTotal) {
    TCSignal s;
    EXPECT_EQ(s.GetReduDelaySmp(11, 0.002f), 0); // reduction off
    s.reduOn = true;
    EXPECT_EQ(s.GetReduDelaySmp(11, 0.002f), 156);
    EXPECT_EQ(s.GetReduDelaySmp(1, 0.002f), 0);
    s.offsetByTrace = false;
    EXPECT_EQ(s.GetReduDelaySmp(2500, 0.002f), 156);
    s.delay = -20;
    EXPECT_EQ(s.GetTotalDelaySmp(2500, 0.002f), 156);
    s.delayOn = true;
    EXPECT_EQ(s.GetTotalDelaySmp(2500, 0.002f), 136);
    s.rVel = 0; // from a damaged set: no division fault, just a huge delay
    EXPECT_EQ(s.GetReduDelaySmp(2500, 0.002f), INT_MAX);
}

TEST(SignalFilter, BuiltOncePerKeyAndEveryObjectGetsTheCoefficients) {
    TCSignal a;
    a.halfLen = 37;
    a.lowFreq = 7;
    a.highFreq = 61;
    EXPECT_TRUE(a.BuildBandPassFilter(0.002));
    EXPECT_FALSE(a.BuildBandPassFilter(0.0020000001)); // same key, 2000 us
    TCSignal b;
    b.halfLen = 37;
    b.lowFreq = 7;
    b.highFreq = 61;
    EXPECT_FALSE(b.BuildBandPassFilter(0.002));
    EXPECT_EQ(std::memcmp(a.coeff, b.coeff, sizeof a.coeff), 0);
    EXPECT_NE(b.coeff[37], 0.0);
    EXPECT_TRUE(b.BuildBandPassFilter(0.001)); // another interval
    b.lowFreq = 0;
    EXPECT_TRUE(b.BuildBandPassFilter(0.001)); // low-pass: unit gain at zero frequency
    double sum = 0;
    for (int k = 0; k <= 74; ++k)
        sum += b.coeff[k];
    EXPECT_NEAR(sum, 1.0, 1e-9);
    b.halfLen = 51; // beyond the coefficient array: refused, coefficients kept
    EXPECT_FALSE(b.BuildBandPassFilter(0.001));
    EXPECT_NEAR(b.coeff[0] + b.coeff[74], 2 * b.coeff[0], 1e-15);
}

TEST(SignalFilter, ABandAboveNyquistPassesNothing) {
    // Raised through the controls to 260-300 Hz at 2 ms (Nyquist 250 Hz): the earlier band's
    // coefficients must not stay in use under the new read-out.
    TCSignal s;
    s.filtOn = true;
    s.cutNegative = false;
    ASSERT_TRUE(s.BuildBandPassFilter(0.002));
    s.lowFreq = 260;
    s.highFreq = 300;
    EXPECT_FALSE(s.BuildBandPassFilter(0.002));
    std::vector<float> d(64), work(64);
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = float(std::sin(0.3 * double(i)));
    s.ProcessTraceSegment(d.data(), 64, 1.0f, work.data());
    for (float v : d)
        EXPECT_EQ(v, 0.0f);
}

TEST(SignalChain, ModesOfProcessTraceSegment) {
    std::vector<float> work(8);
    TCSignal s;
    s.cutNegative = false;
    {
        std::vector<float> d = {0, 0, 0, 0};
        s.mode = 1;
        s.ProcessTraceSegment(d.data(), 4, 0.0f, work.data());
        for (float v : d)
            EXPECT_EQ(v, 0.0f);
    }
    {
        std::vector<float> d = {1, -4, 2, 0};
        s.mode = 1;
        s.gain[1] = 2.0f;
        s.ProcessTraceSegment(d.data(), 4, 4.0f, work.data());
        EXPECT_EQ(d, (std::vector<float>{0.5f, -2.0f, 1.0f, 0.0f}));
    }
    {
        std::vector<float> d = {1, -4, 2, 0};
        s.mode = 0;
        s.gain[0] = 3.0f;
        s.ProcessTraceSegment(d.data(), 4, 4.0f, work.data());
        EXPECT_EQ(d, (std::vector<float>{3, -12, 6, 0}));
    }
    {
        std::vector<float> d = {8, 8, 8, 8};
        s.mode = 2;
        s.gain[2] = 5.0f;
        s.ProcessTraceSegment(d.data(), 4, 8.0f, work.data());
        for (float v : d)
            EXPECT_FLOAT_EQ(v, float(5.0 * SP_AGC_LEVEL)); // levelled, then the mode's gain
    }
}

TEST(SignalChain, NormalisationUsesTheFilteredMaximum) {
    TCSignal s;
    s.mode = 1;
    s.filtOn = true;
    s.halfLen = 1;
    s.coeff[0] = 0.5;
    s.coeff[1] = 0.0;
    s.coeff[2] = 0.5;
    std::vector<float> d = {0, 0, 4, 0, 0}, work(5);
    s.ProcessTraceSegment(d.data(), 5, 4.0f, work.data());
    EXPECT_EQ(d, (std::vector<float>{0, 1, 0, 1, 0})); // filtered peak 2 scaled to gain 1
}

TEST(SignalChain, AmplifyInvertsThenCutsThenClamps) {
    struct Case {
        bool invert, cut;
        float in, factor, out;
    } cases[] = {
        {false, false, 2.0f, 3.0f, 6.0f},        {true, false, 2.0f, 3.0f, -6.0f},
        {false, true, -2.0f, 1.0f, 0.0f},        {true, true, 2.0f, 1.0f, 0.0f},
        {true, true, -2.0f, 1.0f, 2.0f},         {false, false, 3e38f, 10.0f, FLT_MAX},
        {false, false, -3e38f, 10.0f, -FLT_MAX}, {false, false, NAN, 1.0f, 0.0f},
    };
    TCSignal s;
    for (const Case& c : cases) {
        s.invert = c.invert;
        s.cutNegative = c.cut;
        float v = c.in;
        s.Amplify(&v, 1, c.factor);
        EXPECT_EQ(v, c.out) << c.invert << c.cut << " " << c.in;
    }
    s.invert = true;
    s.cutNegative = false;
    float zero = 0.0f;
    s.Amplify(&zero, 1, 1.0f);
    EXPECT_FALSE(std::signbit(zero)); // no negative zero
}

TEST(SignalCompare, OnlyTheDrawnFieldsCount) {
    TCSignal a, b;
    b.gainStep[0] = 5;
    b.agcWindow = 99;
    b.refTrace = 7;
    b.traceDist = 1;
    b.offsetByTrace = false;
    b.maxDelay = 5;
    b.coeff[3] = 1;
    b.rVelStep = 1;
    b.delayStep = 1;
    b.freqStep = 1;
    EXPECT_TRUE(a == b);
    b.gain[2] = 2;
    EXPECT_TRUE(a != b);
}

} // namespace
