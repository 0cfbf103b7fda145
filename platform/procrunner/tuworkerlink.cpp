#include "procrunner/tuworkerlink.h"

#include "msgchannel/workermsg.h"

void TUWorkerLink::PostStatus(unsigned index, unsigned code) {
    if (code > SPV_STATUS_LAST_PERCENT) {
        if (m_finalPosted)
            return;
        m_finalPosted = true;
    }
    m_client.Post(SPV_MSG_STATUS, SPV_StatusWParam(index, code), 0);
}

bool TUWorkerLink::QueryStop(unsigned index) {
    std::int64_t answer = 0;
    // A channel gone quiet is no order to stop.
    return m_client.Send(SPV_MSG_QUERYSTOP, 0, index, answer) && answer == 1;
}
