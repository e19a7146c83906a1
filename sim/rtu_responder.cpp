#include "rtu_responder.h"

#include <modbus.h>

#include <cstdint>

namespace vt::sim {

namespace {

constexpr std::uint8_t kExceptionFlag = 0x80;
constexpr int kCoilOn = 0xFF00;
constexpr int kCoilOff = 0x0000;
constexpr std::size_t kMultiWriteData = 7;  // first data byte of a multiple write

Frame Header(const Frame& request) { return Frame{request[0], request[1]}; }

Frame Finish(Frame frame) {
    AppendCrc(frame);
    return frame;
}

Frame Exception(const Frame& request, int code) {
    return Finish(Frame{request[0], static_cast<std::uint8_t>(request[1] | kExceptionFlag),
                        static_cast<std::uint8_t>(code)});
}

// Echo of the first six bytes, as single writes and multiple-write confirmations answer.
Frame Echo(const Frame& request) { return Finish(Frame(request.begin(), request.begin() + 6)); }

int FirstNumber(const Frame& request) { return Word(request, 2) + 1; }

bool Touches(const std::set<int>& numbers, int first, int count) {
    const auto it = numbers.lower_bound(first);
    return it != numbers.end() && *it < first + count;
}

// Checks the byte count of a multiple write against its quantity and the frame length.
bool ConsistentMultiWrite(const Frame& request, int expectedBytes) {
    return request.size() >= kMultiWriteData + 2 && request[6] == expectedBytes &&
           request.size() == kMultiWriteData + static_cast<std::size_t>(expectedBytes) + 2;
}

}  // namespace

Frame RtuResponder::answer(const Frame& request, const ExceptionRegisters& exceptions) {
    switch (request[1]) {
        case MODBUS_FC_READ_COILS:
            return readBits(request, Table::Coil);
        case MODBUS_FC_READ_DISCRETE_INPUTS:
            return readBits(request, Table::DiscreteInput);
        case MODBUS_FC_READ_HOLDING_REGISTERS:
            return readRegisters(request, Table::HoldingRegister, exceptions.holding);
        case MODBUS_FC_READ_INPUT_REGISTERS:
            return readRegisters(request, Table::InputRegister, exceptions.input);
        case MODBUS_FC_WRITE_SINGLE_COIL:
            return writeCoil(request);
        case MODBUS_FC_WRITE_SINGLE_REGISTER:
            return writeRegister(request, exceptions.holding);
        case MODBUS_FC_WRITE_MULTIPLE_COILS:
            return writeCoils(request);
        case MODBUS_FC_WRITE_MULTIPLE_REGISTERS:
            return writeRegisters(request, exceptions.holding);
        default:
            return Exception(request, MODBUS_EXCEPTION_ILLEGAL_FUNCTION);
    }
}

Frame RtuResponder::readBits(const Frame& request, Table table) {
    const int first = FirstNumber(request);
    const int count = Word(request, 4);
    if (count < 1 || count > MODBUS_MAX_READ_BITS) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    if (!InMap(table, first, count)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    const std::vector<bool> bits = table == Table::Coil ? m_model.coilBlock(first, count)
                                                        : m_model.discreteBlock(first, count);
    Frame frame = Header(request);
    frame.push_back(static_cast<std::uint8_t>((count + 7) / 8));
    for (int i = 0; i < count; ++i) {
        if (i % 8 == 0) frame.push_back(0);
        if (bits[static_cast<std::size_t>(i)])
            frame.back() |= static_cast<std::uint8_t>(1u << (i % 8));
    }
    return Finish(frame);
}

Frame RtuResponder::readRegisters(const Frame& request, Table table,
                                  const std::set<int>& exceptions) {
    const int first = FirstNumber(request);
    const int count = Word(request, 4);
    if (count < 1 || count > MODBUS_MAX_READ_REGISTERS) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    if (!InMap(table, first, count) || Touches(exceptions, first, count)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    const std::vector<std::int16_t> values = table == Table::HoldingRegister
                                                 ? m_model.holdingBlock(first, count)
                                                 : m_model.inputBlock(first, count);
    Frame frame = Header(request);
    frame.push_back(static_cast<std::uint8_t>(2 * count));
    for (std::int16_t v : values) AppendWord(frame, static_cast<std::uint16_t>(v));
    return Finish(frame);
}

Frame RtuResponder::writeCoil(const Frame& request) {
    const int n = FirstNumber(request);
    const int value = Word(request, 4);
    if (value != kCoilOn && value != kCoilOff) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    if (!Writable(Table::Coil, n, 1)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    m_model.setCoil(n, value == kCoilOn);
    written(Table::Coil, n, value == kCoilOn);
    return Echo(request);
}

Frame RtuResponder::writeRegister(const Frame& request, const std::set<int>& exceptions) {
    const int reg = FirstNumber(request);
    if (!Writable(Table::HoldingRegister, reg, 1) || exceptions.count(reg) > 0) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    const auto value = static_cast<std::int16_t>(Word(request, 4));
    if (!m_model.setHolding(reg, value)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    written(Table::HoldingRegister, reg, value);
    return Echo(request);
}

Frame RtuResponder::writeCoils(const Frame& request) {
    const int first = FirstNumber(request);
    const int count = Word(request, 4);
    if (count < 1 || count > MODBUS_MAX_WRITE_BITS ||
        !ConsistentMultiWrite(request, (count + 7) / 8)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    if (!Writable(Table::Coil, first, count)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    for (int i = 0; i < count; ++i) {
        const std::uint8_t byte = request[kMultiWriteData + static_cast<std::size_t>(i / 8)];
        const bool on = (byte >> (i % 8)) & 1u;
        m_model.setCoil(first + i, on);
        written(Table::Coil, first + i, on);
    }
    return Echo(request);
}

Frame RtuResponder::writeRegisters(const Frame& request, const std::set<int>& exceptions) {
    const int first = FirstNumber(request);
    const int count = Word(request, 4);
    if (count < 1 || count > MODBUS_MAX_WRITE_REGISTERS ||
        !ConsistentMultiWrite(request, 2 * count)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    if (!Writable(Table::HoldingRegister, first, count) || Touches(exceptions, first, count)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    }
    std::vector<std::int16_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(static_cast<std::int16_t>(
            Word(request, kMultiWriteData + 2 * static_cast<std::size_t>(i))));
    }
    if (!m_model.writeHoldingBlock(first, values)) {
        return Exception(request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        written(Table::HoldingRegister, first + static_cast<int>(i), values[i]);
    }
    return Echo(request);
}

void RtuResponder::written(Table table, int number, int value) const {
    if (m_observer) m_observer(table, number, value);
}

}  // namespace vt::sim
