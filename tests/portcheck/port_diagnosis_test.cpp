#include "port_diagnosis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "serial_names.h"

namespace vt {
namespace {

constexpr uid_t kUser = 1000;
constexpr gid_t kDialout = 20;
constexpr gid_t kUsers = 100;

DeviceFacts Device(mode_t permissions, uid_t owner = 0, gid_t group = kDialout) {
    DeviceFacts device;
    device.path = QStringLiteral("/dev/ttyUSB0");
    device.exists = true;
    device.mode = S_IFCHR | permissions;
    device.uid = owner;
    device.gid = group;
    device.owner = QStringLiteral("root");
    device.group = QStringLiteral("dialout");
    return device;
}

UserFacts User(std::vector<gid_t> processGroups, std::vector<gid_t> memberGroups = {}) {
    if (memberGroups.empty()) memberGroups = processGroups;
    return UserFacts{kUser, QStringLiteral("op"), std::move(processGroups),
                     std::move(memberGroups)};
}

struct AccessCase {
    const char* name;
    DeviceFacts device;
    UserFacts user;
    PortAccess access;
};

class Access : public ::testing::TestWithParam<AccessCase> {};

TEST_P(Access, FollowsOwnerGroupAndOthersBits) {
    EXPECT_EQ(DecideAccess(GetParam().device, GetParam().user), GetParam().access);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Access,
    ::testing::Values(
        AccessCase{"InDialout", Device(0660), User({kUsers, kDialout}), PortAccess::Allowed},
        AccessCase{"NotInDialout", Device(0660), User({kUsers}), PortAccess::NeedsGroup},
        AccessCase{"JoinedButNotLoggedInAgain", Device(0660), User({kUsers}, {kUsers, kDialout}),
                   PortAccess::NeedsNewLogin},
        AccessCase{"GroupMayOnlyRead", Device(0640), User({kDialout}), PortAccess::Denied},
        AccessCase{"OthersMayReadAndWrite", Device(0666), User({kUsers}), PortAccess::Allowed},
        AccessCase{"OthersMayOnlyRead", Device(0664), User({kUsers}), PortAccess::NeedsGroup},
        AccessCase{"OwnedByTheUser", Device(0600, kUser), User({kUsers}), PortAccess::Allowed},
        // The owner's bits decide for the owner, even where the group's would allow.
        AccessCase{"OwnerMayNotWrite", Device(0460, kUser), User({kDialout}), PortAccess::Denied},
        AccessCase{"Root", Device(0600), UserFacts{0, QStringLiteral("root"), {0}, {0}},
                   PortAccess::Allowed},
        AccessCase{"Missing", DeviceFacts{}, User({kDialout}), PortAccess::Missing}),
    [](const auto& info) { return std::string(info.param.name); });

QString Finding(const PortDiagnosis& diagnosis, const QString& caption) {
    for (const DiagnosisRow& row : diagnosis.rows) {
        if (row.caption == caption) return row.finding;
    }
    return QStringLiteral("<no row %1>").arg(caption);
}

TEST(Diagnosis, NamesTheRemedyForAMissingGroupAndTheOtherHolder) {
    PortFacts facts{Device(0660),
                    User({kUsers}),
                    {{42, QStringLiteral("minicom")}, {7, QStringLiteral("vtstation")}},
                    7,
                    true};
    const PortDiagnosis diagnosis = Diagnose(facts);
    EXPECT_EQ(Finding(diagnosis, QStringLiteral("属主 / 组 / 权限")),
              QStringLiteral("root / dialout / crw-rw----"));
    EXPECT_EQ(Finding(diagnosis, QStringLiteral("占用进程")),
              QStringLiteral("minicom（进程 42）、本操作站（进程 7）"));
    ASSERT_EQ(diagnosis.remedies.size(), 3);
    EXPECT_EQ(diagnosis.remedies[0],
              QStringLiteral("执行 sudo adduser op dialout，然后注销并重新登录。"));
    EXPECT_TRUE(diagnosis.remedies[1].contains(QStringLiteral("minicom（进程 42）")));
    EXPECT_FALSE(diagnosis.remedies[1].contains(QStringLiteral("本操作站")));
    EXPECT_TRUE(diagnosis.remedies[2].contains(QStringLiteral("ModemManager")));
}

TEST(Diagnosis, APortInOrderNeedsNoRemedy) {
    const PortDiagnosis diagnosis =
        Diagnose(PortFacts{Device(0660), User({kDialout}), {}, 7, false});
    EXPECT_TRUE(diagnosis.remedies.isEmpty());
    for (const DiagnosisRow& row : diagnosis.rows) EXPECT_TRUE(row.ok) << row.caption.toStdString();
}

// A process table laid out as /proc is: <pid>/comm and <pid>/fd/<n> links.
class FakeProc {
  public:
    void add(int pid, const char* program, const QString& openFile) {
        const QString folder = m_dir.filePath(QString::number(pid));
        QDir().mkpath(folder + QStringLiteral("/fd"));
        QFile comm(folder + QStringLiteral("/comm"));
        EXPECT_TRUE(comm.open(QIODevice::WriteOnly));
        comm.write(QByteArray(program) + '\n');
        EXPECT_TRUE(QFile::link(openFile, folder + QStringLiteral("/fd/3")));
    }
    QString root() const { return m_dir.path(); }

  private:
    QTemporaryDir m_dir;
};

TEST(PortFacts, FindsTheHoldersOfADeviceAndModemManager) {
    FakeProc proc;
    proc.add(310, "minicom", QStringLiteral("/dev/ttyUSB0"));
    proc.add(311, "ModemManager", QStringLiteral("/dev/ttyUSB1"));
    proc.add(312, "bash", QStringLiteral("/dev/pts/0"));
    const std::vector<PortHolder> holders = HoldersOf(QStringLiteral("/dev/ttyUSB0"), proc.root());
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders[0].pid, 310);
    EXPECT_EQ(holders[0].program, QStringLiteral("minicom"));
    EXPECT_TRUE(ProcessRuns(QStringLiteral("ModemManager"), proc.root()));
    EXPECT_FALSE(ProcessRuns(QStringLiteral("Modem"), proc.root()));
}

// The stable name is found from the device and the device from the stable name, as after a
// replug the adapter's by-id link leads to whichever node it became.
TEST(SerialNames, PairTheDeviceWithItsByIdName) {
    QTemporaryDir dir;
    const QString node = dir.filePath(QStringLiteral("ttyUSB3"));
    QFile(node).open(QIODevice::WriteOnly);
    const QString byId = dir.filePath(QStringLiteral("by-id"));
    QDir().mkpath(byId);
    const QString name = QStringLiteral("usb-FTDI_FT232R_USB_UART_A10K5XYZ-if00-port0");
    ASSERT_TRUE(QFile::link(node, byId + QLatin1Char('/') + name));
    EXPECT_EQ(SerialNames::StableName(node, byId), name);
    EXPECT_EQ(SerialNames::DeviceCaption(node, byId), node + QStringLiteral("  ") + name);
    EXPECT_EQ(SerialNames::DeviceCaption(byId + QLatin1Char('/') + name, byId),
              byId + QLatin1Char('/') + name + QStringLiteral(" → ") + node);
    EXPECT_EQ(SerialNames::StableName(dir.filePath(QStringLiteral("ttyUSB4")), byId), QString());
}

}  // namespace
}  // namespace vt
