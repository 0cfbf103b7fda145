#include "plotcore/rasterfiles.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcimgsources.h"
#include "plotcore/tcolor.h"
#include "plotcore/tcseisimager1.h"
#include "plotcore/tcsviewopts.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class SynthRecord : public TCImgTraceSource, public TCImgOffsetSource {
public:
    std::function<float(int, int)> value = [](int, int) { return 0.0f; };
    int stopAt = 0; // call count that gets no data
    int samples = 0;
    std::vector<int> positions;
    std::vector<int> offsetsAsked;

    const float* ImgTrace(int trace, int position) override {
        positions.push_back(position);
        if (position == stopAt)
            return nullptr;
        buf.assign(size_t(samples), 0.0f);
        for (int i = 0; i < samples; ++i)
            buf[size_t(i)] = value(trace, i);
        return buf.data();
    }
    int ImgOffset(int trace) override {
        offsetsAsked.push_back(trace);
        return trace * 1000 + 999;
    }

private:
    std::vector<float> buf;
};

class Imager : public ::testing::Test {
protected:
    void Make(QRect domain, int bits, bool offAxis = false, int offFactor = 2) {
        props.SetProps(domain, bits, offAxis, offFactor);
        imager.Init(&props, &opts, 2, dir.filePath(QStringLiteral("preview.bmp")));
        record.samples = domain.bottom() - domain.top() + 1;
        imager.SetTrcDelegates(&record, &record);
    }
    QRgb Px(int x, int y) { return imager.Canv()->pixel(x, y) & 0xFFFFFF; }

    QTemporaryDir dir;
    TCImageProps props;
    TCSViewOpts opts;
    SynthRecord record;
    TCSeisImager1 imager;
};

TEST_F(Imager, PadIsOneSlotWiderThanTheTraces) {
    struct Case {
        int t1, t2, tStep, tScale, sScale, s1, s2;
        int traces, samples;
    } const cases[] = {
        {1, 10, 1, 7, 1, 1, 100, 10, 100}, // pad 77 pixels wide
        {5, 50, 5, 4, 2, 1, 300, 10, 300},
        {1, 1000, 3, 3, 1, 10, 809, 334, 800},
    };
    for (const Case& c : cases) {
        opts.tStep = qint16(c.tStep);
        opts.tScale = qint16(c.tScale);
        opts.sScale = qint16(c.sScale);
        Make(QRect(QPoint(c.t1, c.s1), QPoint(c.t2, c.s2)), 24);
        EXPECT_EQ(imager.TraceCount(), c.traces);
        EXPECT_EQ(imager.SampleCount(), c.samples);
        QSize size;
        imager.CalcLayout(size);
        const QRect pad = imager.Pad();
        EXPECT_EQ(pad.right() - pad.left(), (c.traces + 1) * c.tScale) << c.t2;
        EXPECT_EQ(pad.bottom() - pad.top(), c.samples * c.sScale) << c.t2;
        EXPECT_GT(size.width(), pad.right() + 34);
        EXPECT_GT(size.height(), pad.bottom() + 34);
    }
}

TEST_F(Imager, BitmapSizeInMegabytes) {
    EXPECT_NEAR(TCSeisImager1::BimapSizeMb(24, QSize(1000, 800)), 2.2888, 1e-4);
    EXPECT_NEAR(TCSeisImager1::BimapSizeMb(1, QSize(8192, 1024)), 1.0, 1e-12);
    Make(QRect(QPoint(1, 1), QPoint(10, 100)), 8);
    QSize size;
    imager.CalcLayout(size);
    EXPECT_DOUBLE_EQ(imager.BimapSizeMb(), 8.0 * size.width() * size.height() / 8388608.0);
}

TEST_F(Imager, CaptionsAndOffsetRowPushThePadDown) {
    Make(QRect(QPoint(1, 1), QPoint(10, 100)), 24, false);
    QSize size;
    imager.CalcLayout(size);
    const int plainTop = imager.Pad().top();
    Make(QRect(QPoint(1, 1), QPoint(10, 100)), 24, true);
    imager.CalcLayout(size);
    const int offTop = imager.Pad().top();
    EXPECT_GT(offTop, plainTop);
    for (int i = 3; i <= 5; ++i)
        props.SetStrInfo(i, QStringLiteral("Заголовок"));
    props.SetFont(1, TFontInfo{QStringLiteral("DejaVu Sans"), 204, 40, true, false});
    imager.CalcLayout(size);
    EXPECT_GT(imager.Pad().top(), offTop);
}

struct FillCase {
    int bits;
    quint32 fillOption;
    QRgb expected;
};

