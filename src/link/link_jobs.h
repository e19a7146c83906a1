#pragma once

#include "controller_state.h"
#include "link_job.h"

namespace vt {

// Jobs as the station makes them: every one but open and close goes to the port and slave
// address currently held in the link settings.

inline LinkJob MakeJob(const ControllerState& s, LinkOp op, std::int32_t first = 0,
                       std::int32_t count = 0) {
    LinkJob job;
    job.op = op;
    job.port = s.LinkSettings[PortNumber];
    job.slave = s.LinkSettings[SlaveAddress];
    job.first = first;
    job.count = count;
    return job;
}

inline LinkJob OpenJob(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode) {
    LinkJob job;
    job.op = LinkOp::Open;
    job.port = port;
    job.baud = baudCode;
    job.parity = parityCode;
    job.priority = JobPriority::Operator;
    return job;
}

inline LinkJob CloseJob(std::int32_t port) {
    LinkJob job;
    job.op = LinkOp::Close;
    job.port = port;
    job.priority = JobPriority::Operator;
    return job;
}

inline LinkJob ReadHoldingJob(const ControllerState& s, std::int32_t first, std::int32_t count) {
    return MakeJob(s, LinkOp::ReadHolding, first, count);
}

inline LinkJob ReadInputJob(const ControllerState& s, std::int32_t first, std::int32_t count) {
    return MakeJob(s, LinkOp::ReadInput, first, count);
}

inline LinkJob ReadDiscrete16Job(const ControllerState& s, std::int32_t first) {
    return MakeJob(s, LinkOp::ReadDiscrete16, first, 16);
}

inline LinkJob ReadCoils16Job(const ControllerState& s, std::int32_t first) {
    return MakeJob(s, LinkOp::ReadCoils16, first, 16);
}

// An operator's single-register write, with the retry rule of the window that sends it.
inline LinkJob WriteRegisterJob(const ControllerState& s, std::int32_t reg, std::int32_t value,
                                RetryRule retry = RetryRule::OnNoAnswer) {
    LinkJob job = MakeJob(s, LinkOp::WriteRegister, reg, 1);
    job.value = value;
    job.retry = retry;
    job.priority = JobPriority::Operator;
    return job;
}

inline LinkJob CoilJob(const ControllerState& s, std::int32_t coil, bool set) {
    LinkJob job = MakeJob(s, set ? LinkOp::SetCoil : LinkOp::ResetCoil, coil, 1);
    job.priority = JobPriority::Operator;
    return job;
}

}  // namespace vt
