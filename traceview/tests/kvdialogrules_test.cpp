// The decisions of the view options dialog, the gain table window and the maximum-amplitude
// search, without windows.

#include "segygen/segygen.h"
#include "traceview/kvagarules.h"
#include "traceview/kvviewoptrules.h"
#include "traceview/tcampmaxsearch.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tcagatable.h"
#include "viewcore/tcsignal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <functional>
#include <random>

namespace {

// ---- view options

TEST(ViewOptRules, GainTextIsCorrectedWhileTyping) {
    struct Case {
        const char* typed;
        const char* shown;
        bool beep;
    } cases[] = {
        {"600", "500", true},    {"-700", "-500", true},    {"500", "500", false},
        {"-500", "-500", false}, {"499.9", "499.9", false}, {"abc", "0", true},
        {"1-2", "0", true},      {"", "", false},           {"-", "-", false},
        {"1e", "1e", false},     {"1e3", "500", true},      {"12.5", "12.5", false},
    };
    for (const Case& c : cases) {
        const KvGainCheck r = KV_CheckGainText(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(r.beep, c.beep) << c.typed;
    }
    EXPECT_DOUBLE_EQ(KV_GainTextDb(QStringLiteral("-")), 0.0);
    EXPECT_DOUBLE_EQ(KV_GainTextDb(QStringLiteral("800")), 500.0);
    EXPECT_DOUBLE_EQ(KV_GainTextDb(QStringLiteral("-12.5")), -12.5);
}

TEST(ViewOptRules, EachModeKeepsItsOwnGainAndIncrement) {
    TCSignal s;
    s.mode = 2;
    s.gain[0] = 1.0f;
    s.gain[2] = 10.0f;
    s.gainStep[0] = 4;
    s.gainStep[2] = 6;
    TCGainEdit e;
    e.Load(s);
    EXPECT_EQ(e.Mode(), 2);
    EXPECT_EQ(e.GainText(), QStringLiteral("20.000"));
    EXPECT_EQ(e.FactorText(), QStringLiteral("(1.000E+01)"));
    e.SetMode(0);
    EXPECT_EQ(e.GainText(), QStringLiteral("0.000"));
    EXPECT_EQ(e.IncIndex(), 4);
    e.SetGainDb(-6.0);
    e.SetIncIndex(1);
    e.SetMode(2);
    EXPECT_EQ(e.GainText(), QStringLiteral("20.000"));
    EXPECT_EQ(e.IncIndex(), 6);
    e.SetGainDb(900.0); // limited to 500 dB
    EXPECT_EQ(e.GainText(), QStringLiteral("500.000"));

    TCSignal out;
    e.Store(out);
    EXPECT_EQ(out.mode, 2);
    EXPECT_NEAR(TCSignal::FactorToDecibel(out.gain[0]), -6.0, 1e-4);
    EXPECT_EQ(out.gainStep[0], 1);
    EXPECT_FLOAT_EQ(out.gain[2], float(1e25));
    EXPECT_EQ(out.gainStep[2], 6);
    EXPECT_FLOAT_EQ(out.gain[1], s.gain[1]);
    EXPECT_EQ(TCGainEdit::IncFactorText(QStringLiteral("20")), QStringLiteral("(1.000E+01)"));
}

TEST(ViewOptRules, PageChecksDelayColoursAndPanels) {
    EXPECT_TRUE(KV_ReductionPageOk(999999.99));
    EXPECT_FALSE(KV_ReductionPageOk(1000000.0));
    EXPECT_TRUE(KV_FilterPageOk(5, 50));
    EXPECT_FALSE(KV_FilterPageOk(50, 50));
    EXPECT_FALSE(KV_FilterPageOk(60, 50));

    struct {
        qint64 typed;
        int samples;
        qint16 stored;
    } delays[] = {{100, 500, 100},   {499, 500, 499},       {500, 500, 499}, {99999, 500, 499},
                  {-900, 500, -499}, {40000, 65535, 32767}, {7, 0, 0}};
    for (const auto& d : delays)
        EXPECT_EQ(KV_StoredDelay(d.typed, d.samples), d.stored) << d.typed << " " << d.samples;

    const quint32 colors[3] = {0x000000, 0x0000FF, 0xFF0000};
    EXPECT_TRUE(KV_ColorTaken(colors, 1, 0x000000));
    EXPECT_TRUE(KV_ColorTaken(colors, 0, 0xFF0000));
    EXPECT_FALSE(KV_ColorTaken(colors, 1, 0x0000FF)); // its own colour again
    EXPECT_FALSE(KV_ColorTaken(colors, 2, 0x00FF00));

    EXPECT_TRUE(KV_ModePanelEnabled(false, false));
    EXPECT_FALSE(KV_ModePanelEnabled(true, false));
    EXPECT_FALSE(KV_ModePanelEnabled(false, true));

    EXPECT_EQ(KV_EmptyBoxDefault(QStringLiteral("p_ed2Vr")), QStringLiteral("8000.0"));
    EXPECT_EQ(KV_EmptyBoxDefault(QStringLiteral("p_ed3F2")), QStringLiteral("50"));
    EXPECT_TRUE(KV_EmptyBoxDefault(QStringLiteral("p_ed1Gain")).isEmpty());
}

// ---- gain table

TEST(AgaRules, SymmetricTrace) {
    struct {
        int trace, zero, traces, symmetric;
    } cases[] = {{40, 50, 100, 60}, {60, 50, 100, 40}, {10, 3, 100, 0},   {6, 3, 100, 0},
                 {10, 50, 95, 90},  {1, 50, 95, 0},    {50, 50, 100, 50}, {5, 3, 100, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(KV_SymmetricTrace(c.trace, c.zero, c.traces), c.symmetric)
            << c.trace << " about " << c.zero << " of " << c.traces;
}

TEST(AgaRules, AddAndDeleteWithTheSymmetricTrace) {
    TCAGATable t;
    ASSERT_TRUE(KV_AgaAdd(t, 40, KV_SymmetricTrace(40, 50, 100), 2.0f));
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.At(0).trace, 40);
    EXPECT_EQ(t.At(1).trace, 60);
    ASSERT_TRUE(KV_AgaAdd(t, 70, 0, 3.0f));
    // Deleting 60 takes 40 along; the selection stays on row 0, now trace 70.
    EXPECT_EQ(KV_AgaDelete(t, 1, true, 50, 100), 0);
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.At(0).trace, 70);
    // Without the box only the row goes; the last row is selected when its row is gone.
    KV_AgaAdd(t, 10, 0, 1.0f);
    KV_AgaAdd(t, 90, 0, 1.0f);
    EXPECT_EQ(KV_AgaDelete(t, 2, false, 50, 100), 1);
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(KV_AgaDelete(t, 5, true, 50, 100), 5); // outside: nothing
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(KV_AgaDelete(t, 0, false, 50, 100), 0);
    EXPECT_EQ(KV_AgaDelete(t, 0, false, 50, 100), -1);

    TCAGATable full;
    for (int i = 1; i <= 49; ++i)
        ASSERT_TRUE(KV_AgaAdd(full, i, 0, 1.0f));
    // The 50th fits, its symmetric partner (the 51st) does not.
    EXPECT_FALSE(KV_AgaAdd(full, 60, 80, 1.0f));
    EXPECT_EQ(full.Count(), 50);
    EXPECT_GE(full.IndexOf(60), 0);
}

TEST(AgaRules, EntryDialogChecks) {
    struct {
        const char *trace, *gain;
        bool enabled, accepted;
    } cases[] = {{"5", "6", true, true},    {"0", "6", false, false},   {"", "6", false, false},
                 {"5", "", false, false},   {"96", "400", true, true},  {"97", "1", true, false},
                 {"5", "401", true, false}, {"5", "-401", true, false}, {"5", "-", true, false}};
    for (const auto& c : cases) {
        const QString t = QString::fromLatin1(c.trace), g = QString::fromLatin1(c.gain);
        EXPECT_EQ(KV_AgaEntryOkEnabled(t, g), c.enabled) << c.trace << " " << c.gain;
        EXPECT_EQ(KV_AgaEntryAcceptable(t, g, 96), c.accepted) << c.trace << " " << c.gain;
    }
}

// ---- maximum-amplitude search

using Samples = std::function<float(int trace, int sample)>; // both from 1

// A little-endian IEEE-float record of traces x samples with the given samples.
std::string WriteRecord(const char* name, int traces, int samples, const Samples& f) {
    const std::string path = qEnvironmentVariable("GRAVIK_HOME").toStdString() + "/" + name;
    SynthSpec s;
    s.sources = 1;
    s.receivers = traces;
    s.samples = samples;
    s.format = 5;
    s.order = fmtWindows;
    EXPECT_EQ(WriteSynthSegy(path, s), 0);
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray data(4 * samples, '\0');
    for (int t = 1; t <= traces; ++t) {
        for (int j = 1; j <= samples; ++j)
            qToLittleEndian(f(t, j), data.data() + 4 * (j - 1));
        file.seek(3600 + qint64(t - 1) * (240 + 4 * samples) + 240);
        file.write(data);
    }
    return path;
}

// The search written out directly: every window summed anew.
QPoint NaiveSearch(int traces, int samples, const Samples& f, const TAmpMaxRegion& r,
                   double* bestMean) {
    QPoint best(1, 1);
    double top = 0.0;
    for (int a = r.t1; a <= r.t2; ++a)
        for (int j = r.s1; j <= r.s2; ++j) {
            double sum = 0.0;
            int n = 0;
            for (int t = std::max(1, a - r.hT); t <= std::min(traces, a + r.hT); ++t)
                for (int k = std::max(1, j - r.hS); k <= std::min(samples, j + r.hS); ++k, ++n)
                    sum += std::fabs(double(f(t, k)));
            if (sum / n > top) {
                top = sum / n;
                best = QPoint(a, j);
            }
        }
    *bestMean = top;
    return best;
}

struct Searched {
    QPoint vertex;
    double mean;
    bool stopped;
};

// keepLimit 0 reads the region twice instead of keeping it from the first pass.
Searched Search(const std::string& path, const TAmpMaxRegion& r,
                const TCAmpMaxSearch::Progress& progress = nullptr, size_t keepLimit = 1 << 20) {
    TCSegyReaderEx reader;
    EXPECT_EQ(reader.Open(path), 0);
    TCAmpMaxSearch s;
    s.SetKeepLimit(keepLimit);
    const QPoint v = s.Run(reader, r, progress);
    return {v, s.BestMean(), s.Stopped()};
}

TEST(AmpMaxSearch, SmallCases) {
    // Samples are zero but for `hot` (trace, sample, value); 10 traces x 8 samples.
    struct Hot {
        int t, s;
        float v;
    };
    struct Case {
        const char* what;
        std::vector<Hot> hot;
        TAmpMaxRegion region;
        QPoint vertex;
        double mean;
    } cases[] = {
        // Trace 1 with half-width 3 averages traces 1..4: 12 / 4.
        {"clipped at the first trace",
         {{1, 1, 12}, {5, 1, 0.5f}},
         {1, 10, 1, 1, 3, 0},
         {1, 1},
         3.0},
        // Trace 5 lies outside the window of trace 1 (1..4): trace 2 (1..5) is the first to see it.
        {"beyond the clipped window", {{5, 1, 10}}, {1, 10, 1, 1, 3, 0}, {2, 1}, 2.0},
        // The last trace's window is 7..10: 4 traces.
        {"clipped at the last trace", {{10, 8, 8}}, {1, 10, 1, 8, 3, 0}, {10, 8}, 2.0},
        {"clipped at both sample ends", {{4, 1, 6}, {4, 8, 6}}, {1, 10, 1, 8, 0, 2}, {4, 1}, 2.0},
        // Two equal events: the first (by trace, then sample) wins.
        {"first of equal maxima", {{7, 4, 5}, {3, 6, 5}}, {1, 10, 1, 8, 1, 1}, {2, 5}, 5.0 / 9},
        {"region inside the record", {{2, 2, 9}, {8, 6, 3}}, {5, 10, 4, 8, 0, 0}, {8, 6}, 3.0},
        // The window reaches outside the region: trace 4 sees trace 2 with half-width 2.
        {"window beyond the region", {{2, 5, 10}}, {4, 10, 1, 8, 2, 0}, {4, 5}, 2.0},
        {"negative samples count by magnitude",
         {{6, 3, -4}, {2, 3, 3}},
         {1, 10, 1, 8, 0, 0},
         {6, 3},
         4.0},
        {"an all-zero record keeps the start", {}, {3, 10, 2, 8, 1, 1}, {1, 1}, 0.0},
    };
    int n = 0;
    for (const Case& c : cases) {
        const Samples f = [&c](int t, int s) {
            for (const Hot& h : c.hot)
                if (h.t == t && h.s == s)
                    return h.v;
            return 0.0f;
        };
        const std::string path =
            WriteRecord(("small" + std::to_string(n++) + ".sgy").c_str(), 10, 8, f);
        const Searched got = Search(path, c.region);
        EXPECT_EQ(got.vertex, c.vertex) << c.what;
        EXPECT_NEAR(got.mean, c.mean, 1e-9) << c.what;
        double mean = 0;
        EXPECT_EQ(NaiveSearch(10, 8, f, c.region, &mean), c.vertex) << c.what;
    }
}

TEST(AmpMaxSearch, MatchesTheWindowByWindowSearch) {
    // Whole-number amplitudes with many ties, and float amplitudes of a wide range.
    std::mt19937 gen(7);
    for (int round = 0; round < 6; ++round) {
        const int traces = 9 + round * 3, samples = 11 + round * 2;
        std::vector<float> v(size_t(traces * samples));
        for (float& x : v)
            x = round % 2 == 0
                    ? float(int(gen() % 5) - 2)
                    : float(std::ldexp(double(gen() % 1000) - 500, int(gen() % 20) - 10));
        const Samples f = [&v, samples](int t, int s) {
            return v[size_t((t - 1) * samples + s - 1)];
        };
        const std::string path =
            WriteRecord(("random" + std::to_string(round) + ".sgy").c_str(), traces, samples, f);
        for (const TAmpMaxRegion& r : {TAmpMaxRegion{1, traces, 1, samples, 0, 0},
                                       TAmpMaxRegion{1, traces, 1, samples, 2, 3},
                                       TAmpMaxRegion{3, traces - 1, 2, samples - 3, 4, 1},
                                       TAmpMaxRegion{2, 2, 1, samples, 25, 50}}) {
            double mean = 0;
            const QPoint want = NaiveSearch(traces, samples, f, r, &mean);
            for (size_t keep : {size_t(0), size_t(1) << 20}) {
                const Searched got = Search(path, r, nullptr, keep);
                EXPECT_EQ(got.vertex, want)
                    << "round " << round << " hT " << r.hT << " hS " << r.hS << " keep " << keep;
                EXPECT_NEAR(got.mean, mean, 1e-9 * std::max(1.0, mean));
            }
        }
    }
}

TEST(AmpMaxSearch, FindsAStrongEventAndStopsWithTheBestSoFar) {
    SynthSpec shot;
    shot.sources = 2;
    shot.receivers = 30;
    shot.samples = 300;
    shot.format = 5;
    const std::string path = qEnvironmentVariable("GRAVIK_HOME").toStdString() + "/event.sgy";
    ASSERT_EQ(WriteSynthSegy(path, shot), 0);
    // A block of 5 traces x 11 samples around trace 37, sample 200, far above the record.
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (int t = 35; t <= 39; ++t)
        for (int j = 195; j <= 205; ++j) {
            file.seek(3600 + qint64(t - 1) * (240 + 4 * 300) + 240 + 4 * (j - 1));
            char b[4];
            qToBigEndian(50.0f, b);
            file.write(b, 4);
        }
    file.close();
    const TAmpMaxRegion whole{1, 60, 1, 300, 2, 5};
    int calls = 0;
    const Searched all = Search(path, whole, [&calls](long long done, long long total) {
        EXPECT_EQ(done % 50, 0);
        EXPECT_EQ(total, 60 * 300);
        ++calls;
        return true;
    });
    EXPECT_EQ(all.vertex, QPoint(37, 200));
    EXPECT_FALSE(all.stopped);
    EXPECT_GE(calls, 60 * 300 / 50);

    // Stopped after 40 x 300 windows: the best of traces 1..40, the event included; stopped
    // after 30 traces: the best before it, which the region 1..30 confirms.
    const auto stopAt = [](long long windows) {
        return [windows](long long done, long long) { return done < windows; };
    };
    const Searched late = Search(path, whole, stopAt(40 * 300));
    EXPECT_TRUE(late.stopped);
    EXPECT_EQ(late.vertex, QPoint(37, 200));
    const Searched early = Search(path, whole, stopAt(30 * 300));
    EXPECT_TRUE(early.stopped);
    const Searched first30 = Search(path, {1, 30, 1, 300, 2, 5});
    EXPECT_EQ(early.vertex, first30.vertex);
    EXPECT_LE(early.vertex.x(), 30);
}

} // namespace
