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

void AlarmEvaluator::set(Transitions& out, AlarmSource source, bool active, const QString& text,
                         const QString& value, const QDateTime& now) {
    if (m_book.isActive(source) == active && !m_book.alarm(source).unknown) return;
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
    set(out, AlarmSource::Alarm1, in.inputBits[0], AlarmName(1, in.alarm1Type), in.pvText, in.now);
    set(out, AlarmSource::Alarm2, in.inputBits[1], AlarmName(2, in.alarm2Type), in.pvText, in.now);
    for (std::size_t k = 0; k < kInputFaults.size(); ++k) {
        set(out, kInputFaults[k], in.inputBits[kFirstFaultBit + k], SourceText(kInputFaults[k]),
            in.pvText, in.now);
    }
}

void AlarmEvaluator::evaluateStation(Transitions& out, const AlarmInputs& in) {
    const auto station = [&](AlarmSource source, bool active, const QString& value) {
        set(out, source, active, SourceText(source), value, in.now);
    };
    station(AlarmSource::LinkLost, in.linkDown, in.linkReason);
    station(AlarmSource::DatabaseWrite, in.databaseWritesFail, {});
    if (in.recordsUsable) station(AlarmSource::RecordsFile, !*in.recordsUsable, {});
    if (in.disk) station(AlarmSource::DiskSpace, DiskRoomShort(*in.disk), DiskRoomText(*in.disk));
    station(AlarmSource::DatabaseRebuilt, false, {});
    const bool back = clockWentBack(in.now);
    station(AlarmSource::ClockBack, back, back ? in.now.toString(Qt::ISODate) : QString());
}

bool AlarmEvaluator::clockWentBack(const QDateTime& now) {
    const bool back = m_latest.isValid() && now.msecsTo(m_latest) > kClockBackMs;
    if (!m_latest.isValid() || now > m_latest || back) m_latest = now;
    return back;
}

Transitions AlarmEvaluator::databaseRebuilt(const QString& keptFile, const QDateTime& now) {
    return m_book.setCondition(AlarmSource::DatabaseRebuilt, true,
                               SourceText(AlarmSource::DatabaseRebuilt), keptFile, now);
}

}  // namespace vt
