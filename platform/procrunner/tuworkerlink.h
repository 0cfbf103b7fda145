#pragma once
// The worker's supervisor link: statuses and stop queries over the message channel. It lets
// one final status (code > 100) through and drops any later one, so the worker program can
// always post a final status of its own when the plug-in did not.

#include "msgchannel/tcmsgclient.h"
#include "procbase/tusupervisorlink.h"

class TUWorkerLink : public TUSupervisorLink {
public:
    explicit TUWorkerLink(TCMsgClient& client) : m_client(client) {}

    void PostStatus(unsigned index, unsigned code) override;
    bool QueryStop(unsigned index) override;
    bool FinalPosted() const { return m_finalPosted; }

private:
    TCMsgClient& m_client;
    bool m_finalPosted = false;
};
