#include "plotcore/tcimageprops.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ImageProps : public ::testing::Test {
protected:
    QString Write(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("job.ini"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        return path;
    }
    QTemporaryDir dir;
};

TFontInfo Tahoma10() {
    TFontInfo f;
    f.name = QStringLiteral("Tahoma");
    f.charset = 1;
    f.size = 10;
    return f;
}

TEST_F(ImageProps, ConstructorDefaults) {
    TCImageProps p;
    EXPECT_EQ(p.GetFont(0).name, QStringLiteral("Arial"));
    EXPECT_TRUE(p.GetFont(0).bold);
    EXPECT_EQ(p.GetFont(0).size, 8);
    EXPECT_EQ(p.GetFont(1).size, 14);
    EXPECT_EQ(p.GetFont(2).size, 12);
    EXPECT_EQ(p.GetColorBits(), 1);
    EXPECT_EQ(p.Scale(), 1000);
    EXPECT_EQ(p.ScaleIndex(), 3);
    EXPECT_EQ(p.OffFactor(), 0);
    EXPECT_FALSE(p.Valid());
}

TEST_F(ImageProps, FileWithoutFontsGivesTahomaTenAndKeyFallbacks) {
    TCImageProps p;
    EXPECT_TRUE(p.Load(Write("[PARAMS]\nDomain=1,1,10,500\n")));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.GetFont(i), Tahoma10()) << i;
    EXPECT_TRUE(p.Valid());
    EXPECT_EQ(p.GetColorBits(), 1);
    EXPECT_FALSE(p.OffAxis());
    EXPECT_EQ(p.Scale(), 1);
    EXPECT_EQ(p.OffFactor(), 2);
    EXPECT_TRUE(p.GetStrInfo(3).isEmpty());

    TCImageProps missing;
    EXPECT_FALSE(missing.Load(dir.filePath(QStringLiteral("none.ini"))));
    EXPECT_EQ(missing.GetFont(1), Tahoma10());
    EXPECT_FALSE(missing.Valid());
}

TEST_F(ImageProps, FontTextsAreParsedStrictly) {
    struct Case {
        const char* text;
        bool taken;
    } const cases[] = {
        {"Arial;204;8;1;0", true},      // bold
        {"Courier New;0;12;0;1", true}, // italic
        {"A;1;8;10", false},            // 8 characters
        {"Arial;204;8;1", false},       // four fields
        {"Arial;204;8;1;0;0", false},   // six fields
        {"Arial;x;8;1;0", false},       // charset not a number
        {"Arial;204;0;1;0", false},     // no size
        {"Arial;204;8;2;0", false},     // flags are 0 or 1
        {";204;8;1;0", false},          // no name
    };
    for (const Case& c : cases) {
        TCImageProps p;
        p.Load(Write(QByteArray("[FONTS]\n0=") + c.text + "\n"));
        const TFontInfo f = p.GetFont(0);
        if (c.taken) {
            EXPECT_EQ(f.ToText(), QString::fromLatin1(c.text)) << c.text;
        } else {
            EXPECT_EQ(f, Tahoma10()) << c.text;
        }
    }
}

TEST_F(ImageProps, BadDomainGivesAnInvalidJob) {
    struct Case {
        const char* text;
        int t1, s1, t2, s2;
        bool valid;
    } const cases[] = {
        {"1,1,10,500", 1, 1, 10, 500, true}, // a whole job
        {"1,1,1,500", 1, 1, 1, 500, false},  // T1 equals T2
        {"5,17,9,17", 5, 17, 9, 17, false},  // S1 equals S2
        {"1,1,1,5", 0, 0, 0, 0, false},      // 7 characters
        {"1,1,10", 0, 0, 0, 0, false},       // three fields
        {"1,1,10,500,3", 0, 0, 0, 0, false}, // five fields
        {"1,1,10,5x0", 0, 0, 0, 0, false},   // not a number
    };
    for (const Case& c : cases) {
        TCImageProps p;
        p.Load(Write(QByteArray("[PARAMS]\nDomain=") + c.text + "\n"));
        EXPECT_EQ(p.Valid(), c.valid) << c.text;
        EXPECT_EQ(p.Domain(), QRect(QPoint(c.t1, c.s1), QPoint(c.t2, c.s2))) << c.text;
    }
}

