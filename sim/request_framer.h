#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "rtu_frame.h"

namespace vt::sim {

// Cuts the byte stream of the line into request frames: by the length the function code
// implies, or by the silence after a frame whose length it does not imply. A frame that stays
// incomplete through a silence is discarded, as a slave resynchronises on a noisy line.
class RequestFramer {
  public:
    using Clock = std::chrono::steady_clock;

    explicit RequestFramer(std::chrono::milliseconds silence = std::chrono::milliseconds(20));

    void append(const std::uint8_t* data, std::size_t size, Clock::time_point now);
    std::optional<Frame> takeFrame(Clock::time_point now);
    void clear();

    // When takeFrame may next produce or discard something by silence; nullopt when idle.
    std::optional<Clock::time_point> deadline() const;
    Clock::time_point lastByteTime() const { return m_lastByte; }

  private:
    Frame m_buffer;
    Clock::time_point m_lastByte{};
    std::chrono::milliseconds m_silence;
};

}  // namespace vt::sim
