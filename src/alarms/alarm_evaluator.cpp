#include "alarm_evaluator.h"

#include <span>

#include "config_lists.h"
#include "parameter.h"

namespace vt {

namespace {

constexpr std::array<AlarmSource, 4> kInputFaults{AlarmSource::Pv1Open, AlarmSource::Pv1Short,
                                                  AlarmSource::Pv2Open, AlarmSource::Pv2Short};
constexpr std::size_t kFirstFaultBit = 4;

}  // namespace

QString AlarmEvaluator::AlarmName(int alarm, int type) {
    const OptionList types =
        alarm == 1 ? OptionList(config_lists::kAlarm1Type) : OptionList(config_lists::kAlarm2Type);
    if (type <= 0 || type >= static_cast<int>(types.size())) {
        return SourceText(alarm == 1 ? AlarmSource::Alarm1 : AlarmSource::Alarm2);
    }
    return QString::fromUtf8(types[static_cast<std::size_t>(type)].shown);
}

bool DiskRoomShort(const DiskRoom& room) {
    if (room.totalBytes <= 0) return false;
    return room.freeBytes < AlarmEvaluator::kMinFreeBytes ||
           static_cast<double>(room.freeBytes) <
               AlarmEvaluator::kMinFreeShare * static_cast<double>(room.totalBytes);
}

QString DiskRoomText(const DiskRoom& room) {
    return QStringLiteral("%1 MB").arg(room.freeBytes / 1'000'000);
}

// The texts are only made when the condition changes: most ticks change nothing.
template <typename Describe>
void AlarmEvaluator::set(Transitions& out, AlarmSource source, bool active, const QDateTime& now,
                         Describe describe) {
    if (m_book.isActive(source) == active && !m_book.alarm(source).unknown) return;
    const auto [text, value] = describe();
    for (AlarmTransition& t : m_book.setCondition(source, active, text, value, now))
        out.push_back(std::move(t));
}

Transitions AlarmEvaluator::evaluate(const AlarmInputs& in) {
    Transitions out = m_book.expireShelves(in.now);
    evaluateController(out, in);
    evaluateStation(out, in);
    return out;
}

void AlarmEvaluator::evaluateController(Transitions& out, const AlarmInputs& in) {
    if (!in.linkUp) {
        m_book.setControllerUnknown(true);
        return;
    }
    const auto controller = [&](AlarmSource source, bool active, auto name) {
        set(out, source, active, in.now, [&] { return std::pair(name(), in.pvText); });
    };
    controller(AlarmSource::Alarm1, in.inputBits[0], [&] { return AlarmName(1, in.alarm1Type); });
    controller(AlarmSource::Alarm2, in.inputBits[1], [&] { return AlarmName(2, in.alarm2Type); });
    for (std::size_t k = 0; k < kInputFaults.size(); ++k) {
        controller(kInputFaults[k], in.inputBits[kFirstFaultBit + k],
                   [&] { return SourceText(kInputFaults[k]); });
    }
}

void AlarmEvaluator::evaluateStation(Transitions& out, const AlarmInputs& in) {
    const auto station = [&](AlarmSource source, bool active, auto value) {
        set(out, source, active, in.now, [&] { return std::pair(SourceText(source), value()); });
    };
    const auto none = [] { return QString(); };
    station(AlarmSource::LinkLost, in.linkDown, [&] { return in.linkReason; });
    station(AlarmSource::DatabaseWrite, in.databaseWritesFail, none);
    if (in.recordsUsable) station(AlarmSource::RecordsFile, !*in.recordsUsable, none);
    if (in.disk) {
        station(AlarmSource::DiskSpace, DiskRoomShort(*in.disk),
                [&] { return DiskRoomText(*in.disk); });
    }
    station(AlarmSource::DatabaseRebuilt, false, none);
    station(AlarmSource::ClockBack, clockWentBack(in.now.toMSecsSinceEpoch()),
            [&] { return in.now.toString(Qt::ISODate); });
}

bool AlarmEvaluator::clockWentBack(qint64 nowMs) {
    const bool back = m_latestMs && *m_latestMs - nowMs > kClockBackMs;
    if (!m_latestMs || nowMs > *m_latestMs || back) m_latestMs = nowMs;
    return back;
}

Transitions AlarmEvaluator::databaseRebuilt(const QString& keptFile, const QDateTime& now) {
    return m_book.setCondition(AlarmSource::DatabaseRebuilt, true,
                               SourceText(AlarmSource::DatabaseRebuilt), keptFile, now);
}

}  // namespace vt
