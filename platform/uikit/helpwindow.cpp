#include "uikit/helpwindow.h"

#include "apptools/appfolders.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

namespace {

const char* const kTopicProperty = "helpTopic";
int lastTopic = -1;

QString pageOf(int topic) {
    const QString dir = KT_GetAppDir() + QStringLiteral("/help/");
    const QString page = dir + QString::number(topic) + QStringLiteral(".html");
    if (topic != 0 && QFileInfo::exists(page))
        return page;
    return dir + QStringLiteral("index.html");
}

QTextBrowser* helpBrowser() {
    static QPointer<QTextBrowser> browser;
    if (!browser) {
        browser = new QTextBrowser;
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setWindowTitle(QStringLiteral("Справка — ") +
                                QApplication::applicationDisplayName());
        browser->setOpenExternalLinks(true);
        browser->resize(640, 520);
    }
    return browser;
}

int topicAround(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant topic = w->property(kTopicProperty);
        if (topic.isValid())
            return topic.toInt();
        if (w->isWindow())
            break;
    }
    return 0;
}

} // namespace

void ShowHelpTopic(int topic) {
    lastTopic = topic;
    QTextBrowser* browser = helpBrowser();
    browser->setSource(QUrl::fromLocalFile(pageOf(topic)));
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void SetHelpTopic(QWidget* w, int topic) {
    w->setProperty(kTopicProperty, topic);
}

void InstallHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window] {
        const QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != window)
            focused = window;
        ShowHelpTopic(topicAround(focused));
    });
}

int HelpTopicShown() {
    return lastTopic;
}
