#pragma once

#include <poll.h>

#include <cstdint>
#include <map>
#include <vector>

#include "rtu_frame.h"

namespace vt::sim {

// A Modbus TCP request as the RTU responder takes it: unit identifier, PDU and CRC, with what
// its answer needs to find its way back.
struct TcpRequest {
    int connection = -1;
    std::uint16_t transaction = 0;
    Frame rtu;
};

// The simulator's Modbus TCP side on the loopback interface: the listening socket and its
// connections. Each request (MBAP header and PDU) comes out as an RTU frame, so the one
// responder serves both lines, and each RTU answer goes back with the request's header. Not
// thread-safe: used from the serving thread only.
class ModbusTcpPort {
  public:
    ModbusTcpPort() = default;
    ~ModbusTcpPort();
    ModbusTcpPort(const ModbusTcpPort&) = delete;
    ModbusTcpPort& operator=(const ModbusTcpPort&) = delete;

    // Listens on 127.0.0.1:`port` (0: a free port); false when the port cannot be had.
    bool listen(int port);
    bool listening() const { return m_listener >= 0; }
    int port() const { return m_port; }
    void close();

    // Adds the descriptors to wait on for reading.
    void addPollFds(std::vector<pollfd>& fds) const;
    // Handles what those descriptors report: new connections, requests, closed connections.
    // Returns the complete requests read.
    std::vector<TcpRequest> service(const std::vector<pollfd>& fds);
    // Sends the RTU answer to a request back as a Modbus TCP answer.
    void answer(const TcpRequest& request, const Frame& rtuAnswer);

  private:
    void accept();
    bool read(int connection, std::vector<TcpRequest>& requests);
    void drop(int connection);

    int m_listener = -1;
    int m_port = 0;
    std::map<int, Frame> m_pending;  // connection -> bytes received, not yet a whole request
};

}  // namespace vt::sim
