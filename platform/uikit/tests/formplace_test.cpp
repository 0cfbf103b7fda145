#include "uikit/formplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(ParseWindowId, AcceptsPlainDecimalNumbersOnly) {
    const struct {
        const char* text;
        bool ok;
        WId value;
    } cases[] = {
        {"0", true, 0},
        {"1", true, 1},
        {"62914567", true, 62914567},
        {"007", true, 7},
        {"18446744073709551615", true, WId(18446744073709551615ull)},
        {"18446744073709551616", false, 0},
        {"99999999999999999999999", false, 0},
        {"", false, 0},
        {"-1", false, 0},
        {"+1", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"12a", false, 0},
        {"0x1F", false, 0},
        {"1.0", false, 0},
        {"１２", false, 0},         // full-width digits
        {"\u0661\u0662", false, 0}, // Arabic-Indic digits
    };
    static_assert(sizeof(WId) == 8, "the table assumes a 64-bit window id");
    for (const auto& c : cases) {
        bool ok = !c.ok;
        EXPECT_EQ(ParseWindowId(QString::fromUtf8(c.text), &ok), c.value) << c.text;
        EXPECT_EQ(ok, c.ok) << c.text;
    }
    EXPECT_EQ(ParseWindowId("42", nullptr), WId(42));
}

namespace {

QPoint screenCentreFor(const QWidget& form) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.x() + (area.width() - form.frameGeometry().width()) / 2,
            area.y() + (area.height() - form.frameGeometry().height()) / 2};
}

} // namespace

TEST(FormPlace, OffsetsFromAnOwnerOfThisProcess) {
    QWidget owner;
    owner.setGeometry(100, 120, 400, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QWidget form;
    form.resize(200, 100);

    W_PosCreatedForm(owner.winId(), &form, 20, 20);
    EXPECT_EQ(form.pos(), owner.frameGeometry().topLeft() + QPoint(20, 20));

    W_PosCreatedForm(owner.winId(), &form, kCentreOverOwner, kCentreOverOwner);
    const QRect frame = owner.frameGeometry();
    EXPECT_EQ(form.pos(), QPoint(frame.x() + (frame.width() - 200) / 2,
                                 frame.y() + (frame.height() - 100) / 2));
}

TEST(FormPlace, CentresOnTheScreenWithoutAKnownOwner) {
    for (const WId owner : {WId(0), WId(4242424242u)}) {
        for (const int offset : {20, kCentreOverOwner}) {
            QWidget form;
            form.resize(200, 100);
            form.move(3, 3);
            W_PosCreatedForm(owner, &form, offset, offset);
            EXPECT_EQ(form.pos(), screenCentreFor(form)) << owner << " " << offset;
        }
    }
}
