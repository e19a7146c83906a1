#pragma once

#include <sys/types.h>

#include <QString>
#include <vector>

namespace vt {

// What the system says about a serial device file.
struct DeviceFacts {
    QString path;        // as the port names it
    QString target;      // the device node a link (a by-id name) leads to; empty for no link
    QString stableName;  // its /dev/serial/by-id name; empty when none
    bool exists = false;
    mode_t mode = 0;  // type and permission bits, as stat() gives them
    uid_t uid = 0;
    gid_t gid = 0;
    QString owner;  // user and group names
    QString group;
};

// Who runs the station.
struct UserFacts {
    uid_t uid = 0;
    QString name;
    std::vector<gid_t> processGroups;  // the groups this process runs with
    std::vector<gid_t> memberGroups;   // the groups the user belongs to now: a membership
                                       // added since the login shows here only
};

// A running process that has the device open.
struct PortHolder {
    qint64 pid = 0;
    QString program;
};

DeviceFacts ReadDeviceFacts(const QString& path);
UserFacts CurrentUser();

// The processes under `procRoot` with an open file descriptor on `node` (a device node path).
std::vector<PortHolder> HoldersOf(const QString& node,
                                  const QString& procRoot = QStringLiteral("/proc"));

// Whether a process named `program` runs (by its short name in <pid>/comm).
bool ProcessRuns(const QString& program, const QString& procRoot = QStringLiteral("/proc"));

}  // namespace vt
