#include "corebase/bcstringlist.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList readBack(const BCStringList& written, const QString& name, bool* found) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    EXPECT_TRUE(written.SaveToFile(path, false));
    BCStringList loaded;
    EXPECT_TRUE(loaded.LoadFromFile(path, true));
    QStringList lines;
    *found = loaded.ExtractSection(name, lines);
    return lines;
}

} // namespace

TEST(BCStringList, SectionsKeepNamesOrderAndEveryLine) {
    // Lines that look like headers or counts, empty lines and Cyrillic text all come back.
    const QStringList first = {"[SECOND]", "", "3", "C:/данные/a.sgy", " "};
    const QStringList second = {"[FIRST]"};
    const QStringList third = {};
    BCStringList list;
    list.AddSection("[FIRST]", first);
    list.AddSection("[SECOND]", second);
    list.AddSection("[EMPTY]", third);
    list.AddSection("[PARAMS]", QString("1,2,3;4"));

    bool found = false;
    EXPECT_EQ(readBack(list, "[FIRST]", &found), first);
    EXPECT_TRUE(found);
    EXPECT_EQ(readBack(list, "[SECOND]", &found), second);
    EXPECT_TRUE(found);
    EXPECT_EQ(readBack(list, "[EMPTY]", &found), third);
    EXPECT_TRUE(found);
    readBack(list, "[MISSING]", &found);
    EXPECT_FALSE(found);

    QString text;
    EXPECT_TRUE(list.ExtractSection("[PARAMS]", text));
    EXPECT_EQ(text, "1,2,3;4");
}

TEST(BCStringList, EntryWithLineEndsDoesNotShiftLaterSections) {
    BCStringList list;
    list.AddSection("[A]", QStringList{"x\ny", "z"});
    list.AddSection("[B]", QStringList{"b"});
    bool found = false;
    EXPECT_EQ(readBack(list, "[A]", &found), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(readBack(list, "[B]", &found), QStringList{"b"});
    EXPECT_TRUE(found);
}

TEST(BCStringList, DamagedSectionFileGivesWhatItHolds) {
    BCStringList list;
    list.Add("[A]");
    list.Add("5"); // claims more lines than follow
    list.Add("x");
    QStringList lines;
    EXPECT_TRUE(list.ExtractSection("[A]", lines));
    EXPECT_EQ(lines, QStringList{"x"});

    BCStringList garbage;
    garbage.Add("[A]");
    garbage.Add("not a count");
    EXPECT_FALSE(garbage.ExtractSection("[A]", lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(BCStringList, EditAndFind) {
    BCStringList list;
    list.Add("/data/One.sgy");
    list.Add("/data/two.sgy");
    list.Insert(0, "/data/zero.sgy");
    list.Insert(99, "/data/last.sgy");
    list.Delete(-1);
    list.Delete(4);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.At(0), "/data/zero.sgy");
    EXPECT_EQ(list.At(3), "/data/last.sgy");

    struct Case {
        const char* text;
        int from;
        bool caseSensitive, partial;
        int expected;
    };
    const Case cases[] = {
        {"/DATA/ONE.SGY", 0, false, false, 1},
        {"/DATA/ONE.SGY", 0, true, false, -1},
        {"two", 0, false, true, 2},
        {"two", 0, false, false, -1},
        {"/data/zero.sgy", 1, false, false, -1},
        {".sgy", 2, true, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.FindPartial(c.text, c.from, c.caseSensitive, c.partial), c.expected)
            << c.text << " from " << c.from;
}

TEST(BCStringList, LoadAcceptsCrLfAndFailsOnMissingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("crlf.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a\r\n\r\nb\r\n");
    f.close();
    BCStringList list;
    list.Add("kept");
    ASSERT_TRUE(list.LoadFromFile(path, false));
    EXPECT_EQ(list.Lines(), (QStringList{"kept", "a", "", "b"}));
    EXPECT_FALSE(list.LoadFromFile(dir.filePath("none.txt"), true));
    EXPECT_EQ(list.Count(), 4);
}

TEST(BCStringList, SaveFailsWhereFolderIsMissing) {
    BCStringList list;
    list.Add("x");
    EXPECT_FALSE(list.SaveToFile("/nonexistent-folder/x.txt", false));
    EXPECT_FALSE(list.SaveToFile("/nonexistent-folder/x.txt", true));
}
