#include "alarm_types.h"

namespace vt {

bool IsControllerAlarm(AlarmSource source) { return source <= AlarmSource::Pv2Short; }

QString SourceText(AlarmSource source) {
    switch (source) {
        case AlarmSource::Alarm1:
            return QStringLiteral("报警一");
        case AlarmSource::Alarm2:
            return QStringLiteral("报警二");
        case AlarmSource::Pv1Open:
            return QStringLiteral("PV1开路");
        case AlarmSource::Pv1Short:
            return QStringLiteral("PV1短路");
        case AlarmSource::Pv2Open:
            return QStringLiteral("PV2开路");
        case AlarmSource::Pv2Short:
            return QStringLiteral("PV2短路");
        case AlarmSource::LinkLost:
            return QStringLiteral("通讯中断");
        case AlarmSource::DatabaseWrite:
            return QStringLiteral("数据库写入失败");
        case AlarmSource::RecordsFile:
            return QStringLiteral("记录文件不可用");
        case AlarmSource::DiskSpace:
            return QStringLiteral("磁盘空间不足");
        case AlarmSource::ClockBack:
            return QStringLiteral("系统时钟回拨");
        case AlarmSource::DatabaseRebuilt:
            return QStringLiteral("数据库已重建");
    }
    return {};
}

QString StateText(AlarmState state) {
    switch (state) {
        case AlarmState::Normal:
            return QStringLiteral("正常");
        case AlarmState::ActiveUnack:
            return QStringLiteral("报警未确认");
        case AlarmState::ActiveAck:
            return QStringLiteral("报警已确认");
        case AlarmState::ClearedUnack:
            return QStringLiteral("恢复未确认");
        case AlarmState::Shelved:
            return QStringLiteral("搁置");
    }
    return {};
}

QString KindText(TransitionKind kind) {
    switch (kind) {
        case TransitionKind::Raise:
            return QStringLiteral("报警");
        case TransitionKind::Clear:
            return QStringLiteral("恢复");
        case TransitionKind::Acknowledge:
            return QStringLiteral("确认");
        case TransitionKind::Shelve:
            return QStringLiteral("搁置");
        case TransitionKind::Return:
            return QStringLiteral("搁置结束");
    }
    return {};
}

}  // namespace vt