TEST_F(Imager, PositiveLobesAreFilledAndOneBitFillsBlack) {
    const FillCase cases[] = {
        {24, 0x969696, 0x969696},
        {8, 0x0000FF, 0xFF0000}, // options hold 0x00BBGGRR: red
        {1, 0x969696, 0x000000}, // black whatever the options say
    };
    for (const FillCase& c : cases) {
        opts.tScale = 12;
        opts.fillColor = c.fillOption;
        const int n = 61;
        Make(QRect(QPoint(1, 1), QPoint(3, n)), c.bits);
        record.value = [n](int trace, int i) {
            const float s = float(std::sin(M_PI * i / (n - 1)));
            return trace == 2 ? -s : s; // trace 2 is all negative
        };
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        const QRect pad = imager.Pad();
        const int amp = opts.tScale - 1;
        // Trace 1 lands at slot 1, trace 3 at slot 3; column x0 + tScale is the next zero line.
        for (int trace : {1, 3}) {
            const int x0 = pad.left() + trace * opts.tScale;
            const int peak = pad.top() + (n - 1) / 2;
            EXPECT_EQ(Px(x0 - 1, peak), 0xFFFFFFu);
            for (int x = x0; x < x0 + amp; ++x)
                EXPECT_EQ(Px(x, peak), c.expected) << "bits " << c.bits << " x " << x;
            EXPECT_EQ(Px(x0 + amp, peak), 0u);
            for (int y = pad.top(); y <= pad.bottom(); ++y) {
                // Each row: white, fill, wiggle, white.
                int state = 0;
                for (int x = x0 - 2; x <= x0 + amp; ++x) {
                    const QRgb v = Px(x, y);
                    const int kind = v == 0xFFFFFF                   ? (state == 0 ? 0 : 3)
                                     : v == c.expected && state <= 1 ? 1
                                     : v == 0                        ? 2
                                                                     : -1;
                    ASSERT_NE(kind, -1) << "bits " << c.bits << " at " << x << "," << y;
                    ASSERT_GE(kind, state) << "bits " << c.bits << " at " << x << "," << y;
                    state = kind;
                }
            }
        }
        // The negative trace runs along its zero line and fills nothing right of it (left of it
        // lies the lobe of trace 1).
        const int x2 = pad.left() + 2 * opts.tScale;
        for (int y = pad.top(); y <= pad.bottom(); ++y) {
            EXPECT_EQ(Px(x2, y), 0u) << y;
            for (int x = x2 + 1; x < x2 + opts.tScale - 2; ++x)
                EXPECT_EQ(Px(x, y), 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST_F(Imager, TracesAreDrawnFromTheLastAndAStopEndsTheImage) {
    Make(QRect(QPoint(1, 1), QPoint(10, 50)), 24);
    record.stopAt = 4;
    ASSERT_TRUE(imager.AllocateMem());
    EXPECT_FALSE(imager.DrawImage());
    EXPECT_EQ(record.positions, (std::vector<int>{1, 2, 3, 4}));

    // Reversed or absurd domains, as a damaged job file may hold, allocate nothing.
    const QRect bad[] = {
        QRect(QPoint(10, 1), QPoint(1, 50)),
        QRect(QPoint(1, 50), QPoint(10, 1)),
        QRect(QPoint(-2000000000, 1), QPoint(2000000000, 50)),
        QRect(QPoint(1, 1), QPoint(10, 2000000000)),
    };
    for (const QRect& d : bad) {
        TCSeisImager1 empty;
        props.SetProps(d, 24, false, 2);
        empty.Init(&props, &opts, 2, QString());
        EXPECT_FALSE(empty.AllocateMem()) << d.left() << "," << d.top();
        EXPECT_LT(empty.BimapSizeMb(), 1.0); // laid out as an empty pad, no overflow
    }
}

TEST_F(Imager, OffsetsStandAtEveryOffFactorthLabel) {
    Make(QRect(QPoint(101, 1), QPoint(130, 50)), 24, true, 2);
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    // Labels at k = 0, 5, ..., 30: traces 101, 105, 110, ...; offsets at labels 1, 3, 5, 7.
    EXPECT_EQ(record.offsetsAsked, (std::vector<int>{101, 110, 120, 130}));

    record.offsetsAsked.clear();
    Make(QRect(QPoint(101, 1), QPoint(130, 50)), 24, true, 0); // a zero factor labels all
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    EXPECT_EQ(record.offsetsAsked.size(), 7u);

    record.offsetsAsked.clear();
    Make(QRect(QPoint(101, 1), QPoint(130, 50)), 24, false, 2);
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    EXPECT_TRUE(record.offsetsAsked.empty());
}

TEST_F(Imager, SavedPreviewIsABmpOfTheChosenDepth) {
    for (int bits : {1, 4, 8, 16, 24}) {
        Make(QRect(QPoint(1, 1), QPoint(20, 120)), bits);
        record.value = [](int t, int i) { return float(std::sin(i * 0.1 + t)); };
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        ASSERT_TRUE(imager.SaveImage()) << bits;
        QFile f(dir.filePath(QStringLiteral("preview.bmp")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(30);
        EXPECT_EQ(uchar(head[28]), bits);
        f.close();
        const QImage back(f.fileName());
        ASSERT_FALSE(back.isNull()) << bits;
        EXPECT_EQ(back.size(), imager.Canv()->size());
    }
}

} // namespace
