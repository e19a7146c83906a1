#pragma once

#include <QObject>
#include <cstdint>

#include "controller_state.h"

namespace vt {

class ControllerLink;
class PollingCycle;

// Opening and closing the serial link on the operator's command. Open stores the chosen
// settings, opens the port on the link (its result lands in OpenResult when it comes back)
// and starts polling; close closes the port and stops polling. Neither waits for the link,
// and neither examines the open result: a port that cannot be opened shows as failed reads.
class LinkConnection : public QObject {
    Q_OBJECT
  public:
    LinkConnection(ControllerLink& link, PollingCycle& polling, ControllerState& state,
                   QObject* parent = nullptr);

    void open(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode,
              std::int32_t slave);
    void close();
    bool isOpen() const { return m_open; }

  signals:
    void opened();  // after the open was queued and polling started
    void closed();  // after the close was queued and polling stopped

  private:
    ControllerLink& m_link;
    PollingCycle& m_polling;
    ControllerState& m_state;
    bool m_open = false;
};

}  // namespace vt
