// The exporter's rules without a window: command line, region, job checks and summary lines,
// extensions, enabling, the trace delegate and the raster files.
#include "plotcore/tcimageprops.h"
#include "plotcore/tcsviewopts.h"
#include "rastexport/krtexts.h"
#include "rastexport/tkrargs.h"
#include "rastexport/tkrjob.h"
#include "rastexport/tkrraster.h"
#include "rastexport/tkrregion.h"
#include "rastexport/tkrsession.h"
#include "rastexport/tkrtracesource.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tcviewerparams.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

TEST(KrArgsParse, SevenArgumentsAsTheViewerWritesThem) {
    TKrArgs a;
    EXPECT_FALSE(TKrArgs::Parse({"f.sgy", "1", "2", "3", "4", "5"}, a));
    ASSERT_TRUE(TKrArgs::Parse({"/d/f.sgy", "5", "40", "51", "300", "123", "1"}, a));
    EXPECT_EQ(a.file, "/d/f.sgy");
    EXPECT_EQ(a.trace1, 5);
    EXPECT_EQ(a.trace2, 40);
    EXPECT_EQ(a.sample1, 51);
    EXPECT_EQ(a.sample2, 300);
    EXPECT_EQ(a.owner, WId(123));
    EXPECT_TRUE(a.agaMode);
    // Numbers that are not whole unsigned values read as 0; extra arguments are ignored.
    ASSERT_TRUE(TKrArgs::Parse({"f", "-3", "x", "99999999999", "", "-1", "0", "more"}, a));
    EXPECT_EQ(a.trace1, 0);
    EXPECT_EQ(a.trace2, 0);
    EXPECT_EQ(a.sample1, 0);
    EXPECT_EQ(a.sample2, 0);
    EXPECT_EQ(a.owner, WId(0));
    EXPECT_FALSE(a.agaMode);
}

TEST(KrRegion, NormalisingTheBoxes) {
    struct Case {
        int tStep, sStep;
        TKrRegionBoxes in, out;
    };
    // 96 traces, 1000 samples of 2 ms: record length 2000 ms.
    const Case cases[] = {
        {1, 1, {"5", "40", "102", "600"}, {"5", "40", "102", "600"}},
        {1, 1, {"", "", "", ""}, {"1", "96", "2", "2000"}},
        {1, 1, {"0", "0", "0", "2000"}, {"1", "96", "2", "2000"}},
        {1, 1, {"7", "97", "3", "2001"}, {"7", "96", "2", "2000"}},
        {1, 1, {"x", "12", "99999999999", "1999"}, {"1", "12", "2", "1998"}},
        // Rounded down to the steps, never below a step.
        {3, 4, {"1", "50", "2", "1000"}, {"3", "48", "8", "1000"}},
        {3, 4, {"8", "96", "30", "31"}, {"6", "96", "24", "24"}},
        // A first trace beyond the record stays (the check refuses it).
        {1, 1, {"200", "", "", ""}, {"200", "96", "2", "2000"}},
    };
    for (const Case& c : cases) {
        TCSViewOpts opts;
        opts.tStep = qint16(c.tStep);
        opts.sStep = qint16(c.sStep);
        const TKrRegionRules rules({96, 1000, 2, 2000}, &opts);
        const TKrRegionBoxes got = rules.Normalised(c.in);
        EXPECT_EQ(got.trace1, c.out.trace1) << c.in.trace1.toStdString();
        EXPECT_EQ(got.trace2, c.out.trace2) << c.in.trace2.toStdString();
        EXPECT_EQ(got.time1, c.out.time1) << c.in.time1.toStdString();
        EXPECT_EQ(got.time2, c.out.time2) << c.in.time2.toStdString();
    }
}

TEST(KrRegion, LinksAndDomain) {
    TCSViewOpts opts;
    opts.tStep = 2;
    const TKrRegionRules rules({96, 1000, 2, 2000}, &opts);
    TKrRegionBoxes b;
    rules.WholeTraces(b);
    rules.WholeTimes(b);
    EXPECT_EQ(b, (TKrRegionBoxes{"2", "96", "2", "2000"}));
    rules.SetTraces(b, 5, 41);
    rules.SetSamples(b, 51, 300);
    EXPECT_EQ(b, (TKrRegionBoxes{"4", "40", "102", "600"}));
    EXPECT_EQ(rules.Domain(b), QRect(QPoint(4, 51), QPoint(40, 300)));
}

