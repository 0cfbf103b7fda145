#include "pictures.h"
#include "plotcore/canvastext.h"
#include "plotcore/rasterfiles.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcimgsources.h"
#include "plotcore/tcolor.h"
#include "plotcore/tcseisimager1.h"
#include "plotcore/tcsviewopts.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
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
    std::vector<int> traces;
    std::vector<int> offsetsAsked;

    const float* ImgTrace(int trace, int position) override {
        positions.push_back(position);
        traces.push_back(trace);
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

// Metrics of a job font at the bitmap's resolution.
QFontMetrics Metrics(const TFontInfo& f) {
    static const QImage reference(1, 1, QImage::Format_RGB32);
    return T_FontMetrics(f.ToQFont(), &reference);
}

// Columns and rows of a part of the picture that hold anything but white.
QRect Ink(const QImage& img, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(Imager, LayoutFollowsCaptionsOffsetRowAndWidestLabel) {
    struct Case {
        bool captions, offAxis;
        int interval; // 2000 makes the widest time label wider than "OFFSET"
    } const cases[] = {
        {false, false, 2},
        {false, true, 2},
        {true, false, 2},
        {true, true, 2000},
    };
    const TFontInfo big{QStringLiteral("DejaVu Sans"), 204, 30, true, false};
    for (const Case& c : cases) {
        TCImageProps job;
        job.SetProps(QRect(QPoint(1, 1), QPoint(10, 300)), 24, c.offAxis, 2);
        if (c.captions) {
            job.SetFont(1, big);
            job.SetFont(2, big);
            for (int i = 3; i <= 5; ++i)
                job.SetStrInfo(i, QStringLiteral("Профиль"));
        }
        TCSeisImager1 im;
        im.Init(&job, &opts, c.interval, QString());
        QSize size;
        im.CalcLayout(size);

        const int h0 = Metrics(job.GetFont(0)).height();
        const int captions =
            c.captions ? 20 + Metrics(big).height() + 4 + Metrics(big).height() : 20;
        const int top = std::max(captions, 3 * h0 + 20) + 20 + (c.offAxis ? h0 + 1 : 0) + h0 + 14;
        const QFontMetrics fm0 = Metrics(job.GetFont(0));
        const int timeW = fm0.horizontalAdvance(QString::number(300 * c.interval));
        const int w = std::max({fm0.horizontalAdvance(QStringLiteral("ТRACE")),
                                fm0.horizontalAdvance(QStringLiteral("OFFSET")), timeW});
        const QRect pad = im.Pad();
        EXPECT_EQ(pad.top(), top) << c.captions << c.offAxis;
        EXPECT_EQ(pad.bottom(), top + 300);
        EXPECT_EQ(pad.left(), 34 + w) << c.interval;
        EXPECT_EQ(pad.right(), 34 + w + 77);
        // A centred title with a right caption of its width on its row needs 20 pixels of
        // margin and 20 of gap on both sides: the narrow picture is widened for them.
        const int sectionW = pad.right() + 14 + timeW + 20;
        const int captionsW = 3 * Metrics(big).horizontalAdvance(QStringLiteral("Профиль")) + 80;
        EXPECT_EQ(size, QSize(c.captions ? std::max(sectionW, captionsW) : sectionW,
                              pad.bottom() + 14 + h0 + 20));
    }
}

TEST_F(Imager, CaptionsNeverTouchEachOtherOrLeaveThePicture) {
    // The info lines as the exporter writes them, beside a title, a subtitle and a right
    // caption in the default fonts. A narrow picture is widened; a wide one keeps its width.
    struct Case {
        int traces;
        bool widened;
        const char* picture;
    } const cases[] = {
        {10, true, "export-10-traces"},
        {60, true, "export-60-traces"},
        {400, false, nullptr},
    };
    const QString info[] = {
        QStringLiteral("File \"shot_0345.sgy\".  Sample interval 2 ms"),
        QStringLiteral("Traces: 1 - 60 with increment 1. Samples: 1 - 250 with increment 1."),
        QStringLiteral("Reduction velocity: none. Bandpass Filter: 5 - 50 Hz."),
    };
    for (int i = 0; i < 3; ++i)
        props.SetStrInfo(i, info[i]);
    props.SetStrInfo(3, QStringLiteral("Профиль 12"));
    props.SetStrInfo(4, QStringLiteral("Сейсмограмма ПВ 345"));
    props.SetStrInfo(5, QStringLiteral("Лист 3"));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.traces << " traces");
        Make(QRect(QPoint(1, 1), QPoint(c.traces, 250)), 24);
        record.value = [](int t, int i) { return float(std::sin(0.2 * i + 0.9 * t)); };
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        const QImage& img = *imager.Canv();
        if (c.picture)
            T_SavePicture(img, c.picture);
        const int w = img.width();
        const QRect pad = imager.Pad();
        const QFontMetrics fm0 = Metrics(props.GetFont(0)), fm1 = Metrics(props.GetFont(1)),
                           fm2 = Metrics(props.GetFont(2));
        const int h0 = fm0.height();
        const int timeW = fm0.horizontalAdvance(QStringLiteral("500"));
        EXPECT_EQ(w > pad.right() + 14 + timeW + 20, c.widened);

        // Where each caption stands: info lines at the left, title centred, right caption at the
        // right margin, subtitle centred below the title.
        std::vector<QRect> boxes;
        for (int i = 0; i < 3; ++i)
            boxes.emplace_back(20, 20 + i * h0, fm0.horizontalAdvance(info[i]), h0);
        const int wt = fm1.horizontalAdvance(props.GetStrInfo(3));
        const int wr = fm1.horizontalAdvance(props.GetStrInfo(5));
        const int ws = fm2.horizontalAdvance(props.GetStrInfo(4));
        boxes.emplace_back((w - wt) / 2, 20, wt, fm1.height());
        boxes.emplace_back(w - 20 - wr, 20, wr, fm1.height());
        boxes.emplace_back((w - ws) / 2, 20 + fm1.height() + 4, ws, fm2.height());
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(img.rect().contains(boxes[i])) << "caption " << i;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << "captions " << j << ", " << i;
        }
        // And the captions are drawn there: all ink above the trace axis lies in those boxes.
        const int traceRow = pad.top() - h0 - 14;
        for (const QRect& b : boxes)
            EXPECT_FALSE(Ink(img, b.intersected(img.rect())).isEmpty());
        for (int y = 0; y < traceRow; ++y)
            for (int x = 0; x < w; ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    const bool inBox = std::any_of(boxes.begin(), boxes.end(), [&](QRect b) {
                        return b.adjusted(-2, -2, 2, 2).contains(x, y);
                    });
                    ASSERT_TRUE(inBox) << "ink at " << x << "," << y;
                }
    }
}

