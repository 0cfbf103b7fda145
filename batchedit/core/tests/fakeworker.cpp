// A stand-in worker for the scheduler tests, started as <app>/procrunner with the worker's
// command line. The first line of its input file says what it does:
//   ok | fail N | die (connects, reports its start, ends without a final status) |
//   noconnect (ends at once) | hang (reports its start and waits to be killed) |
//   stoppable (asks whether to stop until told so, then ends with result 0) | slow MS
// It writes its processor list and the published job into the output file.

#include "msgchannel/namedstore.h"
#include "msgchannel/tcmsgclient.h"
#include "msgchannel/workermsg.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    const unsigned index = QByteArray(argv[2]).toUInt();
    QFile input(QString::fromLocal8Bit(argv[3]));
    if (!input.open(QIODevice::ReadOnly))
        return 3;
    const QList<QByteArray> script = input.readLine().trimmed().split(' ');
    const QByteArray verb = script.value(0);
    if (verb == "noconnect")
        return 4;
    TCMsgClient client;
    if (!client.Connect(index))
        return 5;
    client.Post(SPV_MSG_STATUS, SPV_StatusWParam(index, 0), 0);
    if (verb == "die")
        return 6;

    QString job;
    M_ReadSharedText(QString::fromLatin1(SPV_JOB_TEXT_NAME), job);
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray cpus;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("Cpus_allowed_list:"))
                cpus = line.mid(18).trimmed();
    QFile output(QString::fromLocal8Bit(argv[4]));
    if (output.open(QIODevice::WriteOnly))
        output.write("cpus=" + cpus + "\njob=" + job.toUtf8() + "\n");
    output.close();

    unsigned result = 0;
    if (verb == "hang") {
        for (;;)
            QThread::msleep(100);
    } else if (verb == "stoppable") {
        for (int k = 0; k < 600; ++k) {
            std::int64_t stop = 0;
            if (client.Send(SPV_MSG_QUERYSTOP, 0, index, stop) && stop == 1)
                break;
            QThread::msleep(50);
        }
    } else if (verb == "fail") {
        result = script.value(1).toUInt();
    } else if (verb == "slow") {
        const unsigned ms = script.value(1).toUInt();
        for (unsigned p = 10; p <= 100; p += 10) {
            QThread::msleep(ms / 10);
            client.Post(SPV_MSG_STATUS, SPV_StatusWParam(index, p), 0);
        }
    }
    client.Post(SPV_MSG_STATUS, SPV_StatusWParam(index, SPV_STATUS_FINAL_BASE + result), 0);
    return 0;
}
