#include "port_facts.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "serial_names.h"

namespace vt {

namespace {

QString UserName(uid_t uid) {
    const passwd* entry = getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

QString GroupName(gid_t gid) {
    const group* entry = getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

std::vector<gid_t> ProcessGroups() {
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    groups.resize(static_cast<std::size_t>(
        std::max(getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    groups.push_back(getegid());
    return groups;
}

std::vector<gid_t> MemberGroups(const QByteArray& user, gid_t primary) {
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (getgrouplist(user.constData(), primary, groups.data(), &count) == -1) {
        groups.resize(static_cast<std::size_t>(count));
        getgrouplist(user.constData(), primary, groups.data(), &count);
    }
    groups.resize(static_cast<std::size_t>(count));
    return groups;
}

QStringList ProcessFolders(const QString& procRoot) {
    QStringList pids;
    for (const QString& entry : QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        entry.toLongLong(&number);
        if (number) pids << entry;
    }
    return pids;
}

QString ShortName(const QString& processFolder) {
    QFile comm(processFolder + QStringLiteral("/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                          : QString();
}

}  // namespace

DeviceFacts ReadDeviceFacts(const QString& path) {
    DeviceFacts facts;
    facts.path = path;
    facts.target = SerialNames::LinkTarget(path);
    facts.stableName = SerialNames::StableName(path);
    struct stat info {};
    facts.exists = stat(QFile::encodeName(path).constData(), &info) == 0;
    if (!facts.exists) return facts;
    facts.mode = info.st_mode;
    facts.uid = info.st_uid;
    facts.gid = info.st_gid;
    facts.owner = UserName(info.st_uid);
    facts.group = GroupName(info.st_gid);
    return facts;
}

UserFacts CurrentUser() {
    UserFacts user;
    user.uid = geteuid();
    user.name = UserName(user.uid);
    user.processGroups = ProcessGroups();
    const passwd* entry = getpwuid(user.uid);
    user.memberGroups = entry ? MemberGroups(entry->pw_name, entry->pw_gid) : user.processGroups;
    return user;
}

std::vector<PortHolder> HoldersOf(const QString& node, const QString& procRoot) {
    std::vector<PortHolder> holders;
    for (const QString& pid : ProcessFolders(procRoot)) {
        const QString folder = procRoot + QLatin1Char('/') + pid;
        const QDir fds(folder + QStringLiteral("/fd"));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files)) {
            if (fd.symLinkTarget() != node) continue;
            holders.push_back({pid.toLongLong(), ShortName(folder)});
            break;
        }
    }
    return holders;
}

bool ProcessRuns(const QString& program, const QString& procRoot) {
    for (const QString& pid : ProcessFolders(procRoot)) {
        if (ShortName(procRoot + QLatin1Char('/') + pid) == program) return true;
    }
    return false;
}

}  // namespace vt
