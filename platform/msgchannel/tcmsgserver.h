#pragma once
// The owner's end of the message channel: a local socket server in the per-user runtime folder,
// its name published under "ked_supervisor_winhandle" (namedstore.h) while it is open.
//
// Frames arrive in the owner's event loop. A frame whose number has a send handler is a sent
// message: the handler's value goes back at once as the reply frame {msg, 0, value}. Every other
// frame is emitted as posted(). Each connection remembers its file index (from the hello frame or
// its first status) and whether a final status (code > 100) came; when it closes, clientClosed()
// tells the owner, so a worker that died without its final status is not waited for forever.

#include "msgchannel/msgframe.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QLocalServer;
class QLocalSocket;

class TCMsgServer : public QObject {
    Q_OBJECT
public:
    using SendHandler = std::function<std::int64_t(const TMsgFrame&)>;

    explicit TCMsgServer(QObject* parent = nullptr);
    ~TCMsgServer() override;

    // Removes the names of owners that have ended, records itself as its session's owner,
    // listens and publishes the name; takes a fresh session when the inherited one already has
    // a live owner. False when no safe runtime folder or socket could be made.
    bool Open();
    // Stops listening, drops the connections and withdraws the published name.
    void Close();
    bool IsOpen() const;
    // The channel name (the "window handle").
    QString Name() const;
    // Takes at once every connection and frame that has arrived, without waiting for the event
    // loop: for an owner about to decide that a worker which has ended never reported.
    void Drain();
    // Frames with number `msg` become sent messages answered by `handler`.
    void SetSendHandler(std::uint32_t msg, SendHandler handler);

signals:
    void posted(const TMsgFrame& frame);
    // fileIndex is -1 when the client never named itself.
    void clientClosed(int fileIndex, bool finalSeen);

private:
    struct Peer {
        QByteArray pending;
        int fileIndex = -1;
        bool finalSeen = false;
    };

    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void OnDisconnected(QLocalSocket* socket);
    void Handle(QLocalSocket* socket, Peer& peer, const TMsgFrame& frame);

    QLocalServer* server_ = nullptr;
    QString session_; // the session this owner claimed
    QHash<QLocalSocket*, Peer> peers_;
    QHash<std::uint32_t, SendHandler> handlers_;
    qint64 accepted_ = 0; // connections taken so far
};
