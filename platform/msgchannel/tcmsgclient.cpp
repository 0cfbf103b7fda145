#include "msgchannel/tcmsgclient.h"

#include "msgchannel/namedstore.h"
#include "msgchannel/workermsg.h"

#include <QLocalSocket>
#include <QThread>

namespace {

constexpr unsigned long kRetryPauseMs = 50;

} // namespace

TCMsgClient::TCMsgClient() = default;

TCMsgClient::~TCMsgClient() {
    Disconnect();
}

bool TCMsgClient::Connect(unsigned fileIndex, int timeoutMs,
                          const std::function<bool()>& ownerAlive) {
    for (;;) {
        QString name;
        const bool published = M_GetPublishedHandle(SPV_HANDLE_NAME, name);
        if (published && ConnectTo(name, fileIndex, timeoutMs))
            return true;
        if (!ownerAlive())
            return false;
        // A refused connection comes back at once; no need to ask a living owner in a loop.
        QThread::msleep(kRetryPauseMs);
    }
}

bool TCMsgClient::ConnectTo(const QString& name, unsigned fileIndex, int timeoutMs) {
    Disconnect();
    socket_ = std::make_unique<QLocalSocket>();
    socket_->connectToServer(name);
    if (!socket_->waitForConnected(timeoutMs) || !Post(SPV_MSG_HELLO, fileIndex, 0)) {
        socket_.reset();
        return false;
    }
    return true;
}

bool TCMsgClient::IsConnected() const {
    return socket_ && socket_->state() == QLocalSocket::ConnectedState;
}

bool TCMsgClient::Write(const TMsgFrame& frame) {
    if (!IsConnected())
        return false;
    unsigned char bytes[TMsgFrame::kSize];
    frame.Encode(bytes);
    if (socket_->write(reinterpret_cast<const char*>(bytes), TMsgFrame::kSize) !=
        qint64(TMsgFrame::kSize))
        return false;
    while (socket_->bytesToWrite() > 0)
        if (!socket_->waitForBytesWritten(5000))
            return false;
    return true;
}

bool TCMsgClient::Post(std::uint32_t msg, std::uint32_t wParam, std::int64_t lParam) {
    return Write(TMsgFrame{msg, wParam, lParam});
}

bool TCMsgClient::Send(std::uint32_t msg, std::uint32_t wParam, std::int64_t lParam,
                       std::int64_t& result, int timeoutMs) {
    if (!Write(TMsgFrame{msg, wParam, lParam}))
        return false;
    while (socket_->bytesAvailable() < qint64(TMsgFrame::kSize))
        if (!socket_->waitForReadyRead(timeoutMs))
            return false;
    unsigned char bytes[TMsgFrame::kSize];
    if (socket_->read(reinterpret_cast<char*>(bytes), TMsgFrame::kSize) != qint64(TMsgFrame::kSize))
        return false;
    result = TMsgFrame::Decode(bytes).lParam;
    return true;
}

void TCMsgClient::Disconnect() {
    if (!socket_)
        return;
    if (socket_->state() == QLocalSocket::ConnectedState) {
        socket_->flush();
        socket_->disconnectFromServer();
        if (socket_->state() != QLocalSocket::UnconnectedState)
            socket_->waitForDisconnected(1000);
    }
    socket_.reset();
}
