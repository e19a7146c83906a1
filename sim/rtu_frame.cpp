#include "rtu_frame.h"

#include <modbus.h>

namespace vt::sim {

namespace {

constexpr int kFixedRequestLength = 8;  // address, function, two words, CRC
constexpr int kMultiWriteHeader = 7;    // address, function, two words, byte count
constexpr std::size_t kCrcSize = 2;

}  // namespace

std::uint16_t Crc16(const std::uint8_t* data, std::size_t size) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                             : static_cast<std::uint16_t>(crc >> 1);
        }
    }
    return crc;
}

void AppendCrc(Frame& frame) {
    const std::uint16_t crc = Crc16(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

bool HasValidCrc(const Frame& frame) {
    if (frame.size() < kCrcSize + 2) return false;
    const std::size_t body = frame.size() - kCrcSize;
    const std::uint16_t crc = Crc16(frame.data(), body);
    return frame[body] == (crc & 0xFF) && frame[body + 1] == (crc >> 8);
}

int ExpectedRequestLength(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    switch (data[1]) {
        case MODBUS_FC_READ_COILS:
        case MODBUS_FC_READ_DISCRETE_INPUTS:
        case MODBUS_FC_READ_HOLDING_REGISTERS:
        case MODBUS_FC_READ_INPUT_REGISTERS:
        case MODBUS_FC_WRITE_SINGLE_COIL:
        case MODBUS_FC_WRITE_SINGLE_REGISTER:
            return kFixedRequestLength;
        case MODBUS_FC_WRITE_MULTIPLE_COILS:
        case MODBUS_FC_WRITE_MULTIPLE_REGISTERS:
            if (size < static_cast<std::size_t>(kMultiWriteHeader)) return 0;
            return kMultiWriteHeader + data[kMultiWriteHeader - 1] + static_cast<int>(kCrcSize);
        default:
            return -1;
    }
}

int Word(const Frame& frame, std::size_t at) {
    if (at + 1 >= frame.size()) return 0;
    return (frame[at] << 8) | frame[at + 1];
}

void AppendWord(Frame& frame, int value) {
    frame.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace vt::sim
