#include "job_runner.h"

#include <array>

#include "modbus_master.h"
#include "write_retry.h"

namespace vt {

namespace {

LinkReply Finished(const LinkJob& job, std::int32_t result, LinkFailure failure) {
    LinkReply reply;
    reply.job = job;
    reply.result = result;
    reply.failure = failure;
    return reply;
}

LinkReply ReadBlock(ModbusMaster& master, const LinkJob& job) {
    std::array<std::int32_t, kMaxBlockCount> buffer{};
    const bool holding = job.op == LinkOp::ReadHolding;
    const std::int32_t result =
        holding
            ? master.readHolding(job.port, job.slave, job.first, job.count, buffer.data())
            : master.readInputRegisters(job.port, job.slave, job.first, job.count, buffer.data());
    LinkReply reply = Finished(job, result, master.lastFailure());
    if (reply.ok()) reply.values.assign(buffer.begin(), buffer.begin() + job.count);
    return reply;
}

LinkReply ReadWord(ModbusMaster& master, const LinkJob& job) {
    std::int32_t word = 0;
    const std::int32_t result =
        job.op == LinkOp::ReadCoils16
            ? master.readCoils(job.port, job.slave, job.first, &word)
            : master.readDiscreteInputs(job.port, job.slave, job.first, &word);
    LinkReply reply = Finished(job, result, master.lastFailure());
    if (reply.ok()) reply.values.push_back(word);
    return reply;
}

LinkReply Write(ModbusMaster& master, const LinkJob& job) {
    const WriteOutcome outcome =
        WriteWithRetry(master, job.port, job.slave, job.first, job.value, job.retry);
    LinkReply reply = Finished(job, outcome.result, outcome.failure);
    reply.retried = outcome.retried;
    reply.retryResult = outcome.retryResult;
    reply.retryFailure = outcome.retryFailure;
    return reply;
}

}  // namespace

LinkReply RunJob(ModbusMaster& master, const LinkJob& job) {
    // The result is taken before the failure reason it leaves behind.
    const auto done = [&](std::int32_t result) {
        return Finished(job, result, master.lastFailure());
    };
    switch (job.op) {
        case LinkOp::Open:
            return done(master.openPort(job.port, job.baud, job.parity));
        case LinkOp::Close:
            return done(master.closePort(job.port));
        case LinkOp::ReadHolding:
        case LinkOp::ReadInput:
            return ReadBlock(master, job);
        case LinkOp::ReadDiscrete16:
        case LinkOp::ReadCoils16:
            return ReadWord(master, job);
        case LinkOp::WriteRegister:
            return Write(master, job);
        case LinkOp::SetCoil:
            return done(master.setCoil(job.port, job.slave, job.first));
        case LinkOp::ResetCoil:
            return done(master.resetCoil(job.port, job.slave, job.first));
    }
    return Finished(job, kRefused, LinkFailure::Refused);
}

}  // namespace vt
