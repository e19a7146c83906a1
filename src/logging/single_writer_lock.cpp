#include "single_writer_lock.h"

#include <QDir>
#include <QFileInfo>

namespace vt {

SingleWriterLock::SingleWriterLock(const QString& filePath)
    : m_filePath(filePath), m_lockPath(filePath + QStringLiteral(".lock")), m_lock(m_lockPath) {
    // Age alone never makes a lock stale: a station runs for months.
    m_lock.setStaleLockTime(0);
}

bool SingleWriterLock::acquire() {
    if (m_lock.isLocked()) return true;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());  // a first start makes the folder
    return m_lock.tryLock(0);
}

QString SingleWriterLock::refusal() const {
    const QString file = QDir::toNativeSeparators(m_filePath);
    qint64 pid = 0;
    QString host;
    QString program;
    switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            if (!m_lock.getLockInfo(&pid, &host, &program)) break;
            return QStringLiteral(
                       "文件 %1 正被另一个操作站使用（进程 %2 %3，主机 %4，锁文件 %5）。")
                .arg(file)
                .arg(pid)
                .arg(program, host, QDir::toNativeSeparators(m_lockPath));
        case QLockFile::PermissionError:
            return QStringLiteral("无法在 %1 旁建立锁文件 %2（无权写入该文件夹）。")
                .arg(file, QDir::toNativeSeparators(m_lockPath));
        default:
            break;
    }
    return QStringLiteral("无法锁定文件 %1（锁文件 %2）。")
        .arg(file, QDir::toNativeSeparators(m_lockPath));
}

}  // namespace vt
