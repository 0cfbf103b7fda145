#include "uikit/screenshot.h"
#include "uikit/versioninfo.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(VersionInfo, LinesCarryProductVersionDateAndCommit) {
    const QStringList lines = VI_GetVersionInfoStrings();
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines)
        EXPECT_EQ(line.count('^'), 1) << line.toStdString();
    EXPECT_EQ(lines[0], "Продукт^Gravik");
    EXPECT_EQ(lines[1], "Версия^7.0");
    EXPECT_TRUE(
        QRegularExpression("^Дата сборки\\^\\d\\d\\.\\d\\d\\.\\d{4}$").match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_TRUE(QRegularExpression("^Коммит\\^([0-9a-f]{7,}|unknown)$").match(lines[3]).hasMatch())
        << lines[3].toStdString();
}

TEST(VersionInfo, AboutBoxListsTitleAndLinesInTwoColumns) {
    QStringList names, values;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->findChild<QLabel*>("aboutTitle")->text();
        const auto* list = box->findChild<QTreeWidget*>("aboutLines");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            names << list->topLevelItem(i)->text(0);
            values << list->topLevelItem(i)->text(1);
        }
        SaveScreenshot(box, "uikit_about");
        box->accept();
    });
    ShowAboutBox(nullptr, "Gravik Tools");
    EXPECT_EQ(title, "Gravik Tools");
    QStringList joined;
    for (int i = 0; i < names.size(); ++i)
        joined << names[i] + '^' + values[i];
    EXPECT_EQ(joined, VI_GetVersionInfoStrings());
}
