#include "port_probe.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <memory>

#include "modbus_master.h"
#include "window_rig.h"

namespace vt::test {
namespace {

struct ProbeCase {
    const char* name;
    ProbeSettings settings;
    std::function<void(WindowRig&)> arrange;  // before the probe
    ProbeResult::Outcome outcome;
    LinkFailure failure;
    const char* text;  // the start of the text shown
};

class Probe : public ::testing::TestWithParam<ProbeCase> {};

// The station's port is closed: the probe opens the chosen port for its read and closes it.
TEST_P(Probe, ReadsOnceThroughTheLinkAndTellsHowItWent) {
    WindowRig rig;
    std::unique_ptr<ModbusMaster> otherHolder;
    if (GetParam().arrange) GetParam().arrange(rig);
    if (GetParam().failure == LinkFailure::PortBusy) {
        otherHolder = std::make_unique<ModbusMaster>(rig.line.ports());
        ASSERT_EQ(otherHolder->openPort(kSimPort, kFastBaud, 0), 0);
    }
    PortProbe probe(rig.link);
    QSignalSpy finished(&probe, &PortProbe::finished);
    probe.run(GetParam().settings, false);
    ASSERT_TRUE(finished.wait(kWaitMs));
    const auto result = finished.at(0).at(0).value<ProbeResult>();
    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_EQ(result.failure, GetParam().failure);
    EXPECT_TRUE(ProbeText(result).startsWith(QString::fromUtf8(GetParam().text)))
        << ProbeText(result).toStdString();
    // The port was given back: another master may open it now.
    ASSERT_TRUE(rig.waitIdle());
    otherHolder.reset();
    ModbusMaster after(rig.line.ports());
    EXPECT_EQ(after.openPort(kSimPort, kFastBaud, 0), 0);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, Probe,
                         ::testing::Values(ProbeCase{"Answered",
                                                     {kSimPort, kFastBaud, 0, kSimSlave},
                                                     {},
                                                     ProbeResult::Outcome::Answered,
                                                     LinkFailure::None,
                                                     "有应答（"},
                                           ProbeCase{"OtherAddressIsSilent",
                                                     {kSimPort, kFastBaud, 0, 9},
                                                     {},
                                                     ProbeResult::Outcome::NoAnswer,
                                                     LinkFailure::NoAnswer,
                                                     "无应答（"},
                                           ProbeCase{
                                               "Exception",
                                               {kSimPort, kFastBaud, 0, kSimSlave},
                                               [](WindowRig& rig) {
                                                   rig.line.change([](sim::SimulatorOptions& o) {
                                                       o.exceptionInputRegisters.insert(1);
                                                   });
                                               },
                                               ProbeResult::Outcome::Exception,
                                               LinkFailure::Exception,
                                               "异常应答，代码 2"},
                                           ProbeCase{"HeldByAnotherProgram",
                                                     {kSimPort, kFastBaud, 0, kSimSlave},
                                                     {},
                                                     ProbeResult::Outcome::PortFailed,
                                                     LinkFailure::PortBusy,
                                                     "端口无法使用：端口被占用"},
                                           ProbeCase{"NoDevice",
                                                     {20, kFastBaud, 0, kSimSlave},
                                                     {},
                                                     ProbeResult::Outcome::PortFailed,
                                                     LinkFailure::NoDevice,
                                                     "端口无法使用：设备不存在"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vt::test
