#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vt::sim {

using Frame = std::vector<std::uint8_t>;

// Modbus CRC-16 (polynomial 0xA001, initial 0xFFFF) of a byte range.
std::uint16_t Crc16(const std::uint8_t* data, std::size_t size);

// Appends the CRC, low byte first, as RTU frames carry it.
void AppendCrc(Frame& frame);
bool HasValidCrc(const Frame& frame);

// Total length of a request frame from its first bytes: the length once it is known, 0 while
// more bytes are needed to tell, or -1 for a function whose length only the silence after it
// reveals.
int ExpectedRequestLength(const std::uint8_t* data, std::size_t size);

// Big-endian 16-bit field at a byte offset.
int Word(const Frame& frame, std::size_t at);
void AppendWord(Frame& frame, int value);

}  // namespace vt::sim
