#pragma once

namespace vt {

// Why an operation failed, decided once where the Modbus library answers.
enum class LinkFailure {
    None,
    NoAnswer,          // time-out, CRC or framing error: the controller does not answer
    Exception,         // the controller answered with an exception code
    PortClosed,        // the port is not open (closed by the operator, or never opened)
    Refused,           // not sent: an argument outside the protocol's range (e.g. slave 0)
    NoDevice,          // the port's device does not exist (unplugged, wrong path)
    PermissionDenied,  // the device exists, but this user may not open it
    CannotOpen,        // the port cannot be opened for another reason (busy, not a serial
                       // device, Modbus TCP connection refused or unreachable)
    PortLost,          // an open port failed with an I/O error, or its connection was closed
    PortBusy,          // another program (or another station) holds the serial port
};

// Whether a failure says the port itself is unusable, rather than the controller silent.
bool IsPortFailure(LinkFailure failure);

// The failure in a few words, for the log; for a permission denied with the remedy.
const char* FailureDescription(LinkFailure failure);

}  // namespace vt
