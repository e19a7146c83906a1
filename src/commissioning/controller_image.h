#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "image_map.h"
#include "value_conversion.h"

namespace vt {

// The registers of one controller as an image holds them: one raw value for every register of
// ImageRegisters(), in that order.
class ControllerImage {
  public:
    ControllerImage();

    std::size_t size() const { return m_raw.size(); }
    std::int32_t raw(std::size_t index) const { return m_raw[index]; }
    void setRaw(std::size_t index, std::int32_t value) { m_raw[index] = value; }
    // Stores a block read from `first`; registers outside the image are skipped.
    void store(std::int32_t first, std::span<const std::int32_t> values);

    // The value of register `reg` of the image (0 for a register outside it).
    std::int32_t value(std::int32_t reg) const;
    // The input scaling this image's own configuration block sets.
    InputScaling scaling() const;
    // The curve its program window belongs to (register 7).
    std::int32_t curve() const;
    // Register `index` as the operator reads it under this image's scaling: an enumeration's
    // shown text, a number by its display rule; the plain number when a code has no text.
    QString shownText(std::size_t index) const;

  private:
    std::vector<std::int32_t> m_raw;
};

// Where an image came from: when it was saved, by which station version, over which line.
struct ImageOrigin {
    QDateTime saved;
    QString stationVersion;
    std::int32_t port = 0;
    QString device;
    std::int32_t baudCode = 0;
    std::int32_t parityCode = 0;
    std::int32_t slave = 0;
};

// An image as a file holds it.
struct ImageFile {
    ControllerImage image;
    ImageOrigin origin;
};

}  // namespace vt
