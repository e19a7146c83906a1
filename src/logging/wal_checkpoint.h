#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct sqlite3;

namespace vt {

// Copies a database's write-ahead log back into the file on a thread of its own, with its own
// connection: every `every`, or sooner once the log holds `pages` pages. The copy is PASSIVE (it
// never waits for the writer, nor the writer for it), so the fsync that goes with it never falls
// on the writer's (the UI) thread. The writer's connection has SQLite's automatic copy switched
// off; its commits tell this thread how long the log has grown. (The writer still syncs the
// log's new header once after each copy that emptied it: one short fdatasync.)
class WalCheckpoint {
  public:
    static constexpr int kPages = 1000;
    static constexpr std::chrono::minutes kEvery{5};
    // While readers keep the log from starting afresh, every commit reports a long log: copies
    // are then this far apart at least.
    static constexpr std::chrono::seconds kGap{1};

    // `writer` is the station's connection (used on its own thread only).
    WalCheckpoint(sqlite3* writer, QString path, int pages = kPages,
                  std::chrono::milliseconds every = kEvery);
    ~WalCheckpoint();
    WalCheckpoint(const WalCheckpoint&) = delete;
    WalCheckpoint& operator=(const WalCheckpoint&) = delete;

    // Checkpoints that ran so far.
    int passes() const { return m_passes.load(); }

  private:
    static int LogGrew(void* self, sqlite3* db, const char* name, int pages);
    void run(const QString& path, std::chrono::milliseconds every);

    sqlite3* m_writer;
    const int m_pages;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_due = false;
    bool m_stop = false;
    std::atomic<int> m_passes{0};
    std::thread m_thread;
};

}  // namespace vt