TEST_F(ImageProps, NumbersOutsideTheirTablesFallBack) {
    TCImageProps p;
    p.Load(Write("[PARAMS]\nClrBits=x\nOffsets=7\nScale=7\nOffVal=\n"));
    EXPECT_EQ(p.GetColorBits(), 1);
    EXPECT_TRUE(p.OffAxis()); // any non-zero value
    EXPECT_EQ(p.Scale(), 1);  // offsets are divided by it
    EXPECT_EQ(p.OffFactor(), 2);
}

TEST_F(ImageProps, SaveAndLoadKeepTheJob) {
    TCImageProps p;
    p.SetProps(QRect(QPoint(3, 11), QPoint(300, 2000)), 8, true, 4);
    p.SetScale(2);
    EXPECT_EQ(p.Scale(), 100);
    EXPECT_EQ(p.ScaleIndex(), 2);
    TFontInfo f;
    f.name = QStringLiteral("Times New Roman");
    f.charset = 204;
    f.size = 16;
    f.italic = true;
    p.SetFont(2, f);
    p.SetStrInfo(0, QStringLiteral("info"));
    p.SetStrInfo(3, QStringLiteral("Профиль 12"));
    p.SetStrInfo(4, QStringLiteral("  второй  "));
    p.SetStrInfo(5, QStringLiteral("Лист 1"));
    const QString path = dir.filePath(QStringLiteral("saved.ini"));
    ASSERT_TRUE(p.Save(path));

    TCImageProps back;
    ASSERT_TRUE(back.Load(path));
    QRect d;
    int bits = 0, factor = 0;
    bool off = false;
    back.GetProps(d, bits, off, factor);
    EXPECT_EQ(d, QRect(QPoint(3, 11), QPoint(300, 2000)));
    EXPECT_EQ(bits, 8);
    EXPECT_TRUE(off);
    EXPECT_EQ(factor, 4);
    EXPECT_EQ(back.Scale(), 100);
    EXPECT_EQ(back.GetFont(2), f);
    EXPECT_EQ(back.GetFont(0), p.GetFont(0));
    EXPECT_EQ(back.GetStrInfo(3), QStringLiteral("Профиль 12"));
    EXPECT_EQ(back.GetStrInfo(4), QStringLiteral("второй")); // values are trimmed
    EXPECT_EQ(back.GetStrInfo(5), QStringLiteral("Лист 1"));
    EXPECT_TRUE(back.GetStrInfo(0).isEmpty()); // info lines are not stored

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    EXPECT_TRUE(text.contains("[PARAMS]\n"));
    EXPECT_TRUE(text.contains("Domain=3,11,300,2000\n"));
    EXPECT_TRUE(text.contains("2=Times New Roman;204;16;0;1\n"));
}

TEST_F(ImageProps, PixelFormatAndScaleTables) {
    const std::pair<int, TPixFormat> formats[] = {
        {1, TPixFormat::Bits1},   {4, TPixFormat::Bits4},   {8, TPixFormat::Bits8},
        {16, TPixFormat::Bits16}, {24, TPixFormat::Bits24}, {32, TPixFormat::Bits1},
        {0, TPixFormat::Bits1},
    };
    for (const auto& [bits, format] : formats) {
        TCImageProps p;
        p.SetProps(QRect(), bits, false, 1);
        EXPECT_EQ(p.GetPixFormat(), format) << bits;
    }
    const int scales[] = {1, 10, 100, 1000};
    for (int i = 0; i < 4; ++i) {
        TCImageProps p;
        p.SetScale(i);
        EXPECT_EQ(p.Scale(), scales[i]);
        EXPECT_EQ(p.ScaleIndex(), i);
    }
}

} // namespace