TEST_F(Imager, TraceLabelsThatWouldTouchAreLeftOut) {
    // 3-pixel centres and six-digit trace numbers, on both trace axes.
    opts.tScale = 3;
    Make(QRect(QPoint(123456, 1), QPoint(123555, 100)), 24);
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    const QImage& img = *imager.Canv();
    const QRect pad = imager.Pad();
    const QFontMetrics fm0 = Metrics(props.GetFont(0));
    const int h0 = fm0.height();
    const int widest = fm0.horizontalAdvance(QStringLiteral("123555"));
    std::vector<int> centres;
    for (int k = 0; k <= imager.TraceCount(); k += opts.traceLabelStep)
        centres.push_back(std::max(k, 1) * opts.tScale + pad.left());
    for (int row : {pad.top() - h0 - 14, pad.bottom() + 14}) {
        auto runs = T_InkRuns(img, row, h0);
        if (row < pad.top()) // "ТRACE" leads the upper row
            runs.erase(runs.begin());
        ASSERT_GE(runs.size(), 3u) << "row " << row;
        EXPECT_LT(runs.size(), centres.size()) << "row " << row;
        for (const auto& run : runs) {
            EXPECT_LE(run.second - run.first + 1, widest) << "row " << row << " at " << run.first;
            EXPECT_TRUE(std::any_of(
                centres.begin(), centres.end(),
                [&](int x) { return std::abs(run.first + run.second + 1 - 2 * x) <= 4; }))
                << "row " << row << " at " << run.first;
        }
    }
}

