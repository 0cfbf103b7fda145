#include "viewcore/tcsetarray.h"

#include "apptools/appfolders.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QStringList kDefaultNames = {"Первая", "Вторая",  "Третья",  "Четвертая", "Пятая",
                                   "Шестая", "Седьмая", "Восьмая", "Девятая",   "Десятая"};

class SetArray : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(KV_GetSetArrayFile()); }
};

TEST_F(SetArray, FreshArrayHasNoValidSet) {
    TCSetArray a;
    EXPECT_FALSE(a.Exists());
    EXPECT_FALSE(a.LastValid());
    QStringList names;
    a.GetNames(names);
    EXPECT_EQ(names, kDefaultNames);
    EXPECT_EQ(a.GetName(10), "Последняя");
    EXPECT_FALSE(a.Load()); // no file
    EXPECT_FALSE(a.Exists());
}

TEST_F(SetArray, SetNamesAndLast) {
    TCSetArray a;
    TCViewerParams p;
    p.signal.mode = 1;
    a.Set(3, QString(), p);
    EXPECT_EQ(a.GetName(3), "Четвертая");
    EXPECT_TRUE(a.Valid(3));
    EXPECT_TRUE(a.Exists());
    a.SetLast(p);
    EXPECT_EQ(a.GetName(10), "LastSettings");
    a.Set(10, "Моя", p);
    a.Save(p);
    EXPECT_EQ(a.GetName(10), "Моя");
    TCViewerParams out;
    a.GetLast(out);
    EXPECT_EQ(out.signal.mode, 1);
    EXPECT_FALSE(a.Valid(11));
    EXPECT_FALSE(a.Valid(-1));
}

TEST_F(SetArray, FileLayoutNamesAndRoundTrip) {
    TCSetArray a;
    TCViewerParams p;
    p.gainTable.Add(1, 1.0f);
    p.gainTable.Add(2, 2.0f);
    p.gainTable.Add(3, 3.0f);
    p.viewOpts.tScale = 12;
    a.Set(0, "Профиль ЁЖ-12", p);
    a.Set(1, QString(30, QChar(u'ж')), TCViewerParams());
    a.Set(2, QString(25, QChar('z')), TCViewerParams());
    ASSERT_TRUE(a.Save(TCViewerParams()));

    QFile file(KV_GetSetArrayFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int plain = 880 + 24 + 8 + 4 + 25;
    const int first = plain + 3 * 8;
    EXPECT_EQ(bytes.size(), first + 10 * plain);
    // Windows-1251 bytes of the first name, zero-filled to 25.
    const QByteArray name0 = bytes.mid(first - 25, 25);
    EXPECT_EQ(name0.left(13), QByteArray("\xCF\xF0\xEE\xF4\xE8\xEB\xFC \xA8\xC6-12"));
    EXPECT_EQ(name0.mid(13), QByteArray(12, '\0'));
    EXPECT_EQ(bytes.mid(first + plain - 25, 25), QByteArray(25, '\xE6'));
    // An invalid slot stores mode byte 255.
    EXPECT_EQ(bytes[first + 3 * plain], '\xFF');

    TCSetArray b;
    ASSERT_TRUE(b.Load());
    EXPECT_EQ(b.GetName(0), "Профиль ЁЖ-12");
    EXPECT_EQ(b.GetName(1), QString(25, QChar(u'ж')));
    EXPECT_EQ(b.GetName(2), QString(25, QChar('z')));
    EXPECT_EQ(b.GetName(4), "Пятая");
    TCViewerParams out;
    b.Get(0, out);
    EXPECT_EQ(out.gainTable.Count(), 3);
    EXPECT_EQ(out.viewOpts.tScale, 12);
    EXPECT_TRUE(b.Valid(0) && b.Valid(1) && b.Valid(2) && b.LastValid());
    EXPECT_FALSE(b.Valid(3));
}

TEST_F(SetArray, TruncatedFileKeepsWhatWasRead) {
    TCSetArray a;
    TCViewerParams p;
    p.signal.mode = 2;
    a.Set(0, "Один", p);
    a.Set(1, "Два", p);
    a.Set(2, "Три", p);
    ASSERT_TRUE(a.Save(p));
    QFile file(KV_GetSetArrayFile());
    const int plain = 880 + 24 + 8 + 4 + 25;
    ASSERT_TRUE(file.resize(plain + 500)); // inside the image of set 1
    TCSetArray b;
    EXPECT_FALSE(b.Load());
    EXPECT_EQ(b.GetName(0), "Один");
    EXPECT_TRUE(b.Valid(0));
    EXPECT_EQ(b.GetName(1), "Вторая"); // defaults
    TCViewerParams out;
    b.Get(1, out);
    EXPECT_TRUE(out == TCViewerParams());
    EXPECT_FALSE(b.Valid(2)); // never read
    EXPECT_EQ(b.GetName(2), "Третья");
}

} // namespace
