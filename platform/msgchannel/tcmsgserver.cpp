#include "msgchannel/tcmsgserver.h"

#include "msgchannel/namedstore.h"
#include "msgchannel/workermsg.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

// An owner is alive when its published channel accepts a connection.
bool LiveOwnerPublished() {
    QString name;
    if (!M_GetPublishedHandle(SPV_HANDLE_NAME, name))
        return false;
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool alive = probe.waitForConnected(1000);
    probe.abort();
    return alive;
}

} // namespace

TCMsgServer::TCMsgServer(QObject* parent) : QObject(parent) {}

TCMsgServer::~TCMsgServer() {
    Close();
}

bool TCMsgServer::Open() {
    Close();
    if (M_RuntimeDir().isEmpty())
        return false;
    M_RemoveStaleSessions();
    if (LiveOwnerPublished())
        M_TakeFreshSession();
    session_ = M_SessionKey();
    if (!M_ClaimSession())
        return false;
    const QString path = M_NamePath(QStringLiteral("sock"));
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (!server_->listen(path) || !M_PublishHandle(SPV_HANDLE_NAME, server_->fullServerName())) {
        Close();
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &TCMsgServer::OnNewConnection);
    return true;
}

void TCMsgServer::Close() {
    if (!session_.isEmpty())
        M_ReleaseSession(session_);
    session_.clear();
    if (!server_)
        return;
    const bool published = server_->isListening();
    const auto sockets = peers_.keys();
    peers_.clear();
    for (QLocalSocket* s : sockets) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
    server_->close();
    delete server_;
    server_ = nullptr;
    if (published)
        M_UnpublishHandle(SPV_HANDLE_NAME);
}

bool TCMsgServer::IsOpen() const {
    return server_ && server_->isListening();
}

QString TCMsgServer::Name() const {
    return server_ ? server_->fullServerName() : QString();
}

void TCMsgServer::SetSendHandler(std::uint32_t msg, SendHandler handler) {
    handlers_.insert(msg, std::move(handler));
}

void TCMsgServer::Drain() {
    // The server takes one waiting connection per look at its socket.
    for (qint64 before = -1; server_ && before != accepted_;) {
        before = accepted_;
        server_->waitForNewConnection(0);
        OnNewConnection();
    }
    const auto sockets = peers_.keys();
    for (QLocalSocket* s : sockets)
        if (peers_.contains(s)) {
            s->waitForReadyRead(0);
            OnReadyRead(s);
        }
}

void TCMsgServer::OnNewConnection() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        ++accepted_;
        peers_.insert(s, Peer());
        connect(s, &QLocalSocket::readyRead, this, [this, s] { OnReadyRead(s); });
        connect(s, &QLocalSocket::disconnected, this, [this, s] { OnDisconnected(s); });
        if (s->bytesAvailable() > 0)
            OnReadyRead(s);
    }
}

void TCMsgServer::OnReadyRead(QLocalSocket* socket) {
    auto it = peers_.find(socket);
    if (it == peers_.end())
        return;
    it->pending.append(socket->readAll());
    qsizetype used = 0;
    while (it->pending.size() - used >= qsizetype(TMsgFrame::kSize)) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(it->pending.constData() + used);
        used += TMsgFrame::kSize;
        Handle(socket, *it, TMsgFrame::Decode(bytes));
        // A handler may have closed the server.
        it = peers_.find(socket);
        if (it == peers_.end())
            return;
    }
    it->pending.remove(0, used);
}

void TCMsgServer::Handle(QLocalSocket* socket, Peer& peer, const TMsgFrame& frame) {
    if (frame.msg == SPV_MSG_HELLO) {
        peer.fileIndex = static_cast<int>(frame.wParam);
        return;
    }
    if (frame.msg == SPV_MSG_STATUS) {
        if (peer.fileIndex < 0)
            peer.fileIndex = static_cast<int>(frame.wParam >> 16);
        if ((frame.wParam & 0xFFFF) > SPV_STATUS_LAST_PERCENT)
            peer.finalSeen = true;
    }
    const auto h = handlers_.constFind(frame.msg);
    if (h == handlers_.constEnd()) {
        emit posted(frame);
        return;
    }
    TMsgFrame reply;
    reply.msg = frame.msg;
    reply.lParam = (*h)(frame);
    unsigned char bytes[TMsgFrame::kSize];
    reply.Encode(bytes);
    socket->write(reinterpret_cast<const char*>(bytes), TMsgFrame::kSize);
    socket->flush();
}

void TCMsgServer::OnDisconnected(QLocalSocket* socket) {
    // Frames that arrived just before the close are still handled.
    OnReadyRead(socket);
    const auto it = peers_.find(socket);
    if (it == peers_.end())
        return;
    const Peer peer = *it;
    peers_.erase(it);
    socket->deleteLater();
    emit clientClosed(peer.fileIndex, peer.finalSeen);
}
