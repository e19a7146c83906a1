#include "link_connection.h"

#include "controller_link.h"
#include "link_jobs.h"
#include "polling_cycle.h"

namespace vt {

LinkConnection::LinkConnection(ControllerLink& link, PollingCycle& polling, ControllerState& state,
                               QObject* parent)
    : QObject(parent), m_link(link), m_polling(polling), m_state(state) {}

void LinkConnection::open(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode,
                          std::int32_t slave) {
    auto& settings = m_state.LinkSettings;
    settings[PortNumber] = port;
    settings[BaudCode] = baudCode;
    settings[ParityCode] = parityCode;
    settings[SlaveAddress] = slave;
    m_link.submit(OpenJob(port, baudCode, parityCode), this, [this](const LinkReply& reply) {
        m_state.LinkSettings[OpenResult] = reply.result;
    });
    m_polling.start();
    m_open = true;
    emit opened();
}

void LinkConnection::close() {
    m_link.submit(CloseJob(m_state.LinkSettings[PortNumber]), this);
    m_polling.stop();
    m_open = false;
    emit closed();
}

}  // namespace vt
