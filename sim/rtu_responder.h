#pragma once

#include <functional>
#include <set>

#include "controller_model.h"
#include "register_areas.h"
#include "rtu_frame.h"

namespace vt::sim {

// Registers that answer every access with an exception, in station numbering.
struct ExceptionRegisters {
    std::set<int> holding;
    std::set<int> input;
};

// Carries out one request on the model and builds its answer, CRC included. The request is a
// whole frame with a valid CRC; the answer is a normal or an exception answer.
class RtuResponder {
  public:
    // Told of each coil or holding register a write carried out, with its new value.
    using WriteObserver = std::function<void(Table table, int number, int value)>;

    explicit RtuResponder(ControllerModel& model) : m_model(model) {}

    Frame answer(const Frame& request, const ExceptionRegisters& exceptions);
    void setWriteObserver(WriteObserver observer) { m_observer = std::move(observer); }

  private:
    Frame readBits(const Frame& request, Table table);
    Frame readRegisters(const Frame& request, Table table, const std::set<int>& exceptions);
    Frame writeCoil(const Frame& request);
    Frame writeRegister(const Frame& request, const std::set<int>& exceptions);
    Frame writeCoils(const Frame& request);
    Frame writeRegisters(const Frame& request, const std::set<int>& exceptions);
    void written(Table table, int number, int value) const;

    ControllerModel& m_model;
    WriteObserver m_observer;
};

}  // namespace vt::sim
