#pragma once
// The worker's end of the message channel: connects to the channel published under
// "ked_supervisor_winhandle" in its session (namedstore.h), posts frames and sends messages that
// wait for the owner's reply. Blocking calls, no event loop needed.

#include "msgchannel/msgframe.h"
#include "msgchannel/namedstore.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QLocalSocket;

class TCMsgClient {
public:
    TCMsgClient();
    ~TCMsgClient();
    TCMsgClient(const TCMsgClient&) = delete;
    TCMsgClient& operator=(const TCMsgClient&) = delete;

    // Connects to the published channel and names itself with `fileIndex`. An owner busy
    // elsewhere may not answer at once: every `timeoutMs` without a connection, `ownerAlive`
    // decides whether to try again, so a worker waits as long as its owner lives. False when
    // it does not.
    bool Connect(unsigned fileIndex, int timeoutMs = 1000,
                 const std::function<bool()>& ownerAlive = M_SessionOwnerAlive);
    // Connects to a channel by name (tests, tools).
    bool ConnectTo(const QString& name, unsigned fileIndex, int timeoutMs = 5000);
    bool IsConnected() const;
    // Writes one frame and waits until it left; false when the channel is gone.
    bool Post(std::uint32_t msg, std::uint32_t wParam, std::int64_t lParam);
    // Writes one frame and waits for the reply frame; false (result untouched) when the channel
    // is gone or no reply came within `timeoutMs`.
    bool Send(std::uint32_t msg, std::uint32_t wParam, std::int64_t lParam, std::int64_t& result,
              int timeoutMs = 30000);
    void Disconnect();

private:
    bool Write(const TMsgFrame& frame);

    std::unique_ptr<QLocalSocket> socket_;
};