TEST_F(Imager, CaptionsStandCentredAndRightAligned) {
    props.SetFont(1, TFontInfo{QStringLiteral("DejaVu Sans"), 204, 20, true, false});
    props.SetFont(2, TFontInfo{QStringLiteral("DejaVu Sans"), 204, 16, false, false});
    struct Case {
        int index; // caption 3 title, 4 subtitle, 5 right caption
        bool centred;
    } const cases[] = {{3, true}, {4, true}, {5, false}};
    for (const Case& c : cases) {
        for (int i = 3; i <= 5; ++i)
            props.SetStrInfo(i, i == c.index ? QStringLiteral("Профиль 12") : QString());
        Make(QRect(QPoint(1, 1), QPoint(120, 50)), 24);
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        const QImage& img = *imager.Canv();
        // Nothing but the caption stands above the axis captions.
        const QRect ink = Ink(img, QRect(0, 0, img.width(), imager.Pad().top() - 40));
        ASSERT_FALSE(ink.isEmpty()) << c.index;
        EXPECT_GE(ink.top(), 20) << c.index;
        if (c.centred)
            EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - img.width()), 6) << c.index;
        else
            EXPECT_NEAR(ink.right(), img.width() - 21, 3);
    }
}

TEST_F(Imager, TextRowsStandWhereTheLayoutPutsThem) {
    for (int i = 0; i < 3; ++i)
        props.SetStrInfo(i, QString(i + 2, QChar(0x0416))); // "ЖЖ", "ЖЖЖ", "ЖЖЖЖ"
    Make(QRect(QPoint(101, 1), QPoint(130, 160)), 24, true, 1);
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    const QImage& img = *imager.Canv();
    const QRect pad = imager.Pad();
    const int h0 = Metrics(props.GetFont(0)).height();
    const int offRow = 3 * h0 + 40, traceRow = offRow + h0 + 1;
    ASSERT_EQ(pad.top(), traceRow + h0 + 14);

    // Every inked row above the ticks and below them lies in a text row of the layout.
    struct Band {
        int top, height;
    } const bands[] = {
        {20, h0},
        {20 + h0, h0},
        {20 + 2 * h0, h0},       // info lines
        {offRow, h0},            // "OFFSET" and the offsets
        {traceRow, h0},          // "ТRACE" and the trace numbers
        {pad.bottom() + 14, h0}, // lower trace numbers
    };
    for (int y = 0; y < img.height(); ++y) {
        if (y >= pad.top() - 12 && y < pad.bottom() + 12)
            continue;
        if (Ink(img, QRect(0, y, img.width(), 1)).isEmpty())
            continue;
        bool inBand = false;
        for (const Band& b : bands)
            inBand = inBand || (y >= b.top && y < b.top + b.height);
        EXPECT_TRUE(inBand) << "ink in row " << y;
    }
    // The info lines and the axis names start at x = 20; the info lines in their order.
    int lastWidth = 0;
    for (const Band& b : bands) {
        if (b.top >= pad.bottom())
            continue;
        const QRect ink = Ink(img, QRect(0, b.top, pad.left() - 14, b.height));
        ASSERT_FALSE(ink.isEmpty()) << "row " << b.top;
        EXPECT_NEAR(ink.left(), 20, 2) << "row " << b.top;
        if (b.top < offRow) {
            EXPECT_GT(ink.width(), lastWidth) << "row " << b.top;
            lastWidth = ink.width();
        }
    }
    // Offsets stand in their row centred on the labelled centres.
    const int slot5 = pad.left() + 5 * opts.tScale;
    const QRect offset = Ink(img, QRect(slot5 - 13, offRow, 27, h0));
    ASSERT_FALSE(offset.isEmpty());
    EXPECT_NEAR(offset.left() + offset.right(), 2 * slot5, 3);
}

