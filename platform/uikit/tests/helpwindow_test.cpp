#include "uikit/helpwindow.h"
#include "uikit/screenshot.h"

#include "apptools/appfolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

void writePage(const QString& dir, const QString& name, const QString& body) {
    QFile page(dir + QStringLiteral("/help/") + name);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><body><p>%1</p></body></html>").arg(body).toUtf8());
}

// An application folder with help pages for topics 420 and 530 and the contents page.
class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(appDir.isValid());
        ASSERT_TRUE(QDir(appDir.path()).mkpath("help"));
        writePage(appDir.path(), "index.html", "Содержание");
        writePage(appDir.path(), "420.html", "Главное окно");
        writePage(appDir.path(), "530.html", "Клавиши");
        KT_SetAppDir(appDir.path());
    }
    void TearDown() override { KT_SetAppDir(QString()); }

    static QTextBrowser* browser() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("helpBrowser"))
                return qobject_cast<QTextBrowser*>(w);
        }
        return nullptr;
    }
    static QString shownPage() {
        QTextBrowser* b = browser();
        return b ? b->source().fileName() : QString();
    }

    QTemporaryDir appDir;
};

} // namespace

TEST_F(HelpWindow, ShowsOnePageInOneSharedWindow) {
    ShowHelpTopic(420);
    EXPECT_EQ(HelpTopicShown(), 420);
    EXPECT_EQ(shownPage(), "420.html");
    ASSERT_NE(browser(), nullptr);
    EXPECT_TRUE(browser()->isVisible());
    EXPECT_TRUE(browser()->toPlainText().contains("Главное окно"));
    QTextBrowser* first = browser();

    ShowHelpTopic(530);
    EXPECT_EQ(browser(), first);
    EXPECT_EQ(shownPage(), "530.html");
    SaveScreenshot(browser(), "uikit_help_530");
}

TEST_F(HelpWindow, TopicWithoutPageShowsTheContents) {
    ShowHelpTopic(99999);
    EXPECT_EQ(HelpTopicShown(), 99999);
    EXPECT_EQ(shownPage(), "index.html");
}

TEST_F(HelpWindow, F1OpensTheTopicOfTheFocusedControl) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* own = new QLineEdit(&window);
    auto* group = new QGroupBox(&window);
    auto* inherits = new QLineEdit(group);
    (new QVBoxLayout(group))->addWidget(inherits);
    auto* none = new QLineEdit(&window);
    layout->addWidget(own);
    layout->addWidget(group);
    layout->addWidget(none);
    SetHelpTopic(own, 420);
    SetHelpTopic(group, 530);
    InstallHelpKey(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const struct {
        QWidget* focus;
        int topic;
        const char* page;
    } cases[] = {{own, 420, "420.html"}, {inherits, 530, "530.html"}, {none, 0, "index.html"}};
    for (const auto& c : cases) {
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_F1);
        EXPECT_EQ(HelpTopicShown(), c.topic);
        EXPECT_EQ(shownPage(), c.page);
        // Keys go back to the window under test, not the help window that just came up.
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    SetHelpTopic(&window, 530);
    none->setFocus();
    QTest::keyClick(none, Qt::Key_F1);
    EXPECT_EQ(HelpTopicShown(), 530);
}
