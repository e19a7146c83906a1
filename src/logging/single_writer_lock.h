#pragma once

#include <QLockFile>
#include <QString>

namespace vt {

// Keeps a file to one writing process: a lock file beside it (<file>.lock) holds the owner's
// process id, host and program. A lock left by a process that no longer runs is stale and taken
// over; a live owner's lock is never taken, however old.
class SingleWriterLock {
  public:
    explicit SingleWriterLock(const QString& filePath);

    // Takes the lock at once or not at all; true when held.
    bool acquire();
    bool held() const { return m_lock.isLocked(); }

    // Why acquire() failed, for the operator: the file and the process holding it.
    QString refusal() const;
    QString lockPath() const { return m_lockPath; }

  private:
    QString m_filePath;
    QString m_lockPath;
    QLockFile m_lock;
};

}  // namespace vt