TEST(KrJob, ChecksBeforeMaking) {
    struct Case {
        QRect domain;
        int depth, format;
        const char *cap1, *cap2;
        int expect;
    };
    const Case cases[] = {
        {QRect(QPoint(1, 1), QPoint(10, 100)), 0, kKrBmp, "", "", 0},
        {QRect(QPoint(10, 1), QPoint(10, 100)), 0, kKrBmp, "", "", krBadRegion},
        {QRect(QPoint(11, 1), QPoint(10, 100)), 0, kKrBmp, "", "", krBadRegion},
        {QRect(QPoint(1, 100), QPoint(10, 100)), 0, kKrBmp, "", "", krBadRegion},
        {QRect(QPoint(1, 1), QPoint(10, 100)), 3, kKrJpg, "", "", krJpegDepth},
        {QRect(QPoint(1, 1), QPoint(10, 100)), 4, kKrJpg, "", "", 0},
        {QRect(QPoint(1, 1), QPoint(10, 100)), 0, kKrBmp, "", "b", krCaptionOrder},
        {QRect(QPoint(1, 1), QPoint(10, 100)), 0, kKrBmp, "a", "", 0},
    };
    for (const Case& c : cases) {
        TKrJob job;
        job.domain = c.domain;
        job.depthIndex = c.depth;
        job.format = c.format;
        job.caption1 = c.cap1;
        job.caption2 = c.cap2;
        EXPECT_EQ(KR_CheckJob(job), c.expect);
    }
}

TEST(KrJob, TheJobAndItsSummaryLines) {
    TCViewerParams params;
    params.viewOpts.tStep = 2;
    params.viewOpts.sStep = 3;
    TKrJob job;
    job.domain = QRect(QPoint(4, 10), QPoint(40, 700));
    job.depthIndex = 3;
    job.offAxis = true;
    job.offFactor = 4;
    job.scaleIndex = 2;
    job.caption1 = "Профиль";
    job.caption2 = "ПВ";
    job.captionRight = "Рис. 1";
    TCImageProps props;
    KR_BuildJob(props, job, {"/data/%1 line.sgy", 2, "ms"}, params);
    EXPECT_EQ(props.Domain(), job.domain);
    EXPECT_EQ(props.GetColorBits(), 16);
    EXPECT_TRUE(props.OffAxis());
    EXPECT_EQ(props.OffFactor(), 4);
    EXPECT_EQ(props.Scale(), 100);
    EXPECT_EQ(props.GetStrInfo(0), "File \"%1 line.sgy\".  Sample interval 2 ms");
    EXPECT_EQ(props.GetStrInfo(1),
              "Traces: 4 - 40 with increment 2. Samples: 10 - 700 with increment 3.");
    EXPECT_EQ(props.GetStrInfo(2), "Reduction velocity: none. Bandpass Filter: none.");
    EXPECT_EQ(props.GetStrInfo(3), "Профиль");
    EXPECT_EQ(props.GetStrInfo(4), "ПВ");
    EXPECT_EQ(props.GetStrInfo(5), "Рис. 1");

    params.signal.reduOn = true;
    params.signal.rVel = 2500.126f;
    params.signal.filtOn = true;
    params.signal.lowFreq = 8;
    params.signal.highFreq = 60;
    job.scaleIndex = -1;
    KR_BuildJob(props, job, {"f.sgy", 500, "mcs"}, params);
    EXPECT_EQ(props.GetStrInfo(0), "File \"f.sgy\".  Sample interval 500 mcs");
    EXPECT_EQ(props.GetStrInfo(2), "Reduction velocity: 2500.13. Bandpass Filter: 8 - 60 Hz.");
    EXPECT_EQ(props.Scale(), 1);

    const TKrJob back = KR_JobFromProps(props);
    EXPECT_EQ(back.domain, job.domain);
    EXPECT_EQ(back.depthIndex, 3);
    EXPECT_EQ(back.offFactor, 4);
    EXPECT_EQ(back.scaleIndex, 0);
    EXPECT_EQ(back.caption2, "ПВ");
}

TEST(KrJob, DepthsFormatsAndExtensions) {
    const int bits[][2] = {{1, 0}, {4, 1}, {8, 2}, {16, 3}, {24, 4}, {32, 0}, {0, 0}, {2, 0}};
    for (const auto& b : bits)
        EXPECT_EQ(KR_DepthIndex(b[0]), b[1]) << b[0];
    EXPECT_EQ(KR_DepthBits(3), 16);
    EXPECT_EQ(KR_DepthTexts()[0], "1    (черно-белое)");
    EXPECT_EQ(KR_DepthTexts()[4], "24  (RGB)");
    const char* ext[][3] = {
        {"/a/b/fig", "2", "/a/b/fig.png"},     {"/a/b/fig.bmp", "3", "/a/b/fig.jpg"},
        {"/a/b.c/fig", "1", "/a/b.c/fig.gif"}, {"/a/fig.x.y", "0", "/a/fig.x.bmp"},
        {"fig.PNG", "2", "fig.png"},
    };
    for (const auto& e : ext)
        EXPECT_EQ(KR_WithExtension(e[0], QString(e[1]).toInt()), e[2]);
}

