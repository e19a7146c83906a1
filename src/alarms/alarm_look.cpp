#include "alarm_look.h"

namespace vt {

QColor StateColour(AlarmState state) {
    switch (state) {
        case AlarmState::ActiveUnack:
        case AlarmState::ActiveAck:
            return QColor(0xd0, 0x20, 0x20);
        case AlarmState::ClearedUnack:
            return QColor(0xf0, 0xd0, 0x30);
        case AlarmState::Shelved:
            return QColor(0xa8, 0xa8, 0xa8);
        case AlarmState::Normal:
            break;
    }
    return {};
}

bool StateFlashes(AlarmState state) { return state == AlarmState::ActiveUnack; }

BannerLook BannerOf(const AlarmBook& book) {
    const auto standing = book.standing();
    const int unacknowledged = book.unacknowledgedCount();
    for (const StandingAlarm* a : standing) {
        if (!a->unacknowledged()) continue;
        QString text = a->raised.toString(QStringLiteral("HH:mm:ss ")) + a->text;
        if (unacknowledged > 1) text += QStringLiteral("（共%1条未确认）").arg(unacknowledged);
        return {text, a->state};
    }
    if (!standing.empty()) {
        return {QStringLiteral("%1条报警").arg(standing.size()), standing.front()->state};
    }
    return {QStringLiteral("无报警"), AlarmState::Normal};
}

}  // namespace vt
