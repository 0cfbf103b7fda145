// batchrun: the headless batch runner (see tbatchrunapp.h).

#include "tbatchrunapp.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TBatchRunApp runner;
    QObject::connect(&runner, &TBatchRunApp::done, &app, &QCoreApplication::exit);
    const int code = runner.Start(app.arguments().mid(1));
    return code >= 0 ? code : app.exec();
}
