// The input file list: building, deleting, the reorder actions and the output names.

#include "apptools/appfolders.h"
#include "core/tufilelist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qtprint.h"

#include <gtest/gtest.h>

namespace {

TUFileList listOf(const QTemporaryDir& dir, const QStringList& names, const QString& mask) {
    for (const QString& name : names) {
        QFile f(dir.path() + "/" + name);
        f.open(QIODevice::WriteOnly);
    }
    TUFileList list;
    list.Load(dir.path() + "/" + mask);
    return list;
}

} // namespace

TEST(FileList, BuildsSortedByLowerCaseNameFromMask) {
    QTemporaryDir dir;
    TUFileList list = listOf(dir, {"b.sgy", "A.sgy", "c.SGY", "d.txt", "_e.sgy"}, "*.sgy");
    EXPECT_EQ(list.Names(), (QStringList{"_e.sgy", "A.sgy", "b.sgy", "c.SGY"}));
    EXPECT_EQ(list.At(0).result, -1);
    EXPECT_EQ(list.At(0).core, -1);
    EXPECT_EQ(list.At(0).state, fsIdle);
    TUFileList none;
    EXPECT_EQ(none.Load(dir.path() + "/*.segy"), 0);
}

TEST(FileList, OutputNames) {
    struct Case {
        const char* name;
        const char* prefix;
        const char* suffix;
        const char* out;
    };
    const Case cases[] = {
        {"a.sgy", "new_", "", "new_a.sgy"}, {"a.sgy", "", "_f", "a_f.sgy"},
        {"a.sgy", "p", "s", "pas.sgy"},     {"a.b.sgy", "", "_f", "a_f.b.sgy"},
        {"noext", "", "_f", "noext_f"},     {"a.sgy", "", "", "a.sgy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TUFileList::OutputName(c.name, c.prefix, c.suffix), QString(c.out)) << c.name;
}

TEST(FileList, NameRulesOfMasksPrefixesAndSuffixes) {
    for (QChar c : QString("/:\\\"<>| "))
        for (bool affix : {false, true})
            EXPECT_FALSE(TUFileList::NameCharAllowed(c, affix)) << c.unicode() << affix;
    for (QChar c : QString("*?."))
        EXPECT_TRUE(TUFileList::NameCharAllowed(c, false) && !TUFileList::NameCharAllowed(c, true))
            << c.unicode();
    EXPECT_TRUE(TUFileList::CheckAffix("new_"));
    EXPECT_TRUE(TUFileList::CheckAffix(""));
    EXPECT_FALSE(TUFileList::CheckAffix("v.1"));
    EXPECT_FALSE(TUFileList::CheckAffix("../x"));

    struct Case {
        const char* mask;
        int expected;
    };
    const Case cases[] = {
        {"*.sgy", 0},  {"a?c*.segy", 0}, {"*", 68},        {"shot*", 68},   {"*.s*", 69},
        {"*.sg?", 69}, {"*.a.sgy", -1},  {"../*.sgy", -1}, {"a b.sgy", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TUFileList::CheckMask(c.mask), c.expected) << c.mask;
}

TEST(FileList, DeleteRowsInOnePass) {
    QTemporaryDir dir;
    TUFileList list = listOf(dir, {"1.sgy", "2.sgy", "3.sgy", "4.sgy", "5.sgy"}, "*.sgy");
    EXPECT_EQ(list.DeleteRows({3, 1, 9}), 1);
    EXPECT_EQ(list.Names(), (QStringList{"1.sgy", "3.sgy", "5.sgy"}));
    EXPECT_EQ(list.DeleteRows({2}), 1);
    EXPECT_EQ(list.DeleteRows({}), 0);
    EXPECT_EQ(list.DeleteRows({0, 1}), -1);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(FileList, ReorderActions) {
    struct Case {
        int action;
        int row;
        int remembered;
        const char* order;
        int focus;
    };
    const Case cases[] = {
        {1, 2, -1, "acbde", 1}, {1, 0, -1, "abcde", 0}, {2, 2, -1, "abdce", 3},
        {2, 4, -1, "abcde", 4}, {3, 3, -1, "dabce", 0}, {4, 1, -1, "acdeb", 4},
        {5, 1, -1, "edcba", 3}, {7, 1, 3, "adbce", 1},  {7, 3, 0, "bcdae", 3},
        {7, 2, -1, "abcde", 2}, {6, 2, -1, "abcde", 2},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        TUFileList list = listOf(dir, {"a", "b", "c", "d", "e"}, "*");
        EXPECT_EQ(list.Reorder(c.action, c.row, c.remembered), c.focus) << c.action;
        EXPECT_EQ(list.Names().join(QString()), QString(c.order)) << c.action << " " << c.row;
    }
}

TEST(FileList, CommandLineAndPaths) {
    QTemporaryDir dir;
    KT_SetAppDir("/opt/app");
    TUFileList list = listOf(dir, {"my shot.sgy", "x.sgy"}, "*.sgy");
    list.StartBatch("TVA3", dir.path(), "/out dir", "p_", "", 2, false, nullptr, {});
    EXPECT_EQ(list.RunParams(), (QStringList{"tva3", dir.path(), "/out dir", "p_", ""}));
    EXPECT_EQ(list.RunCount(), 2);
    EXPECT_EQ(list.OutputPath(1), "/out dir/p_x.sgy");
    EXPECT_EQ(list.CommandLine(0), "\"/opt/app/procrunner\" tva3 0 \"" + dir.path() +
                                       "/my shot.sgy\" \"/out dir/p_my shot.sgy\"");
    list.StartBatch("QOS5", dir.path(), "/o", "", "", 4, true, nullptr, {});
    EXPECT_EQ(list.RunCount(), 1);
}
