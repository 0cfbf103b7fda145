#include "sigproc/sigproc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<float> sine(double freq, double dt, int n, double amp = 1.0) {
    std::vector<float> x(n);
    for (int i = 0; i < n; ++i)
        x[size_t(i)] = float(amp * std::sin(2.0 * kPi * freq * dt * i + 0.3));
    return x;
}

double rms(const std::vector<float>& x, int from, int to) {
    double s = 0.0;
    for (int i = from; i < to; ++i)
        s += double(x[size_t(i)]) * x[size_t(i)];
    return std::sqrt(s / (to - from));
}

// Gain in dB of a tone at `freq` through the filter, measured away from the segment ends.
double toneGainDb(const std::vector<double>& coeff, int halfLen, double freq, double dt) {
    const int n = 2000;
    std::vector<float> x = sine(freq, dt, n), work(n);
    const double before = rms(x, 200, n - 200);
    SP_FilterFloat(x.data(), n, halfLen, coeff.data(), work.data());
    return 20.0 * std::log10(rms(x, 200, n - 200) / before);
}

struct ToneCase {
    const char* what;
    int halfLen;
    double low, high; // low 0: low-pass
    double dt;
    double freq;
    bool passes; // within 1 dB, else attenuated by at least 30 dB
};

class FilterTone : public ::testing::TestWithParam<ToneCase> {};

TEST_P(FilterTone, PassesOrStops) {
    const ToneCase& c = GetParam();
    std::vector<double> coeff(SP_MAX_COEFFS, 0.0);
    const int count = c.low > 0 ? SP_PotterBPFilter(c.halfLen, c.low, c.high, c.dt, coeff.data())
                                : SP_PotterLFFilter(c.halfLen, c.high, c.dt, coeff.data());
    ASSERT_EQ(count, 2 * c.halfLen + 1);
    const double db = toneGainDb(coeff, c.halfLen, c.freq, c.dt);
    if (c.passes)
        EXPECT_LT(std::fabs(db), 1.0) << c.what << ": " << db << " dB";
    else
        EXPECT_LT(db, -30.0) << c.what << ": " << db << " dB";
}

INSTANTIATE_TEST_SUITE_P(
    Designs, FilterTone,
    ::testing::Values(ToneCase{"band 20-60, 40 Hz", 50, 20, 60, 0.002, 40, true},
                      ToneCase{"band 20-60, 30 Hz", 50, 20, 60, 0.002, 30, true},
                      ToneCase{"band 20-60, 150 Hz", 50, 20, 60, 0.002, 150, false},
                      ToneCase{"band 20-60, 1 Hz", 50, 20, 60, 0.002, 1, false},
                      ToneCase{"defaults 5-50, 25 Hz", 15, 5, 50, 0.002, 25, true},
                      ToneCase{"defaults 5-50, 200 Hz", 15, 5, 50, 0.002, 200, false},
                      ToneCase{"band 100-200 at 1 ms, 150 Hz", 40, 100, 200, 0.001, 150, true},
                      ToneCase{"band 100-200 at 1 ms, 20 Hz", 40, 100, 200, 0.001, 20, false},
                      ToneCase{"low-pass 40, 10 Hz", 30, 0, 40, 0.002, 10, true},
                      ToneCase{"low-pass 40, 150 Hz", 30, 0, 40, 0.002, 150, false},
                      ToneCase{"low-pass 40, 0.5 Hz", 30, 0, 40, 0.002, 0.5, true}));

// Gain of the designed zero-phase filter at `freq` (Hz), from its coefficients.
double response(const std::vector<double>& coeff, int halfLen, double freq, double dt) {
    double g = coeff[size_t(halfLen)];
    for (int k = 1; k <= halfLen; ++k)
        g += 2.0 * coeff[size_t(halfLen + k)] * std::cos(2.0 * kPi * freq * dt * k);
    return g;
}

