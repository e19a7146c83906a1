#include "request_framer.h"

namespace vt::sim {

RequestFramer::RequestFramer(std::chrono::milliseconds silence) : m_silence(silence) {}

void RequestFramer::append(const std::uint8_t* data, std::size_t size, Clock::time_point now) {
    m_buffer.insert(m_buffer.end(), data, data + size);
    m_lastByte = now;
}

std::optional<Frame> RequestFramer::takeFrame(Clock::time_point now) {
    if (m_buffer.empty()) return std::nullopt;
    const int expected = ExpectedRequestLength(m_buffer.data(), m_buffer.size());
    const bool silent = now - m_lastByte >= m_silence;
    if (expected > 0 && m_buffer.size() >= static_cast<std::size_t>(expected)) {
        Frame frame(m_buffer.begin(), m_buffer.begin() + expected);
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + expected);
        return frame;
    }
    if (!silent) return std::nullopt;
    Frame rest;
    rest.swap(m_buffer);
    if (expected < 0) return rest;  // a function of unknown length ends with the silence
    return std::nullopt;            // an incomplete frame is dropped
}

void RequestFramer::clear() { m_buffer.clear(); }

std::optional<RequestFramer::Clock::time_point> RequestFramer::deadline() const {
    if (m_buffer.empty()) return std::nullopt;
    return m_lastByte + m_silence;
}

}  // namespace vt::sim
