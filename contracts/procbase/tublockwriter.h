#pragma once
// TUBlockWriter: writes blocks of output traces on a thread of its own, so reading and editing
// the next block overlaps writing this one. One block is in flight at a time: Submit waits until
// the previous block is written, so a caller alternating two buffers may refill the one it did
// not just submit. The first failed write sticks and is reported by every later call.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class TCSegyFilerEx;

class TUBlockWriter {
public:
    explicit TUBlockWriter(TCSegyFilerEx& filer);
    ~TUBlockWriter();
    TUBlockWriter(const TUBlockWriter&) = delete;
    TUBlockWriter& operator=(const TUBlockWriter&) = delete;

    // Queues `count` whole output traces at `buf` (which must stay untouched until the next
    // Submit or Wait returns); false when a write has failed.
    bool Submit(const void* buf, std::int64_t count);
    // Waits until the queued block is written; false when a write has failed.
    bool Wait();

private:
    void Loop();

    TCSegyFilerEx& m_filer;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    const void* m_buf = nullptr;
    std::int64_t m_count = 0;
    bool m_busy = false;
    bool m_failed = false;
    bool m_quit = false;
    std::thread m_thread;
};
