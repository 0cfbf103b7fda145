#include "corebase/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(Files, MaskMatchesCaseInsensitivelyAndSorts) {
    QTemporaryDir dir;
    for (const char* name : {"b.sgy", "a.SGY", "c.Sgy", "d.sgy.bak", "e.txt", "f1.sgy", "f22.sgy",
                             "g[1].SGY", "g1.sgy"})
        touch(dir.filePath(name));
    QDir(dir.path()).mkdir("sub.sgy");

    QStringList names;
    EXPECT_EQ(F_AppendFileList(dir.filePath("*.sgy"), names, false), 7);
    EXPECT_EQ(names,
              (QStringList{"a.SGY", "b.sgy", "c.Sgy", "f1.sgy", "f22.sgy", "g1.sgy", "g[1].SGY"}));

    // Brackets are plain characters of a name, not a character class.
    struct Case {
        const char* mask;
        QStringList names;
    };
    const Case cases[] = {
        {"G[1].sgy", {"g[1].SGY"}}, {"g?.SGY", {"g1.sgy"}},
        {"*[*", {"g[1].SGY"}},      {"?.sgy", {"a.SGY", "b.sgy", "c.Sgy"}},
        {"*.sgy.*", {"d.sgy.bak"}}, {"b.sg", {}},
    };
    for (const Case& c : cases) {
        QStringList got;
        EXPECT_EQ(F_AppendFileList(dir.filePath(c.mask), got, false), c.names.size()) << c.mask;
        EXPECT_EQ(got, c.names) << c.mask;
    }

    QStringList one;
    one.append("kept");
    EXPECT_EQ(F_AppendFileList(dir.filePath("F?.SGY"), one, true), 1);
    EXPECT_EQ(one, (QStringList{"kept", dir.filePath("f1.sgy")}));

    QStringList none;
    EXPECT_EQ(F_AppendFileList(dir.filePath("missing/*.sgy"), none, false), 0);
}

TEST(Files, EmptyAndClear) {
    QTemporaryDir dir;
    EXPECT_TRUE(F_IsFolderEmpty(dir.path()));
    touch(dir.filePath("x.sgy"));
    touch(dir.filePath(".hidden"));
    QDir(dir.path()).mkdir("keep");
    EXPECT_FALSE(F_IsFolderEmpty(dir.path()));
    EXPECT_TRUE(F_ClearDirectory(dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"keep"});
    EXPECT_FALSE(F_ClearDirectory(dir.filePath("missing")));
    EXPECT_FALSE(F_GetMyComputerFolder().isEmpty());
}

TEST(Files, IdentityFollowsLinksAndSpellings) {
    QTemporaryDir dir;
    touch(dir.filePath("a.sgy"));
    touch(dir.filePath("b.sgy"));
    ASSERT_TRUE(QFile::link(dir.filePath("a.sgy"), dir.filePath("soft.sgy")));
    ASSERT_EQ(0, ::link(QFile::encodeName(dir.filePath("a.sgy")).constData(),
                        QFile::encodeName(dir.filePath("hard.sgy")).constData()));
    const QString a = F_FileIdentity(dir.filePath("a.sgy"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(F_FileIdentity(dir.filePath("soft.sgy")), a);
    EXPECT_EQ(F_FileIdentity(dir.filePath("hard.sgy")), a);
    EXPECT_EQ(F_FileIdentity(dir.path() + "/./sub/../a.sgy"), QString());
    QDir(dir.path()).mkdir("sub");
    EXPECT_EQ(F_FileIdentity(dir.path() + "/./sub/../a.sgy"), a);
    EXPECT_NE(F_FileIdentity(dir.filePath("b.sgy")), a);
    EXPECT_TRUE(F_FileIdentity(dir.filePath("missing.sgy")).isEmpty());
}
