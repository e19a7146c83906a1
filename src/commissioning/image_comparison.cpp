#include "image_comparison.h"

#include <algorithm>

#include "controller_map.h"
#include "image_reader.h"

namespace vt {

namespace {

constexpr RegisterSpan kCommunication{4157, 4};
constexpr RegisterSpan kNetwork{4191, 13};
constexpr std::int32_t kScalingRegisters[] = {
    Scaling::TempUnit.number, Scaling::Input1Type.number, Scaling::Input1Decimals.number,
    Scaling::Input2Type.number, Scaling::Input2Decimals.number};

bool CutsLink(std::int32_t reg) { return kCommunication.contains(reg) || kNetwork.contains(reg); }

// When a register is written in a restore: values that depend on another register come after
// it, and what can cut the link comes last.
int RestoreStage(const ImageRegister& reg) {
    if (std::ranges::find(kScalingRegisters, reg.reg()) != std::end(kScalingRegisters)) return 0;
    if (kNetwork.contains(reg.reg())) return 6;
    if (kCommunication.contains(reg.reg())) return 7;
    switch (reg.area) {
        case ImageArea::Configuration:
            return 1;
        case ImageArea::CurveNumber:
            return 3;
        case ImageArea::ProgramParameters:
        case ImageArea::Segments:
            return 4;
        default:
            return 2;
    }
}

QString WriteFailure(const LinkReply& reply) {
    if (!reply.retried) return FailureText(reply);
    LinkReply last = reply;
    last.failure = reply.retryFailure;
    last.result = reply.retryResult;
    return FailureText(last);
}

}  // namespace

bool WriteConfirmed(const LinkReply& reply) {
    return (reply.retried ? reply.retryFailure : reply.failure) == LinkFailure::None;
}

ImageComparison::ImageComparison(ImageFile file, ControllerImage controller)
    : m_file(std::move(file)), m_controller(std::move(controller)), m_rows(m_file.image.size()) {
    compare();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].ticked = m_rows[i].differs && TickedInAdvance(ImageRegisters()[i].reg());
}

void ImageComparison::compare() {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].differs = m_file.image.raw(i) != m_controller.raw(i);
        if (!m_rows[i].differs) m_rows[i].ticked = false;
    }
}

void ImageComparison::setTicked(std::size_t index, bool ticked) {
    m_rows[index].ticked = ticked && m_rows[index].differs;
}

int ImageComparison::differenceCount() const {
    return static_cast<int>(std::ranges::count_if(m_rows, [](const Row& r) { return r.differs; }));
}

int ImageComparison::tickedCount() const {
    return static_cast<int>(std::ranges::count_if(m_rows, [](const Row& r) { return r.ticked; }));
}

int ImageComparison::restoredCount() const {
    return static_cast<int>(std::ranges::count_if(
        m_rows, [](const Row& r) { return !r.result.isEmpty() && !r.failed; }));
}

int ImageComparison::failedCount() const {
    return static_cast<int>(std::ranges::count_if(m_rows, [](const Row& r) { return r.failed; }));
}

bool ImageComparison::TickedInAdvance(std::int32_t reg) {
    return !CutsLink(reg) && reg != Run::CurveNumber.number;
}

std::vector<std::size_t> ImageComparison::restoreOrder() const {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].ticked) order.push_back(i);
    }
    const std::vector<ImageRegister>& map = ImageRegisters();
    std::ranges::stable_sort(order, {}, [&map](std::size_t i) { return RestoreStage(map[i]); });
    return order;
}

std::int32_t ImageComparison::targetCurve() const {
    const auto curve = ImageIndexOf(Run::CurveNumber.number);
    return m_rows[*curve].ticked ? m_file.image.curve() : m_controller.curve();
}

bool ImageComparison::curveTicked() const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].ticked && InCurveWindow(ImageRegisters()[i].reg())) return true;
    }
    return false;
}

bool ImageComparison::linkTicked() const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].ticked && CutsLink(ImageRegisters()[i].reg())) return true;
    }
    return false;
}

void ImageComparison::takeRestore(const std::vector<RestoreWrite>& writes,
                                  const std::optional<ControllerImage>& readBack,
                                  const QString& readFailure) {
    if (readBack) m_controller = *readBack;
    for (const RestoreWrite& write : writes) {
        Row& row = m_rows[write.index];
        const bool holdsFile = m_file.image.raw(write.index) == m_controller.raw(write.index);
        row.failed = !readBack || !holdsFile;
        if (!row.failed) {
            row.result = QStringLiteral("已恢复");
        } else if (!write.reply) {
            row.result = QStringLiteral("未写入：") + write.notSent;
        } else if (!WriteConfirmed(*write.reply)) {
            row.result = QStringLiteral("失败：") + WriteFailure(*write.reply);
        } else if (!readBack) {
            row.result = QStringLiteral("已写入，未能读回：") + readFailure;
        } else {
            row.result = QStringLiteral("已写入，读回值不同");
        }
    }
    if (readBack) compare();
}

}  // namespace vt
