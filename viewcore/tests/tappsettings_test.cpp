#include "viewcore/tappsettings.h"
#include "viewcore/tcreopenlist.h"
#include "viewcore/vcstrings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(TAppSettings::FilePath());
        QDir().rmdir(TAppSettings::FilePath());
        QFile::remove(TCReopenList::FilePath());
    }
};

TEST_F(Settings, IndicesAreClampedIntoTheirLists) {
    TAppSettings s;
    s.CopyFrom({"/d/a", "/d/b", "/d/c"}, 0);
    s.CopyFrom({"/r/one"}, 2);
    s.sgyIndex = 2;
    s.setIndex = 0;
    s.rastIndex = -5;
    s.flags = 31;
    s.newWindow = true;
    ASSERT_TRUE(s.Save());
    // The sections under their own names, in this order, so other copies of the viewer read them.
    BCStringList file;
    ASSERT_TRUE(file.LoadFromFile(TAppSettings::FilePath(), true));
    int at = -1;
    for (const char* header : {"[SEGY FOLDERS]", "[SET FOLDERS]", "[GRAPH FOLDERS]", "[NUMERIC]"}) {
        const int next = file.FindPartial(header, 0, true, false);
        EXPECT_GT(next, at) << header;
        at = next;
    }
    QString numeric;
    ASSERT_TRUE(file.ExtractSection("[NUMERIC]", numeric));
    EXPECT_EQ(numeric, "2,0,-5,31"); // newWindow is not written

    TAppSettings back;
    back.Load();
    EXPECT_EQ(back.sgyIndex, 2);
    EXPECT_EQ(back.setIndex, -1);
    EXPECT_EQ(back.rastIndex, -1);
    EXPECT_EQ(back.flags, 31);
    EXPECT_FALSE(back.newWindow);
    EXPECT_EQ(back.GetSgyDir(), "/d/c");
    EXPECT_EQ(back.GetSetDir(), QString());
    EXPECT_EQ(back.GetRastDir(), QString());
    QStringList lines;
    back.CopyTo(lines, 2);
    EXPECT_EQ(lines, QStringList{"/r/one"});

    s.sgyIndex = 7; // beyond the list: clamped to its last entry
    s.rastIndex = 0;
    ASSERT_TRUE(s.Save());
    back.Load();
    EXPECT_EQ(back.sgyIndex, 2);
    EXPECT_EQ(back.GetRastDir(), "/r/one");
}

TEST_F(Settings, Flags) {
    TAppSettings s;
    EXPECT_EQ(s.flags, 12);
    EXPECT_TRUE(s.IgnoreFHdr() && s.IgnoreTHdr());
    s.SetFlags(true, false, false, true, false);
    EXPECT_EQ(s.flags, 9);
    EXPECT_TRUE(s.UseSgyDir());
    EXPECT_FALSE(s.UseLastSet());
    EXPECT_FALSE(s.IgnoreFHdr());
    EXPECT_TRUE(s.IgnoreTHdr());
    EXPECT_FALSE(s.SaveBookMarks());
    s.SetFlags(false, true, false, false, true);
    EXPECT_EQ(s.flags, 18);
}

TEST_F(Settings, NumericLine) {
    struct Case {
        const char* text;
        int sgy, set, rast, flags;
    } cases[] = {
        {"1,2,3,4", 1, 2, 3, 4},
        {"1,2,3,4,junk", 1, 2, 3, 4},
        {"-1,0,5,31", -1, 0, 5, 31},
        {"1,2,3", -1, -1, -1, 12},
        {"1,x,3,4", -1, -1, -1, 12},
        {"1,2,3,4.5", -1, -1, -1, 12},
        {"", -1, -1, -1, 12},
        {"1,,3,4", -1, -1, -1, 12},
        {"99999999999,1,1,1", -1, -1, -1, 12},
    };
    for (const Case& c : cases) {
        TAppSettings s;
        s.sgyIndex = s.setIndex = s.rastIndex = 8;
        s.SetFromString(c.text);
        EXPECT_EQ(s.sgyIndex, c.sgy) << c.text;
        EXPECT_EQ(s.setIndex, c.set) << c.text;
        EXPECT_EQ(s.rastIndex, c.rast) << c.text;
        EXPECT_EQ(s.flags, c.flags) << c.text;
    }
    TAppSettings s;
    s.SetFromString("3,-1,0,9");
    EXPECT_EQ(s.GetAsString(), "3,-1,0,9");
}

TEST_F(Settings, MissingEmptyOrDamagedFileGivesDefaultsAndKeepsLists) {
    for (const QByteArray& content :
         {QByteArray(), QByteArray(""), QByteArray("garbage\n[NUMERIC]\n"),
          QByteArray("[NUMERIC]\n1\n1,2\n"), QByteArray("[SEGY FOLDERS]\n99999\n/x\n")}) {
        if (!content.isNull()) {
            QFile f(TAppSettings::FilePath());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        TAppSettings s;
        s.CopyFrom({"/keep"}, 1);
        s.sgyIndex = 0;
        s.flags = 1;
        s.Load();
        EXPECT_EQ(s.sgyIndex, -1) << content.constData();
        EXPECT_EQ(s.flags, 12) << content.constData();
        if (content.isEmpty()) {
            EXPECT_EQ(s.setDirs.Count(), 1); // missing or empty file: lists untouched
        }
    }
}

TEST_F(Settings, UnwritableFileIsReported) {
    ASSERT_TRUE(QDir().mkpath(TAppSettings::FilePath())); // a folder where the file should be
    TAppSettings s;
    s.sgyIndex = 4;
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(s.sgyIndex, 4);
    EXPECT_EQ(VC_Text(VcText::SettingsSaveError),
              "Ошибка сохранения данных. (Возможно, из-за ограничения доступа.");
    EXPECT_EQ(VC_Text(VcText::SettingsSaveCaption), "Ошибка KxViewer");
    QDir().rmdir(TAppSettings::FilePath());
}

TEST_F(Settings, ReopenListMovesAndCap) {
    TCReopenList list;
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(list.AddFile(QString("/data/f%1.sgy").arg(15 - i)));
    EXPECT_EQ(list.Count(), 16);
    EXPECT_EQ(list.At(0), "/data/f0.sgy");
    EXPECT_EQ(list.At(5), "/data/f5.sgy");

    // Already on top: no change, no save.
    QFile::remove(TCReopenList::FilePath());
    EXPECT_FALSE(list.AddFile("/DATA/F0.SGY"));
    EXPECT_FALSE(QFile::exists(TCReopenList::FilePath()));

    EXPECT_TRUE(list.AddFile("/DATA/F5.sgy"));
    EXPECT_EQ(list.At(0), "/data/f5.sgy"); // as it was stored
    EXPECT_EQ(list.At(1), "/data/f0.sgy");
    EXPECT_EQ(list.Count(), 16);

    EXPECT_TRUE(list.AddFile("/new.sgy"));
    EXPECT_EQ(list.Count(), 16);
    EXPECT_EQ(list.At(0), "/new.sgy");
    EXPECT_EQ(list.At(15), "/data/f14.sgy"); // f15, the former last, is gone
    EXPECT_EQ(list.FindPartial("/data/f15.sgy", 0, false, false), -1);

    TCReopenList back;
    back.Add("stale");
    ASSERT_TRUE(back.Load());
    EXPECT_EQ(back.Lines(), list.Lines());
}

} // namespace
