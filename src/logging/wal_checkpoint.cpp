#include "wal_checkpoint.h"

#include <sqlite3.h>

namespace vt {

namespace {

constexpr int kBusyTimeoutMs = 5000;

}  // namespace

WalCheckpoint::WalCheckpoint(sqlite3* writer, QString path, int pages,
                             std::chrono::milliseconds every)
    : m_writer(writer), m_pages(pages) {
    if (m_writer) {
        sqlite3_wal_autocheckpoint(m_writer, 0);
        sqlite3_wal_hook(m_writer, &WalCheckpoint::LogGrew, this);
    }
    m_thread = std::thread([this, path = std::move(path), every] { run(path, every); });
}

WalCheckpoint::~WalCheckpoint() {
    if (m_writer) sqlite3_wal_hook(m_writer, nullptr, nullptr);
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

// Called by SQLite on the writer's thread after each commit, with the log's length in pages.
int WalCheckpoint::LogGrew(void* self, sqlite3*, const char*, int pages) {
    auto* me = static_cast<WalCheckpoint*>(self);
    if (pages >= me->m_pages) {
        {
            const std::lock_guard<std::mutex> lock(me->m_mutex);
            me->m_due = true;
        }
        me->m_wake.notify_one();
    }
    return SQLITE_OK;
}

void WalCheckpoint::run(const QString& path, std::chrono::milliseconds every) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_wal_autocheckpoint(db, 0);
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        m_wake.wait_for(lock, every, [this] { return m_stop || m_due; });
        if (m_stop) break;
        m_due = false;
        lock.unlock();
        if (db) {
            // The pragma (unlike the bare call) first opens the log on a fresh connection.
            sqlite3_exec(db, "pragma wal_checkpoint(PASSIVE)", nullptr, nullptr, nullptr);
            ++m_passes;
        }
        lock.lock();
        m_wake.wait_for(lock, kGap, [this] { return m_stop; });
    }
    lock.unlock();
    sqlite3_close(db);
}

}  // namespace vt
