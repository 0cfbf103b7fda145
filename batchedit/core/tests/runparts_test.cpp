// Pieces of the batch run that need no worker: processor bookkeeping and the progress texts.

#include "core/spvstrings.h"
#include "core/tcconcurrency.h"
#include "core/tubatchrun.h"

#include "qtprint.h"

#include <gtest/gtest.h>

TEST(Concurrency, LeastLoadedLowestIndexAndRelease) {
    TCConcurrency c(3);
    EXPECT_EQ(c.Assign(), 0);
    EXPECT_EQ(c.Assign(), 1);
    EXPECT_EQ(c.Assign(), 2);
    EXPECT_EQ(c.Assign(), 0);
    c.Release(1);
    EXPECT_EQ(c.LeastLoaded(), 1);
    c.Release(1);
    c.Release(1);
    EXPECT_EQ(c.Load(1), 0);
    c.Release(-1);
    c.Release(7);
    EXPECT_EQ(c.Assign(), 1);
    c.Reset();
    for (int p = 0; p < c.Size(); ++p)
        EXPECT_EQ(c.Load(p), 0);
    EXPECT_EQ(TCConcurrency(0).Size(), 1);
}

TEST(SpvTexts, ElapsedTimeFormat) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {3725.5, "01:02:5.50"}, {0, "00:00:0.00"},       {59.999, "00:00:60.00"},
        {61.25, "00:01:1.25"},  {36000.0, "10:00:0.00"}, {-1, "00:00:0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpvElapsedText(c.seconds), QString(c.text)) << c.seconds;
}

TEST(SpvTexts, CountAndReminderTexts) {
    EXPECT_EQ(SpvFormat(27, {"3", "1"}),
              QString::fromUtf8("Обработано файлов: успешно - 3,  с ошибкой - 1."));
    EXPECT_EQ(
        SpvFormat(47, {"3", "1", "01:02:5.50"}),
        QString::fromUtf8("Обработано файлов: успешно - 3,  с ошибкой - 1.  Время  01:02:5.50"));
    EXPECT_EQ(TUBatchRun::TotalText(6, "TVA3"),
              QString::fromUtf8("Всего файлов 6. Процедура TVA3"));
    EXPECT_EQ(SpvFormat(52, {"\"p_\"", SpvText(51)}),
              QString::fromUtf8("Сведения об имени выходного файла.\nПрефикс: \"p_\".  Cуффикс: "
                                "не задан.\nСогласны?"));
    EXPECT_TRUE(SpvText(999).isEmpty());
}
