#include "viewcore/tcbookmarks.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

namespace {

QString path(const char* name) {
    return qEnvironmentVariable("GRAVIK_HOME") + "/" + name;
}

void writeFile(const QString& p, const QByteArray& bytes) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray le32(qint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

TEST(Bookmarks, CaseInsensitiveNames) {
    EXPECT_TRUE(TCBookmark("Разрез", 1, 2) == TCBookmark("РАЗРЕЗ", 5, 6));
    EXPECT_TRUE(TCBookmark("ёлка Line", 1, 2) == TCBookmark("ЁЛКА line", 1, 2));
    EXPECT_TRUE(TCBookmark("a", 1, 1) != TCBookmark("b", 1, 1));
    TCBookmarks list;
    list.Add("Профиль", QPoint(1, 1));
    list.Add("Shot", QPoint(30, 400));
    EXPECT_EQ(list.IndexOf("ПРОФИЛЬ"), 0);
    EXPECT_EQ(list.IndexOf("профиль"), 0);
    EXPECT_EQ(list.IndexOf("sHOT"), 1);
    EXPECT_EQ(list.IndexOf("Shot2"), -1);
    EXPECT_TRUE(list.Exists(QPoint(30, 400)));
    EXPECT_FALSE(list.Exists(QPoint(30, 401)));
}

TEST(Bookmarks, DeleteAndSort) {
    TCBookmarks list;
    list.Add("b", QPoint(1, 1));
    list.Add("A", QPoint(2, 2));
    list.Add("c", QPoint(3, 3));
    list.SortByName();
    EXPECT_EQ(list.At(0).GetName(), "A");
    EXPECT_EQ(list.At(1).GetName(), "b");
    EXPECT_EQ(list.At(2).GetName(), "c");
    list.Delete(3);
    EXPECT_EQ(list.Count(), 3);
    list.Delete(1);
    EXPECT_EQ(list.At(1).GetName(), "c");
    list.Delete(-1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(Bookmarks, FileLayoutAndRoundTrip) {
    TCBookmarks list;
    const QString longName = QString("Длинное имя закладки номер 1234567890");
    ASSERT_GT(longName.size(), 30);
    list.Add("Яр", QPoint(12, -3));
    list.Add(longName, QPoint(7, 900));
    ASSERT_TRUE(list.Save(path("f.bm")));
    QFile f(path("f.bm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QByteArray units;
    for (QChar c : longName.left(30))
        units += QByteArray(1, char(c.unicode() & 0xFF)) + QByteArray(1, char(c.unicode() >> 8));
    EXPECT_EQ(bytes, le32(2) + le32(4) + QByteArray("\x2F\x04\x40\x04", 4) + le32(12) + le32(-3) +
                         le32(60) + units + le32(7) + le32(900));
    EXPECT_EQ(bytes.size(), 4 + 16 + 4 + 60 + 8);

    TCBookmarks back;
    ASSERT_TRUE(back.Load(path("f.bm")));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.At(0).GetName(), "Яр");
    EXPECT_EQ(back.At(0).GetVertex(), QPoint(12, -3));
    EXPECT_EQ(back.At(1).GetName(), longName.left(30));
    EXPECT_EQ(back.At(1).GetVertex(), QPoint(7, 900));
}

TEST(Bookmarks, EmptyListRemovesTheFile) {
    writeFile(path("e.bm"), le32(1));
    TCBookmarks list;
    EXPECT_TRUE(list.Save(path("e.bm")));
    EXPECT_FALSE(QFile::exists(path("e.bm")));
}

TEST(Bookmarks, DamagedFiles) {
    const QByteArray one = le32(2) + QByteArray("a\0", 2) + le32(1) + le32(2);
    struct Case {
        const char* what;
        QByteArray bytes;
        int kept;
    } cases[] = {
        {"count 0", le32(0), 0},
        {"negative count", le32(-4), 0},
        {"short count", QByteArray("\x01\x00", 2), 0},
        {"huge count", le32(0x7FFFFFFF) + one, 1},
        {"name of 62 bytes", le32(1) + le32(62) + QByteArray(62, 'x') + le32(1) + le32(1), 0},
        {"negative name length", le32(1) + le32(-2) + le32(1) + le32(1), 0},
        {"cut in the vertex", le32(2) + one + le32(2) + QByteArray("b\0", 2) + le32(5), 1},
    };
    for (const Case& c : cases) {
        writeFile(path("d.bm"), c.bytes);
        TCBookmarks list;
        list.Add("old", QPoint());
        EXPECT_FALSE(list.Load(path("d.bm"))) << c.what;
        EXPECT_EQ(list.Count(), c.kept) << c.what;
    }
    TCBookmarks list;
    EXPECT_FALSE(list.Load(path("missing.bm")));
}

} // namespace
