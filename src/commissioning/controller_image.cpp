#include "controller_image.h"

#include "controller_map.h"

namespace vt {

ControllerImage::ControllerImage() : m_raw(ImageRegisters().size(), 0) {}

void ControllerImage::store(std::int32_t first, std::span<const std::int32_t> values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (const auto index = ImageIndexOf(first + static_cast<std::int32_t>(i)))
            m_raw[*index] = values[i];
    }
}

std::int32_t ControllerImage::value(std::int32_t reg) const {
    const auto index = ImageIndexOf(reg);
    return index ? m_raw[*index] : 0;
}

InputScaling ControllerImage::scaling() const {
    InputScaling scaling;
    scaling.TempUnit = value(Scaling::TempUnit.number);
    scaling.Input1Type = value(Scaling::Input1Type.number);
    scaling.Input1Decimals = value(Scaling::Input1Decimals.number);
    scaling.Input2Type = value(Scaling::Input2Type.number);
    scaling.Input2Decimals = value(Scaling::Input2Decimals.number);
    return scaling;
}

std::int32_t ControllerImage::curve() const { return value(Run::CurveNumber.number); }

QString ControllerImage::shownText(std::size_t index) const {
    const std::int32_t raw = m_raw[index];
    const auto text = ParameterText(ImageRegisters()[index].parameter, raw, scaling());
    return text ? QString::fromStdString(*text) : QString::number(raw);
}

}  // namespace vt