struct ResponseCase {
    const char* what;
    int halfLen;
    double low, high; // low 0: low-pass
    double dt;
    double below, belowMax; // a frequency under the low cut (Hz) and the most it may pass
    double midMin;          // the least gain in the middle of the band (of 0..high for a low-pass)
    double above, aboveMax; // a frequency over the high cut (Hz; 0: none) and the most it may pass
};

class FilterResponse : public ::testing::TestWithParam<ResponseCase> {};

// A band-pass has no gain at zero frequency and falls off below its low cut; the low-pass
// keeps a steady level. Either way a steady offset through the real convolution comes out as the
// response says, right up to the segment ends, and no frequency gains more than 3 dB.
TEST_P(FilterResponse, ZeroFrequencyBelowInAndAboveTheBand) {
    const ResponseCase& c = GetParam();
    const bool bandPass = c.low > 0;
    std::vector<double> coeff(SP_MAX_COEFFS, 0.0);
    const int count = bandPass ? SP_PotterBPFilter(c.halfLen, c.low, c.high, c.dt, coeff.data())
                               : SP_PotterLFFilter(c.halfLen, c.high, c.dt, coeff.data());
    ASSERT_EQ(count, 2 * c.halfLen + 1);
    const double dc = bandPass ? 0.0 : 1.0;
    EXPECT_NEAR(response(coeff, c.halfLen, 0.0, c.dt), dc, 1e-9) << c.what;

    const int n = 400;
    std::vector<float> offset(n, 5.0f), work(n);
    SP_FilterFloat(offset.data(), n, c.halfLen, coeff.data(), work.data());
    for (int i = 0; i < n; ++i)
        ASSERT_NEAR(offset[size_t(i)], 5.0 * dc, 1e-4) << c.what << " at " << i;

    if (bandPass) {
        const double below = response(coeff, c.halfLen, c.below, c.dt);
        EXPECT_LE(std::fabs(below), c.belowMax) << c.what << " at " << c.below << " Hz";
    }
    const double mid = response(coeff, c.halfLen, 0.5 * (c.low + c.high), c.dt);
    EXPECT_GE(mid, c.midMin) << c.what;
    EXPECT_LE(mid, 1.0 + 1e-9) << c.what;
    if (c.above > 0) {
        const double above = response(coeff, c.halfLen, c.above, c.dt);
        EXPECT_LE(std::fabs(above), c.aboveMax) << c.what << " at " << c.above << " Hz";
    }
    for (int i = 0; i <= 1000; ++i) {
        const double f = 0.5 / c.dt * i / 1000;
        ASSERT_LE(std::fabs(response(coeff, c.halfLen, f, c.dt)), std::sqrt(2.0) + 1e-3)
            << c.what << " at " << f << " Hz";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ShortAndLong, FilterResponse,
    ::testing::Values(
        ResponseCase{"defaults 5-50 Hz, half-length 15", 15, 5, 50, 0.002, 2.5, 0.05, 0.89, 100,
                     0.01},
        ResponseCase{"20-40 Hz, half-length 15", 15, 20, 40, 0.002, 10, 0.3, 0.89, 80, 0.05},
        ResponseCase{"10-20 Hz, half-length 15", 15, 10, 20, 0.002, 5, 0.15, 0.7, 150, 0.01},
        ResponseCase{"5-50 Hz, half-length 8", 8, 5, 50, 0.002, 2.5, 0.05, 0.7, 150, 0.01},
        ResponseCase{"20-60 Hz, half-length 8", 8, 20, 60, 0.002, 10, 0.15, 0.89, 150, 0.01},
        // Narrower than 8 samples can resolve: little passes, but nothing is amplified.
        ResponseCase{"10-20 Hz, half-length 8", 8, 10, 20, 0.002, 5, 0.1, 0.3, 150, 0.01},
        ResponseCase{"5-50 Hz, half-length 50", 50, 5, 50, 0.002, 2.5, 0.1, 0.89, 70, 0.01},
        ResponseCase{"20-60 Hz, half-length 50", 50, 20, 60, 0.002, 10, 0.05, 0.89, 80, 0.01},
        ResponseCase{"100-200 Hz at 1 ms, half-length 40", 40, 100, 200, 0.001, 50, 0.01, 0.89, 250,
                     0.01},
        ResponseCase{"20 Hz to beyond Nyquist, half-length 30", 30, 20, 400, 0.002, 10, 0.15, 0.89,
                     0, 0},
        ResponseCase{"low-pass 40 Hz, half-length 8", 8, 0, 40, 0.002, 0, 0, 0.85, 120, 0.01},
        ResponseCase{"low-pass 40 Hz, half-length 50", 50, 0, 40, 0.002, 0, 0, 0.89, 80, 0.01}));

TEST(FilterDesign, RefusedArgumentsLeaveCoefficientsAlone) {
    struct Case {
        int halfLen;
        double low, high, dt;
    } cases[] = {{51, 5, 50, 0.002},  {-1, 5, 50, 0.002}, {15, 50, 50, 0.002},
                 {15, 60, 50, 0.002}, {15, 5, 50, 0.0},   {15, 300, 400, 0.002}};
    for (const Case& c : cases) {
        std::vector<double> coeff(SP_MAX_COEFFS + 10, 7.0);
        EXPECT_EQ(SP_PotterBPFilter(c.halfLen, c.low, c.high, c.dt, coeff.data()), 0);
        EXPECT_EQ(SP_PotterLFFilter(c.halfLen, c.dt > 0 ? 0.0 : 50.0, c.dt, coeff.data()), 0);
        for (double v : coeff)
            EXPECT_EQ(v, 7.0);
    }
}

TEST(FilterDesign, ZeroPhaseAndLowPassAboveNyquistPassesAll) {
    std::vector<double> coeff(SP_MAX_COEFFS);
    ASSERT_EQ(SP_PotterBPFilter(50, 10, 80, 0.002, coeff.data()), 101);
    for (int k = 0; k < 50; ++k)
        EXPECT_DOUBLE_EQ(coeff[size_t(k)], coeff[size_t(100 - k)]);
    ASSERT_EQ(SP_PotterLFFilter(3, 400, 0.002, coeff.data()), 7);
    EXPECT_EQ(coeff[3], 1.0);
    EXPECT_EQ(coeff[0] + coeff[1] + coeff[2] + coeff[4] + coeff[5] + coeff[6], 0.0);
}

TEST(FilterFloat, EdgesMirrorAndNothingOutsideIsRead) {
    // A steady level through a low-pass stays steady right up to both ends, also when the
    // segment is shorter than the half-length. Guards around the segment must stay untouched.
    std::vector<double> coeff(SP_MAX_COEFFS);
    ASSERT_GT(SP_PotterLFFilter(50, 40, 0.002, coeff.data()), 0);
    for (int n : {1, 2, 5, 60, 300}) {
        std::vector<float> buf(size_t(n) + 2, 1e30f), work(size_t(n) + 2, -1e30f);
        for (int i = 1; i <= n; ++i)
            buf[size_t(i)] = 3.0f;
        const float m = SP_FilterFloat(buf.data() + 1, n, 50, coeff.data(), work.data() + 1);
        EXPECT_NEAR(m, 3.0f, 1e-4) << n;
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(buf[size_t(i)], 3.0f, 1e-4) << n << " at " << i;
        EXPECT_EQ(buf.front(), 1e30f);
        EXPECT_EQ(buf.back(), 1e30f);
        EXPECT_EQ(work.back(), -1e30f);
    }
}

TEST(FilterFloat, ReturnsLargestAbsoluteAfterFiltering) {
    std::vector<double> coeff = {0.5, 0.0, 0.5}; // average of the two neighbours
    std::vector<float> x = {0, 0, -4, 0, 0}, work(5);
    EXPECT_FLOAT_EQ(SP_FilterFloat(x.data(), 5, 1, coeff.data(), work.data()), 2.0f);
    EXPECT_EQ(x, (std::vector<float>{0, -2, 0, -2, 0}));
    // A refused half-length keeps the data and reports their maximum.
    EXPECT_FLOAT_EQ(SP_FilterFloat(x.data(), 5, 51, coeff.data(), work.data()), 2.0f);
    EXPECT_EQ(x, (std::vector<float>{0, -2, 0, -2, 0}));
}

TEST(AGC, LevelsADecayingTrace) {
    const int n = 2000;
    const double dt = 0.002;
    std::vector<float> x = sine(30, dt, n), work(n);
    for (int i = 0; i < n; ++i)
        x[size_t(i)] *= float(std::exp(-i * dt / 0.5)); // 80 dB of decay over the trace
    SP_AGCTransform(x.data(), n, 100, work.data());
    const double first = rms(x, 0, 200), last = rms(x, n - 200, n);
    EXPECT_NEAR(first, SP_AGC_LEVEL, 0.035);
    EXPECT_NEAR(last, SP_AGC_LEVEL, 0.035);
}

TEST(AGC, SteadySinesStayWithinTheSlot) {
    // Whatever their amplitude and whether the window holds a whole period or only part of one,
    // steady sines come out levelled with peaks at most 1 (a full trace slot).
    struct Case {
        double freq, amp;
        int window;
    } cases[] = {{25, 1.0, 20}, {25, 1e4, 20}, {25, 1e-4, 20}, {37, 3.0, 20}, {110, 1.0, 20},
                 {5, 1.0, 20},  {60, 1.0, 7},  {12, 1.0, 200}, {249, 1.0, 20}};
    for (const Case& c : cases) {
        const int n = 1500;
        std::vector<float> x = sine(c.freq, 0.002, n, c.amp), work(n);
        SP_AGCTransform(x.data(), n, c.window, work.data());
        float peak = 0.0f;
        for (float v : x)
            peak = std::fmax(peak, std::fabs(v));
        EXPECT_LE(peak, 1.0f) << c.freq << " Hz, window " << c.window;
        EXPECT_GE(peak, 0.3f) << c.freq << " Hz, window " << c.window;
    }
}

TEST(AGC, FirstAndLastSamplesUseTheWindowInsideTheSegment) {
    for (int window : {1, 2, 7, 20, 5000}) {
        std::vector<float> x(50, -5.0f), work(50);
        SP_AGCTransform(x.data(), 50, window, work.data());
        for (float v : x)
            EXPECT_FLOAT_EQ(v, -float(SP_AGC_LEVEL)) << "window " << window;
    }
}

TEST(AGC, ZerosStayZeroAfterALargeSpike) {
    std::vector<float> x(400, 0.0f), work(400);
    x[10] = 1e20f;
    x[300] = 1e-20f;
    SP_AGCTransform(x.data(), 400, 20, work.data());
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(std::isfinite(x[size_t(i)])) << i;
        if (i != 10 && i != 300) {
            EXPECT_EQ(x[size_t(i)], 0.0f) << i;
        }
    }
    EXPECT_NEAR(x[300], SP_AGC_LEVEL * std::sqrt(20.0), 1e-3); // alone in its window of 20
    std::vector<float> zeros(30, 0.0f);
    SP_AGCTransform(zeros.data(), 30, 10, work.data());
    for (float v : zeros)
        EXPECT_EQ(v, 0.0f);
}

TEST(AGC, QuietSamplesRightAfterASpikeKeepTheirLevel) {
    // 180 dB between the spike and the alternating quiet tail: once the spike has left the
    // window, every tail sample is levelled to the same magnitude, not lost in the sum's rounding.
    std::vector<float> x(400), work(400);
    x[10] = 1e6f;
    for (int i = 11; i < 400; ++i)
        x[size_t(i)] = i % 2 ? 1e-3f : -1e-3f;
    SP_AGCTransform(x.data(), 400, 20, work.data());
    for (int i = 31; i < 400; ++i)
        ASSERT_NEAR(std::fabs(x[size_t(i)]), SP_AGC_LEVEL, 1e-4) << i;
}

} // namespace
