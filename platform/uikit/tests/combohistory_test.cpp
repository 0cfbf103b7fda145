#include "uikit/combohistory.h"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

struct AddCase {
    const char* what;
    QStringList before;
    QString text;
    int maxCount;
    QStringList after;
};

} // namespace

TEST(ComboHistory, AddPutsTheTextOnTopOnceAndKeepsAtMostMaxCount) {
    const AddCase cases[] = {
        {"into an empty list", {}, "a", 3, {"a"}},
        {"new text on top", {"a", "b"}, "c", 3, {"c", "a", "b"}},
        {"the oldest falls off", {"a", "b", "c"}, "d", 3, {"d", "a", "b"}},
        {"a duplicate moves up", {"a", "b", "c"}, "c", 3, {"c", "a", "b"}},
        {"a duplicate at a full list keeps the rest", {"a", "b", "c"}, "b", 3, {"b", "a", "c"}},
        {"every duplicate goes", {"a", "x", "b", "x"}, "x", 10, {"x", "a", "b"}},
        {"the top entry again", {"a", "b"}, "a", 3, {"a", "b"}},
        {"case matters in paths", {"/data/A"}, "/data/a", 3, {"/data/a", "/data/A"}},
        {"an over-long list is cut", {"a", "b", "c", "d"}, "e", 2, {"e", "a"}},
        {"at least one entry stays", {"a"}, "b", 0, {"b"}},
    };
    for (const AddCase& c : cases) {
        QComboBox box;
        box.addItems(c.before);
        box.setCurrentIndex(box.count() - 1);
        CB_AddToCombo(&box, c.text, c.maxCount);
        EXPECT_EQ(itemsOf(box), c.after) << c.what;
        EXPECT_EQ(box.currentIndex(), 0) << c.what;
        EXPECT_EQ(box.currentText(), c.text) << c.what;
    }
}

TEST(ComboHistory, MoveSelectedUpTakesItsDataAlong) {
    QComboBox box;
    box.addItem("a", 1);
    box.addItem("b", 2);
    box.addItem("c", 3);
    box.setCurrentIndex(2);
    CB_MoveSelectedUp(&box);
    EXPECT_EQ(itemsOf(box), QStringList({"c", "a", "b"}));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.itemData(0).toInt(), 3);
    EXPECT_EQ(box.itemData(2).toInt(), 2);

    CB_MoveSelectedUp(&box);
    EXPECT_EQ(itemsOf(box), QStringList({"c", "a", "b"}));

    box.setCurrentIndex(-1);
    CB_MoveSelectedUp(&box);
    EXPECT_EQ(itemsOf(box), QStringList({"c", "a", "b"}));
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST(ComboHistory, SetComboSelectsOrAdds) {
    QComboBox box;
    box.addItems({"a", "b"});
    CB_SetCombo(&box, "b");
    EXPECT_EQ(itemsOf(box), QStringList({"a", "b"}));
    EXPECT_EQ(box.currentIndex(), 1);
    CB_SetCombo(&box, "./traceview");
    EXPECT_EQ(itemsOf(box), QStringList({"./traceview", "a", "b"}));
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST(ComboHistory, ChangesReachNoSelectionHandler) {
    QComboBox box;
    box.addItems({"a", "b", "c"});
    box.setCurrentIndex(1);
    QSignalSpy changed(&box, &QComboBox::currentIndexChanged);
    QSignalSpy text(&box, &QComboBox::currentTextChanged);
    CB_AddToCombo(&box, "b", 2);
    box.setCurrentIndex(1);
    changed.clear();
    text.clear();
    CB_MoveSelectedUp(&box);
    CB_AddToCombo(&box, "d", 2);
    CB_SetCombo(&box, "x");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(text.count(), 0);
    EXPECT_EQ(box.currentText(), "x");
}
