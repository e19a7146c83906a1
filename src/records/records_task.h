#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vt {

class BatchStore;

// Reads of the records file off the UI thread. Each read runs on a thread of its own at nice 10
// with its own read-only connection and hands its result back on the task's thread. A newer read
// supersedes the one under way: that one is cut short (its statements interrupted) and its result
// dropped, as is the result of a read under way when the task is cancelled or destroyed.
// Destroying the task waits for its reads, which the interruption ends promptly.
class RecordsTask : public QObject {
    Q_OBJECT
  public:
    template <typename T>
    using Read = std::function<T(const BatchStore& store, const std::atomic<bool>& stop)>;
    using Failed = std::function<void(const QString& problem)>;

    explicit RecordsTask(QString path, QObject* parent = nullptr);
    ~RecordsTask() override;

    // A read is under way whose result will be delivered.
    bool busy() const { return m_current != nullptr; }
    // Some read's thread has not ended yet (a dropped one too).
    bool reading() const { return !m_jobs.empty(); }
    // Cuts the read under way short and drops its result.
    void cancel();

    // Runs `read` on a worker and hands its result to `done`; `failed` (may be empty) learns why
    // the file could not be opened. Neither is called for a read superseded or cancelled.
    template <typename T>
    void run(Read<T> read, std::function<void(T)> done, Failed failed = {}) {
        auto result = std::make_shared<std::optional<T>>();
        start([read = std::move(read), result](
                  const BatchStore& store,
                  const std::atomic<bool>& stop) { result->emplace(read(store, stop)); },
              [done = std::move(done), result] { done(std::move(**result)); }, std::move(failed));
    }

  signals:
    // A read's result (or failure) was handed over; busy() is false again.
    void delivered();

  private:
    struct Job;
    using Body = std::function<void(const BatchStore&, const std::atomic<bool>&)>;

    void start(Body read, std::function<void()> deliver, Failed failed);
    void finish(Job* job);

    QString m_path;
    std::vector<std::unique_ptr<Job>> m_jobs;  // every read whose thread has not ended
    Job* m_current = nullptr;                  // the one whose result is wanted
};

}  // namespace vt
