// The job text before the plug-in sees it, and the plug-in check with its load rules.

#include "apptools/appfolders.h"
#include "core/spvstrings.h"
#include "core/tujobtext.h"
#include "core/tumaskhistory.h"
#include "core/tuproclibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qtprint.h"

#include <gtest/gtest.h>

TEST(JobText, NormaliseAndCharacterCheck) {
    EXPECT_EQ(TUJobText::Normalise({"1=2", " 3 = 4"}), "1=23=4");
    EXPECT_EQ(TUJobText::Normalise({}), "");
    struct Case {
        const char* job;
        int bad;
    };
    const Case cases[] = {
        {"1:10-20,*;2:*", -1}, {"+0;1:*;2:*", -1}, {"1.5", 1}, {"a", 0},
        {"1:2|3", 3},          {"1\t2", 1},        {"", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TUJobText::FirstBadChar(TUJobText::Normalise({c.job}), SpvJobCharacters()), c.bad)
            << c.job;
    EXPECT_EQ(SpvFormat(38, {"."}), QString::fromUtf8("Недопустимый символ  '.'  в задании."));
    EXPECT_TRUE(SpvJobCharacters().contains('+'));
    EXPECT_FALSE(SpvMaskCharacters().contains('+'));
    EXPECT_TRUE(SpvMaskCharacters().contains('='));
}

TEST(JobText, FileNumberLinesAndPublishedText) {
    EXPECT_EQ(TUJobText::FileNumberLines(3, "=5"), (QStringList{"1=5", "2=5", "3=5"}));
    EXPECT_EQ(TUJobText::FileNumberLines(3, ""), (QStringList{"1", "2", "3"}));
    EXPECT_TRUE(TUJobText::FileNumberLines(0, "x").isEmpty());
    EXPECT_EQ(TUJobText::Published("0;1:*;2:*", true, "/in", {"a.sgy", "b.sgy"}),
              "0;1:*;2:*|/in|a.sgy|b.sgy");
    EXPECT_EQ(TUJobText::Published("1:*", false, "/in", {"a.sgy"}), "1:*");
    EXPECT_EQ(TUJobText::Published("", true, "/in", {}), "|/in");
}

TEST(JobText, JobFilesRoundTrip) {
    QTemporaryDir dir;
    EXPECT_EQ(TUJobText::JobFileName("/j/job"), "/j/job.txt");
    EXPECT_EQ(TUJobText::JobFileName("/j/job.dat"), "/j/job.txt");
    EXPECT_EQ(TUJobText::JobFileName("/j.d/job"), "/j.d/job.txt");
    const QString path = dir.path() + "/job.txt";
    const QStringList lines{"1:1-10,0;", "2:*", ""};
    ASSERT_TRUE(TUJobText::Save(path, lines));
    QStringList read{"old"};
    ASSERT_TRUE(TUJobText::Load(path, read));
    EXPECT_EQ(read, lines);
    QStringList untouched{"old"};
    EXPECT_FALSE(TUJobText::Load(dir.path() + "/missing.txt", untouched));
    EXPECT_EQ(untouched, QStringList{"old"});
    // Not a plain file, or larger than any job: refused unread.
    EXPECT_FALSE(TUJobText::Load("/dev/zero", untouched));
    QFile huge(dir.path() + "/huge.txt");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(TUJobText::MaxFileSize + 1));
    huge.close();
    EXPECT_FALSE(TUJobText::Load(huge.fileName(), untouched));
    EXPECT_EQ(untouched, QStringList{"old"});
    EXPECT_FALSE(TUJobText::Save(dir.path() + "/no/such/folder/job.txt", lines));
}

TEST(JobText, MaskHistoryKeepsMostRecentFirst) {
    TUMaskHistory history;
    history.Load();
    EXPECT_TRUE(history.Items().isEmpty());
    history.Add("=5");
    history.Add(":1");
    history.Add("=5");
    history.Add("");
    ASSERT_TRUE(history.Save());
    TUMaskHistory again;
    again.Load();
    EXPECT_EQ(again.Items(), (QStringList{"=5", ":1"}));
}

// The test plug-ins: tst1 answers 0 for "0", 1 for "1" and the text's length otherwise;
// tst2 has no check entry.
TEST(ProcLibrary, CheckMessagesAndLoadRules) {
    KT_SetAppDir(TEST_APP_DIR);
    TUProcLibrary library;
    EXPECT_EQ(library.Check("TST1", "0"), 0);
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.Check("TST1", "1"), 19);
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.Check("tst1", QString::fromUtf8("ab")), 20);
    EXPECT_EQ(library.LastResult(), 2);
    EXPECT_TRUE(library.IsLoaded());
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    // A library without the entry is unloaded at once, so the next attempt loads it again.
    EXPECT_EQ(library.Check("TST2", "0"), 18);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.Check("TST2", "0"), 18);
    EXPECT_EQ(library.Check("NONE", "0"), 15);
    EXPECT_FALSE(library.IsLoaded());
}
