#include "uikit/versioninfo.h"

#include "uikit/formplace.h"
#include "versionbuild.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

QStringList VI_GetVersionInfoStrings() {
    return {
        QStringLiteral("Продукт^") + QStringLiteral(GRAVIK_PRODUCT_NAME),
        QStringLiteral("Версия^") + QStringLiteral(GRAVIK_VERSION),
        QStringLiteral("Дата сборки^") + QStringLiteral(GRAVIK_BUILD_DATE),
        QStringLiteral("Коммит^") + QStringLiteral(GRAVIK_COMMIT),
    };
}

void ShowAboutBox(QWidget* parent, const QString& title) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(QStringLiteral("О программе"));
    box.setWindowFlag(Qt::Tool);

    auto* heading = new QLabel(title, &box);
    heading->setObjectName(QStringLiteral("aboutTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* lines = new QTreeWidget(&box);
    lines->setObjectName(QStringLiteral("aboutLines"));
    lines->setColumnCount(2);
    lines->setHeaderHidden(true);
    lines->setRootIsDecorated(false);
    lines->setSelectionMode(QAbstractItemView::NoSelection);
    for (const QString& line : VI_GetVersionInfoStrings()) {
        const int split = line.indexOf(QLatin1Char('^'));
        lines->addTopLevelItem(new QTreeWidgetItem({line.left(split), line.mid(split + 1)}));
    }
    lines->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(heading);
    layout->addWidget(lines);
    layout->addWidget(buttons);
    box.resize(360, 200);
    const WId owner = parent ? parent->window()->winId() : 0;
    W_PosCreatedForm(owner, &box, kCentreOverOwner, kCentreOverOwner);
    box.exec();
}
