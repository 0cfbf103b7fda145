#include "procbase/tublockwriter.h"

#include "trcfile/tcsegyfilerex.h"

TUBlockWriter::TUBlockWriter(TCSegyFilerEx& filer)
    : m_filer(filer), m_thread(&TUBlockWriter::Loop, this) {}

TUBlockWriter::~TUBlockWriter() {
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return !m_busy; });
        m_quit = true;
    }
    m_cv.notify_all();
    m_thread.join();
}

bool TUBlockWriter::Submit(const void* buf, std::int64_t count) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_busy; });
    if (m_failed)
        return false;
    m_buf = buf;
    m_count = count;
    m_busy = true;
    lock.unlock();
    m_cv.notify_all();
    return true;
}

bool TUBlockWriter::Wait() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_busy; });
    return !m_failed;
}

void TUBlockWriter::Loop() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_cv.wait(lock, [this] { return m_busy || m_quit; });
        if (!m_busy)
            return;
        const void* buf = m_buf;
        const std::int64_t count = m_count;
        lock.unlock();
        const bool ok = m_filer.OWriteTraces(buf, count) == 0;
        lock.lock();
        m_failed = m_failed || !ok;
        m_busy = false;
        m_cv.notify_all();
    }
}
