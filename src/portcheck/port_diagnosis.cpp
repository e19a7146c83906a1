#include "port_diagnosis.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <algorithm>

namespace vt {

namespace {

constexpr mode_t kReadWrite = 06;  // read and write bits of one class (others)

bool MayReadWrite(mode_t mode, int shift) { return ((mode >> shift) & kReadWrite) == kReadWrite; }

bool Contains(const std::vector<gid_t>& groups, gid_t gid) {
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

QString AccessFinding(PortAccess access, const PortFacts& facts) {
    switch (access) {
        case PortAccess::Allowed:
            return QStringLiteral("用户 %1 可以打开").arg(facts.user.name);
        case PortAccess::Missing:
            return QStringLiteral("设备不存在");
        case PortAccess::NeedsGroup:
            return QStringLiteral("用户 %1 不能打开：不在 %2 组中")
                .arg(facts.user.name, facts.device.group);
        case PortAccess::NeedsNewLogin:
            return QStringLiteral("用户 %1 已加入 %2 组，但本次登录尚未生效")
                .arg(facts.user.name, facts.device.group);
        case PortAccess::Denied:
            return QStringLiteral("用户 %1 不能打开：设备权限不允许").arg(facts.user.name);
    }
    return {};
}

QString AccessRemedy(PortAccess access, const PortFacts& facts) {
    switch (access) {
        case PortAccess::Missing:
            return QStringLiteral("检查适配器是否插好，并在 /dev/serial/by-id 中查找它的名字。");
        case PortAccess::NeedsGroup:
            return QStringLiteral("执行 sudo adduser %1 %2，然后注销并重新登录。")
                .arg(facts.user.name, facts.device.group);
        case PortAccess::NeedsNewLogin:
            return QStringLiteral("注销并重新登录（或重新启动计算机），使 %1 组生效。")
                .arg(facts.device.group);
        case PortAccess::Denied:
            return QStringLiteral("请管理员为该设备设置组 dialout 和权限 0660（udev 规则）。");
        case PortAccess::Allowed:
            break;
    }
    return {};
}

QString HolderText(const PortHolder& holder, qint64 ownPid) {
    return holder.pid == ownPid
               ? QStringLiteral("本操作站（进程 %1）").arg(holder.pid)
               : QStringLiteral("%1（进程 %2）").arg(holder.program).arg(holder.pid);
}

DiagnosisRow HoldersRow(const PortFacts& facts, QStringList& remedies) {
    QStringList others;
    QStringList all;
    for (const PortHolder& holder : facts.holders) {
        all << HolderText(holder, facts.ownPid);
        if (holder.pid != facts.ownPid) others << all.last();
    }
    if (!others.isEmpty()) {
        remedies
            << QStringLiteral("关闭占用端口的程序：%1。").arg(others.join(QStringLiteral("、")));
    }
    return {QStringLiteral("占用进程"),
            all.isEmpty() ? QStringLiteral("没有进程打开该设备") : all.join(QStringLiteral("、")),
            others.isEmpty()};
}

}  // namespace

PortAccess DecideAccess(const DeviceFacts& device, const UserFacts& user) {
    if (!device.exists) return PortAccess::Missing;
    if (user.uid == 0) return PortAccess::Allowed;
    if (device.uid == user.uid) {
        return MayReadWrite(device.mode, 6) ? PortAccess::Allowed : PortAccess::Denied;
    }
    if (MayReadWrite(device.mode, 0)) return PortAccess::Allowed;
    if (!MayReadWrite(device.mode, 3)) return PortAccess::Denied;
    if (Contains(user.processGroups, device.gid)) return PortAccess::Allowed;
    return Contains(user.memberGroups, device.gid) ? PortAccess::NeedsNewLogin
                                                   : PortAccess::NeedsGroup;
}

PortFacts ReadPortFacts(const QString& device) {
    PortFacts facts;
    facts.device = ReadDeviceFacts(device);
    facts.user = CurrentUser();
    const QString node = facts.device.target.isEmpty() ? device : facts.device.target;
    facts.holders = HoldersOf(node);
    facts.ownPid = QCoreApplication::applicationPid();
    facts.modemManager = ProcessRuns(QStringLiteral("ModemManager"));
    return facts;
}

QString ModeText(mode_t mode) {
    QString text = S_ISCHR(mode)   ? QStringLiteral("c")
                   : S_ISLNK(mode) ? QStringLiteral("l")
                   : S_ISDIR(mode) ? QStringLiteral("d")
                                   : QStringLiteral("-");
    const char letters[] = "rwx";
    for (int bit = 8; bit >= 0; --bit) {
        text += (mode >> bit) & 1 ? QLatin1Char(letters[(8 - bit) % 3]) : QLatin1Char('-');
    }
    return text;
}

PortDiagnosis Diagnose(const PortFacts& facts) {
    PortDiagnosis diagnosis;
    const DeviceFacts& device = facts.device;
    QString name = device.path;
    if (!device.stableName.isEmpty()) name += QStringLiteral("（%1）").arg(device.stableName);
    diagnosis.rows.push_back({QStringLiteral("设备"), name, device.exists});
    diagnosis.rows.push_back({QStringLiteral("链接到"),
                              device.target.isEmpty() ? QStringLiteral("不是链接") : device.target,
                              true});
    if (device.exists) {
        diagnosis.rows.push_back(
            {QStringLiteral("属主 / 组 / 权限"),
             QStringLiteral("%1 / %2 / %3").arg(device.owner, device.group, ModeText(device.mode)),
             S_ISCHR(device.mode)});
    }
    const PortAccess access = DecideAccess(device, facts.user);
    diagnosis.rows.push_back(
        {QStringLiteral("访问权限"), AccessFinding(access, facts), access == PortAccess::Allowed});
    if (access != PortAccess::Allowed) diagnosis.remedies << AccessRemedy(access, facts);
    diagnosis.rows.push_back(HoldersRow(facts, diagnosis.remedies));
    diagnosis.rows.push_back({QStringLiteral("ModemManager"),
                              facts.modemManager
                                  ? QStringLiteral("正在运行（可能探测新插入的串口适配器）")
                                  : QStringLiteral("未运行"),
                              !facts.modemManager});
    if (facts.modemManager) {
        diagnosis.remedies << QStringLiteral(
            "停止 ModemManager（sudo systemctl stop ModemManager），或让它忽略该适配器。");
    }
    return diagnosis;
}

}  // namespace vt
