#include "plant_feed.h"

#include <QDateTime>

#include "link_connection.h"
#include "plant_link.h"
#include "polling_cycle.h"
#include "port_directory.h"

namespace vt {

namespace {

constexpr int kSecondMs = 1000;

// Elements of InputConfig that hold the display range of input 1 and of input 2.
constexpr int kInput1High = 8;
constexpr int kInput1Low = 9;
constexpr int kInput2High = 19;
constexpr int kInput2Low = 20;

QString FailureKey(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::None:
            return {};
        case LinkFailure::NoAnswer:
            return QStringLiteral("no-answer");
        case LinkFailure::Exception:
            return QStringLiteral("exception");
        case LinkFailure::PortClosed:
            return QStringLiteral("port-closed");
        case LinkFailure::Refused:
            return QStringLiteral("refused");
        case LinkFailure::NoDevice:
            return QStringLiteral("no-device");
        case LinkFailure::PermissionDenied:
            return QStringLiteral("permission-denied");
        case LinkFailure::CannotOpen:
            return QStringLiteral("cannot-open");
        case LinkFailure::PortLost:
            return QStringLiteral("port-lost");
    }
    return {};
}

}  // namespace

PlantFeed::PlantFeed(PlantLink& plant, const ControllerState& state, PollingCycle& polling,
                     LinkConnection& connection, const PortDirectory& ports, QObject* parent)
    : QObject(parent),
      m_plant(plant),
      m_state(state),
      m_polling(polling),
      m_connection(connection),
      m_ports(ports),
      m_second(this) {
    connect(&polling, &PollingCycle::tickFinished, this, &PlantFeed::tickDone);
    connect(&connection, &LinkConnection::opened, this, &PlantFeed::publish);
    connect(&connection, &LinkConnection::closed, this, &PlantFeed::publish);
    m_second.setInterval(kSecondMs);
    connect(&m_second, &QTimer::timeout, this, &PlantFeed::secondPassed);
    m_second.start();
    m_plant.publishStatus(status());
}

ControllerLinkState PlantFeed::linkState() const {
    const LinkStatus& link = m_polling.status();
    if (link.up()) return {QStringLiteral("up"), {}};
    if (!m_connection.isOpen())
        return {QStringLiteral("closed"), FailureKey(LinkFailure::PortClosed)};
    return {link.down() ? QStringLiteral("down") : QStringLiteral("unknown"),
            FailureKey(link.reason())};
}

LiveSample PlantFeed::sample() const {
    LiveSample sample;
    sample.time = QDateTime::currentDateTime();
    sample.link = linkState();
    sample.valid = m_polling.status().up();
    if (sample.valid)
        std::copy_n(m_state.LiveValue.begin(), sample.values.size(), sample.values.begin());
    sample.scaling = m_state.Scaling;
    return sample;
}

StationStatus PlantFeed::status() const {
    StationStatus status;
    status.version = QStringLiteral(VT_STATION_VERSION);
    if (m_connection.isOpen()) {
        status.port = m_state.LinkSettings[PortNumber];
        status.device = m_ports.devicePath(status.port);
        status.address = m_state.LinkSettings[SlaveAddress];
    }
    status.link = linkState();
    return status;
}

StationSettings PlantFeed::settings() const {
    const InputScaling& s = m_state.Scaling;
    const auto& config = m_state.InputConfig;
    StationSettings settings;
    settings.tempUnit = s.TempUnit;
    settings.input1 = {s.Input1Type, s.Input1Decimals, RawToValue1(s, config[kInput1High]),
                       RawToValue1(s, config[kInput1Low])};
    settings.input2 = {s.Input2Type, s.Input2Decimals, RawToValue2(s, config[kInput2High]),
                       RawToValue2(s, config[kInput2Low])};
    settings.curve = m_state.RunRaw[Run::CurveNumber.element];
    return settings;
}

// The live message leaves right after the first tick of each clock second.
void PlantFeed::tickDone() {
    const std::int64_t second = QDateTime::currentSecsSinceEpoch();
    if (second != m_lastSecond) {
        m_lastSecond = second;
        m_plant.publishLive(sample());
    }
    publish();
}

// Without ticks (port closed, a tick still out) the live message says so once a second.
void PlantFeed::secondPassed() {
    const std::int64_t second = QDateTime::currentSecsSinceEpoch();
    if (second == m_lastSecond) return;
    m_lastSecond = second;
    m_plant.publishLive(sample());
    publish();
}

// The plant link publishes status and settings only when they differ from the last ones.
void PlantFeed::publish() {
    m_plant.publishStatus(status());
    if (m_polling.status().up()) m_plant.publishSettings(settings());
}

}  // namespace vt