TEST(KrEnabling, ByMakingMadeAndFileChosen) {
    struct Case {
        bool making, made, file;
        bool controls, make, view, save, stop;
    };
    const Case cases[] = {
        {false, false, false, true, true, false, false, false},
        {false, true, false, true, true, true, false, false},
        {false, true, true, true, true, true, true, false},
        {false, false, true, true, true, false, false, false},
        {true, true, true, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        const TKrEnabling e = KR_Enabling(c.making, c.made, c.file);
        EXPECT_EQ(e.controls, c.controls);
        EXPECT_EQ(e.last, c.make);
        EXPECT_EQ(e.make, c.make);
        EXPECT_EQ(e.view, c.view);
        EXPECT_EQ(e.save, c.save);
        EXPECT_EQ(e.stop, c.stop);
    }
}

class KrSource : public ::testing::Test {
protected:
    void SetUp() override {
        synth.sources = 1;
        synth.receivers = 60;
        synth.samples = 200;
        synth.format = 5;
        path = (Home() + "/src.sgy").toStdString();
        ASSERT_EQ(WriteSynthSegy(path, synth), 0);
        ASSERT_EQ(reader.Open(path, 3), 0);
        job.SetProps(QRect(QPoint(1, 1), QPoint(60, 200)), 1, true, 2);
    }
    SynthSpec synth;
    std::string path;
    TCSegyReaderEx reader;
    TCViewerParams params;
    TCImageProps job;
};

TEST_F(KrSource, ProgressEveryTwentyTracesAndStop) {
    TKrTraceSource source(&reader, &params, &job, 0.002);
    ASSERT_TRUE(source.Reserve(200));
    std::vector<int> progressAt;
    int position = 0;
    source.SetProgress([&](int n) {
        EXPECT_EQ(n, 20);
        progressAt.push_back(position);
        if (position == 40)
            source.RequestStop();
    });
    int given = 0;
    for (int t = 60; t >= 1; --t) {
        position = 61 - t;
        if (!source.ImgTrace(t, position))
            break;
        ++given;
    }
    EXPECT_EQ(progressAt, (std::vector<int>{20, 40}));
    EXPECT_EQ(given, 39);
    EXPECT_TRUE(source.StopRequested());
}

TEST_F(KrSource, OffsetsFromTraceNumbersOrHeaders) {
    TKrTraceSource source(&reader, &params, &job, 0.002);
    params.signal.offsetByTrace = false;
    // segygen: offset = receiver X - source X = 25 x (receiver - 1) - 12.
    EXPECT_EQ(source.ImgOffset(1), 12);
    EXPECT_EQ(source.ImgOffset(3), 38);
    params.signal.offsetByTrace = true;
    params.signal.refTrace = 10;
    params.signal.traceDist = 50.0f;
    EXPECT_EQ(source.ImgOffset(4), 300);
    EXPECT_EQ(source.ImgOffset(999), 0); // outside the record
}

TEST(KrRaster, SavingFailuresKeepEarlierFiles) {
    const QString preview = Home() + "/preview.bmp";
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::white);
    ASSERT_TRUE(img.save(preview, "BMP"));
    const QString target = Home() + "/kept.bmp";
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    EXPECT_EQ(KR_SaveRaster(Home() + "/nothing.bmp", kKrBmp, target), krBmpSaveError);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "earlier");
    EXPECT_EQ(KR_SaveRaster(Home() + "/nothing.bmp", kKrPng, Home() + "/a.png"),
              krUnknownSaveError);
    EXPECT_EQ(KR_SaveRaster(preview, kKrPng, Home() + "/no/such/folder/a.png"), krUnknownSaveError);
    EXPECT_EQ(KR_SaveRaster(preview, kKrJpg, Home() + "/a.jpg"), 0);
    EXPECT_EQ(QImage(Home() + "/a.jpg").size(), QSize(40, 30));
}

TEST(KrRaster, TheResultLine) {
    TKrMakeResult r;
    r.mb = 2.28882;
    EXPECT_EQ(KR_ResultLine(r), "Размер битового образа в памяти 2.29 Мб");
    r.code = krMakeStopped;
    EXPECT_EQ(KR_ResultLine(r), "Создание растрового образа прервано.");
}

} // namespace
