// The supervisor data file: the [PARAMS] line, loading with its fallbacks, the start-up
// selection rules and the three-parameter command line.

#include "apptools/appfolders.h"
#include "core/tusupervisordata.h"
#include "corebase/bcstringlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qtprint.h"

#include <gtest/gtest.h>

namespace {

constexpr int kScreenW = 1920;
constexpr int kScreenH = 1080;

TUParamRecord defaults() {
    return TUParamRecord::Defaults(kScreenW, kScreenH);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

TEST(SupervisorData, DefaultsAreCentred) {
    const TUParamRecord d = defaults();
    EXPECT_EQ(d.left, (1920 - 470) / 2);
    EXPECT_EQ(d.top, (1080 - 580) / 2);
    EXPECT_EQ(d.width, 470);
    EXPECT_EQ(d.height, 580);
    EXPECT_EQ(d.reserved, 1);
    EXPECT_EQ(d.selected[3], -1);
    // Truncated toward zero on a screen narrower than the window.
    EXPECT_EQ(TUParamRecord::Defaults(469, 579).left, 0);
    EXPECT_EQ(TUParamRecord::Defaults(467, 577).top, -1);
}

TEST(SupervisorData, ParamsLineCases) {
    const TUSupervisorData data(kScreenW, kScreenH);
    TUParamRecord example = defaults();
    example.selected[0] = 0;
    example.selected[1] = 0;
    example.selected[3] = 0;
    example.workers = 4;
    example.keepWindow = true;
    example.left = 100;
    example.top = 50;
    TUParamRecord noWindow = defaults();
    noWindow.workers = 2;
    noWindow.remind = true;
    TUParamRecord geometryIgnored = noWindow;
    struct Case {
        const char* line;
        bool ok;
        TUParamRecord expected;
    };
    const Case cases[] = {
        {"0,0,-1,0,-1,-1,-1,1;4,1,0;470,580,100,50,205,122", true, example},
        {"-1,-1,-1,-1,-1,-1,-1,1;2,0,1", true, noWindow},
        {"-1,-1,-1,-1,-1,-1,-1,1;2,0,5;1,2,3,4,5,6", true, geometryIgnored},
        {"-1,-1,-1,-1,-1,-1,-1,1;2,0,1;", true, noWindow},
        {"0,0,-1,0,-1,-1,-1;4,1,0;470,580,100,50,205,122", false, {}},
        {"0,0,-1,0,-1,-1,-1,1,1;4,1,0", false, {}},
        {"0,0,-1,0,-1,-1,-1,1;4,1;470,580,100,50,205,122", false, {}},
        {"0,0,-1,0,-1,-1,-1,1;4,1,0", false, {}},
        {"0,0,-1,0,-1,-1,-1,1;4,1,0;470,580,100,50,205", false, {}},
        {"0,0,-1,0,-1,-1,-1,1", false, {}},
        {"0,0,x,0,-1,-1,-1,1;4,0,0", false, {}},
        {"0,0, 1,0,-1,-1,-1,1;4,0,0", false, {}},
        {"0,0,1 ,0,-1,-1,-1,1;4,0,0", false, {}},
        {"0,0,,0,-1,-1,-1,1;4,0,0", false, {}},
        {"0,0,0,0,0,0,0,1;65536,0,0", false, {}},
        {"0,0,0,0,0,0,0,1;-1,0,0", false, {}},
        {"0,0,0,0,0,0,0,99999999999;1,0,0", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        TUParamRecord rec = defaults();
        rec.descrHeight = 7; // untouched on failure
        const bool ok = data.ParseParams(QString::fromLatin1(c.line), rec);
        EXPECT_EQ(ok, c.ok) << c.line;
        if (ok)
            EXPECT_TRUE(rec == c.expected) << c.line;
        else
            EXPECT_EQ(rec.descrHeight, 7) << c.line;
    }
}

TEST(SupervisorData, FormatWritesGeometryAlwaysAndRoundTrips) {
    TUParamRecord rec = defaults();
    rec.selected[4] = 0;
    rec.workers = 3;
    rec.left = 5;
    rec.top = 6;
    EXPECT_EQ(TUSupervisorData::FormatParams(rec),
              "-1,-1,-1,-1,0,-1,-1,1;3,0,0;470,580,5,6,205,122");
    rec.keepWindow = true;
    const TUSupervisorData data(kScreenW, kScreenH);
    TUParamRecord back = defaults();
    ASSERT_TRUE(data.ParseParams(TUSupervisorData::FormatParams(rec), back));
    EXPECT_TRUE(back == rec);
}

TEST(SupervisorData, LoadFallbacks) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/ked_supervisor.dat";
    TUSupervisorData data(kScreenW, kScreenH);
    EXPECT_FALSE(data.Load(path));
    EXPECT_TRUE(data.Params() == defaults());
    writeFile(path, "");
    EXPECT_FALSE(data.Load(path));

    // A bad [PARAMS] line gives the default record, the histories stay.
    BCStringList file;
    file.AddSection("[INPUT DIR]", QStringList{"/in/a", "/in/b"});
    file.AddSection("[VIEWER]", QStringList{"/usr/bin/view"});
    file.AddSection("[PARAMS]", QString("0,0,-1,0,-1,-1,-1;4,1,0"));
    ASSERT_TRUE(file.SaveToFile(path, false));
    EXPECT_TRUE(data.Load(path));
    EXPECT_EQ(data.History(sbInputDir), (QStringList{"/in/a", "/in/b"}));
    EXPECT_EQ(data.History(sbViewer), QStringList{"/usr/bin/view"});
    EXPECT_TRUE(data.History(sbPrefix).isEmpty());
    EXPECT_TRUE(data.Params() == defaults());
}

TEST(SupervisorData, SaveLoadRoundTripAndStartUpSelections) {
    QTemporaryDir dir;
    const QString jobs = dir.path() + "/jobs";
    QDir().mkpath(jobs);
    const QString path = dir.path() + "/ked_supervisor.dat";
    TUSupervisorData data(kScreenW, kScreenH);
    data.AddToTop(sbInputDir, "/in");
    data.AddToTop(sbOutputDir, "/out");
    data.AddToTop(sbFileMask, "*.segy");
    data.AddToTop(sbJobDir, jobs);
    data.AddToTop(sbPrefix, "p_");
    data.AddToTop(sbSuffix, "_s");
    data.History(sbSuffix).append("_old");
    data.Params().workers = 5;
    data.CollectSettings();
    ASSERT_TRUE(data.Save(path));

    TUSupervisorData back(kScreenW, kScreenH);
    ASSERT_TRUE(back.Load(path));
    for (int box = 0; box < sbCount; ++box)
        EXPECT_EQ(back.History(box), data.History(box)) << box;
    EXPECT_TRUE(back.Params() == data.Params());

    back.ApplySettings(2);
    EXPECT_EQ(back.CurrentIndex(sbInputDir), -1);
    EXPECT_EQ(back.CurrentIndex(sbOutputDir), -1);
    EXPECT_EQ(back.Current(sbFileMask), "*.segy");
    EXPECT_EQ(back.Current(sbViewer), TUSupervisorData::DefaultViewer());
    EXPECT_EQ(back.Current(sbJobDir), jobs);
    EXPECT_EQ(back.Current(sbPrefix), "p_");
    EXPECT_EQ(back.Current(sbSuffix), "_s");
    EXPECT_EQ(back.Params().workers, 2);

    // A vanished jobs folder is deselected; an empty mask history gets the default.
    QDir(jobs).removeRecursively();
    TUSupervisorData fresh(kScreenW, kScreenH);
    ASSERT_TRUE(fresh.Load(path));
    fresh.History(sbFileMask).clear();
    fresh.ApplySettings(1);
    EXPECT_EQ(fresh.CurrentIndex(sbJobDir), -1);
    EXPECT_EQ(fresh.Current(sbFileMask), "*.sgy");
}

TEST(SupervisorData, CommandLineRule) {
    QTemporaryDir dir;
    const QString in = dir.path() + "/in";
    const QString out = dir.path() + "/out";
    QDir().mkpath(in);
    QDir().mkpath(out);
    const QString missing = dir.path() + "/missing";
    struct Case {
        QStringList args;
        TUSupervisorData::CommandLineResult result;
        QString input;
        QString output;
        QString mask;
    };
    const Case cases[] = {
        {{in, out, "*.segy"}, TUSupervisorData::clApplied, in, out, "*.segy"},
        {{in, missing, "*.x"}, TUSupervisorData::clApplied, in, missing, "*.x"},
        {{missing, out, "*.x"}, TUSupervisorData::clAppliedInputMissing, "", out, "*.x"},
        {{missing, missing, "*.x"}, TUSupervisorData::clIgnored, "", "", "*.sgy"},
        {{in, out}, TUSupervisorData::clIgnored, "", "", "*.sgy"},
        {{in, out, "*.x", "more"}, TUSupervisorData::clIgnored, "", "", "*.sgy"},
    };
    for (const Case& c : cases) {
        TUSupervisorData data(kScreenW, kScreenH);
        data.History(sbInputDir) = QStringList{"/old"};
        data.ApplySettings(1);
        EXPECT_EQ(data.ApplyCommandLine(c.args), c.result) << c.args.join(' ').toStdString();
        EXPECT_EQ(data.Current(sbInputDir), c.input);
        EXPECT_EQ(data.Current(sbOutputDir), c.output);
        EXPECT_EQ(data.Current(sbFileMask), c.mask);
        // A missing input folder leaves the history at once; the old items stay.
        EXPECT_EQ(data.History(sbInputDir).contains(missing), false);
        EXPECT_TRUE(data.History(sbInputDir).contains("/old"));
    }
}