TEST_F(Imager, FrameAndTicksOfTheFourAxes) {
    Make(QRect(QPoint(1, 1), QPoint(30, 160)), 24);
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    const QRect pad = imager.Pad();
    const int l = pad.left(), t = pad.top(), r = pad.right(), b = pad.bottom();
    // A 2-pixel frame: rows t - 2, t - 1 and b + 1, b + 2; columns l - 3, l - 2 and r, r + 1.
    const int midX = l + 3 * opts.tScale + 3, midY = t + 25;
    for (int y : {t - 2, t - 1, b + 1, b + 2})
        EXPECT_EQ(Px(midX, y), 0u) << "row " << y;
    for (int y : {t - 3, b + 3})
        EXPECT_EQ(Px(midX, y), 0xFFFFFFu) << "row " << y;
    for (int x : {l - 3, l - 2, r, r + 1})
        EXPECT_EQ(Px(x, midY), 0u) << "column " << x;
    for (int x : {l - 4, r + 2})
        EXPECT_EQ(Px(x, midY), 0xFFFFFFu) << "column " << x;

    // Trace ticks at centres 1, 5, 10, ... above and below, 10 pixels long from the frame.
    for (int slot = 1; slot <= 30; ++slot) {
        const bool labelled = slot == 1 || slot % 5 == 0;
        const int x = l + slot * opts.tScale;
        for (int y : {t - 11, t - 3, b + 3, b + 11})
            EXPECT_EQ(Px(x, y) == 0, labelled) << "slot " << slot << " row " << y;
        EXPECT_EQ(Px(x, t - 12), 0xFFFFFFu);
        EXPECT_EQ(Px(x, b + 12), 0xFFFFFFu);
    }
    // Time ticks left and right at rows 0, 49, 99, 149.
    for (int row = 0; row < 160; ++row) {
        const bool labelled = row == 0 || (row + 1) % 50 == 0;
        const int y = t + row;
        for (int x : {l - 11, l - 4, r + 3, r + 11})
            EXPECT_EQ(Px(x, y) == 0, labelled) << "row " << row << " column " << x;
    }
    // Time labels end 14 pixels left of the pad and start 14 pixels right of it.
    const QImage& img = *imager.Canv();
    const QRect left = Ink(img, QRect(0, t, l - 12, b - t));
    const QRect right = Ink(img, QRect(r + 12, t, img.width() - r - 12, b - t));
    ASSERT_FALSE(left.isEmpty());
    ASSERT_FALSE(right.isEmpty());
    EXPECT_NEAR(left.right(), l - 15, 2);
    EXPECT_NEAR(right.left(), r + 14, 2);
}

TEST_F(Imager, ValuesBeyondOneFillTheSlotAndNegativesStayOnTheZeroLine) {
    opts.tScale = 9;
    Make(QRect(QPoint(1, 1), QPoint(1, 40)), 24);
    record.value = [](int, int i) { return i < 20 ? 5.0f : -5.0f; };
    ASSERT_TRUE(imager.AllocateMem());
    ASSERT_TRUE(imager.DrawImage());
    const QRect pad = imager.Pad();
    const int x0 = pad.left() + opts.tScale, amp = opts.tScale - 1;
    for (int y = pad.top(); y < pad.top() + 19; ++y) {
        for (int x = x0; x < x0 + amp; ++x)
            EXPECT_EQ(Px(x, y), 0x969696u) << x << "," << y;
        EXPECT_EQ(Px(x0 + amp, y), 0u) << y; // the line stops at the slot's width
    }
    for (int y = pad.top() + 21; y <= pad.bottom(); ++y) {
        EXPECT_EQ(Px(x0, y), 0u) << y;
        EXPECT_EQ(Px(x0 - 1, y), 0xFFFFFFu) << y;
        EXPECT_EQ(Px(x0 + 1, y), 0xFFFFFFu) << y;
    }
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

TEST_F(Imager, TraceLabelsNameTheTracesDrawnAtTheirSlots) {
    // Traces are drawn from T2 down; when T2 - T1 is no multiple of the step, slot 1 holds
    // T2 - (count - 1) x step, not T1, and the labels (and the offsets asked) must say so.
    struct Case {
        int t1, t2;
        std::vector<int> drawn, labelled;
    } const cases[] = {
        {2, 11, {11, 8, 5, 2}, {2, 2, 5, 8, 11}},
        {1, 11, {11, 8, 5, 2}, {2, 2, 5, 8, 11}},
        {1, 12, {12, 9, 6, 3}, {3, 3, 6, 9, 12}},
    };
    opts.tStep = 3;
    opts.traceLabelStep = 1;
    for (const Case& c : cases) {
        record.traces.clear();
        record.offsetsAsked.clear();
        Make(QRect(QPoint(c.t1, 1), QPoint(c.t2, 30)), 24, true, 1);
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        EXPECT_EQ(record.traces, c.drawn) << c.t1 << "-" << c.t2;
        EXPECT_EQ(record.offsetsAsked, c.labelled) << c.t1 << "-" << c.t2;
    }
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
    TCSeisImager1 nowhere;
    nowhere.Init(&props, &opts, 2, dir.filePath(QStringLiteral("missing/preview.bmp")));
    nowhere.SetTrcDelegates(&record, &record);
    ASSERT_TRUE(nowhere.AllocateMem());
    ASSERT_TRUE(nowhere.DrawImage());
    EXPECT_FALSE(nowhere.SaveImage());
}

} // namespace
