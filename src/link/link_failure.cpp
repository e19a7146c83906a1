#include "link_failure.h"

namespace vt {

bool IsPortFailure(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::NoDevice:
        case LinkFailure::PermissionDenied:
        case LinkFailure::CannotOpen:
        case LinkFailure::PortLost:
        case LinkFailure::PortBusy:
            return true;
        default:
            return false;
    }
}

const char* FailureDescription(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::None:
            return "no failure";
        case LinkFailure::NoAnswer:
            return "the controller does not answer";
        case LinkFailure::Exception:
            return "the controller answered with an exception";
        case LinkFailure::PortClosed:
            return "the port is not open";
        case LinkFailure::Refused:
            return "request not sent (argument out of range)";
        case LinkFailure::NoDevice:
            return "the device does not exist";
        case LinkFailure::PermissionDenied:
            return "permission denied (the user must be in the group that owns the device, "
                   "usually dialout, and log in again)";
        case LinkFailure::CannotOpen:
            return "the port cannot be opened";
        case LinkFailure::PortLost:
            return "input/output error on the port";
        case LinkFailure::PortBusy:
            return "the port is held by another program";
    }
    return "unknown failure";
}

}  // namespace vt
