#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct sqlite3;

namespace vt {

// Copies the records file's write-ahead log back into the file on a thread of its own, with its
// own connection: every `every`, or sooner once the log holds `pages` pages. The copy is
// PASSIVE (it never waits for the station's writes, nor they for it), so the fsync that goes
// with it never falls on the UI thread. The station's connection has SQLite's automatic copy
// switched off; its commits tell this thread how long the log has grown.
class RecordsCheckpoint {
  public:
    static constexpr int kPages = 1000;
    static constexpr std::chrono::seconds kEvery{30};

    // `writer` is the station's connection (used on its own thread only).
    RecordsCheckpoint(sqlite3* writer, QString path, int pages = kPages,
                      std::chrono::milliseconds every = kEvery);
    ~RecordsCheckpoint();
    RecordsCheckpoint(const RecordsCheckpoint&) = delete;
    RecordsCheckpoint& operator=(const RecordsCheckpoint&) = delete;

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
