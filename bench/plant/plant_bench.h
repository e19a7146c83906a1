#pragma once

#include <unistd.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <vector>

#include "broker_fixture.h"

namespace vt::bench {

// CPU time (user and system) a process has used so far, in seconds; -1 when it is gone.
inline double ProcessCpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1.0;
    const QByteArray text = stat.readAll();
    // Fields after the command name (which may hold blanks) start after the last ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1.0;
    return static_cast<double>(fields[11].toLongLong() + fields[12].toLongLong()) /
           static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// Milliseconds from a message's own time to its arrival at the subscriber.
inline double LatencyMs(const test::Received& message) {
    const QDateTime sent = QDateTime::fromString(
        message.body.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    return static_cast<double>(message.receivedUs) / 1000.0 -
           static_cast<double>(sent.toMSecsSinceEpoch());
}

inline std::vector<double> Latencies(const std::vector<test::Received>& messages) {
    std::vector<double> ms;
    for (const test::Received& message : messages) ms.push_back(LatencyMs(message));
    return ms;
}

}  // namespace vt::bench
