#pragma once

#include <string>

namespace vt::sim {

// A pseudo-terminal pair in raw mode. The master side is non-blocking and serves the line;
// the slave side is what the station opens. One slave descriptor stays open here so the
// master does not hang up while no station has the device open.
class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open();
    void close();
    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

  private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

}  // namespace vt::sim
