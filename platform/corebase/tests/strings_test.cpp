#include "corebase/strings.h"

#include <gtest/gtest.h>

TEST(Strings, SplitCountBeforeAfter) {
    EXPECT_EQ(S_StrToStrArray("1:1-5;;3:*", ';'), (QStringList{"1:1-5", "", "3:*"}));
    EXPECT_EQ(S_StrToStrArray("", ';'), QStringList{""});
    EXPECT_EQ(S_Count("1:2-3,4-5", '-'), 2);
    EXPECT_EQ(S_Count("", '-'), 0);

    struct Case {
        const char* text;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"shot.sgy", "shot", "sgy"},
        {"a.b.sgy", "a", "b.sgy"},
        {"noext", "noext", ""},
        {".hidden", "", "hidden"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(S_Before(c.text, '.'), c.before) << c.text;
        EXPECT_EQ(S_After(c.text, '.'), c.after) << c.text;
    }
}

TEST(Strings, PadDigitsQuote) {
    EXPECT_EQ(S_LeftPad("1", 3, '0'), "001");
    EXPECT_EQ(S_LeftPad("1234", 3, '0'), "1234");
    EXPECT_TRUE(S_DigitString("027"));
    EXPECT_FALSE(S_DigitString(""));
    EXPECT_FALSE(S_DigitString("-1"));
    EXPECT_FALSE(S_DigitString("1 "));
    EXPECT_FALSE(S_DigitString(QString::fromUtf8("１"))); // full-width digit is not decimal here
    EXPECT_EQ(S_Quote("/a b/c.sgy"), "\"/a b/c.sgy\"");
}
