#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <array>

namespace vt {

// Everything that can raise an alarm: the controller's (read from its discrete inputs) and the
// station's own.
enum class AlarmSource {
    Alarm1,   // discrete input 1, named by the configured type (4161)
    Alarm2,   // discrete input 2, named by the configured type (4162)
    Pv1Open,  // discrete inputs 5..8
    Pv1Short,
    Pv2Open,
    Pv2Short,
    LinkLost,         // 通讯中断
    DatabaseWrite,    // 数据库写入失败
    RecordsFile,      // 记录文件不可用
    DiskSpace,        // 磁盘空间不足
    ClockBack,        // 系统时钟回拨
    DatabaseRebuilt,  // 数据库已重建
};
inline constexpr int kAlarmSources = 12;
inline constexpr std::array<AlarmSource, kAlarmSources> kAllAlarmSources{
    AlarmSource::Alarm1,    AlarmSource::Alarm2,        AlarmSource::Pv1Open,
    AlarmSource::Pv1Short,  AlarmSource::Pv2Open,       AlarmSource::Pv2Short,
    AlarmSource::LinkLost,  AlarmSource::DatabaseWrite, AlarmSource::RecordsFile,
    AlarmSource::DiskSpace, AlarmSource::ClockBack,     AlarmSource::DatabaseRebuilt};

// The controller's alarms freeze while the link is down; the station's never do.
bool IsControllerAlarm(AlarmSource source);
// Fixed text of a source (the two configured alarms are named by their type instead).
QString SourceText(AlarmSource source);

// Where an alarm stands, as the list shows it.
enum class AlarmState {
    Normal,        // off the list
    ActiveUnack,   // red, flashing
    ActiveAck,     // red
    ClearedUnack,  // yellow
    Shelved,       // grey until its time is up
};

// What happened to an alarm; each is one row of the history.
enum class TransitionKind { Raise, Clear, Acknowledge, Shelve, Return };

QString StateText(AlarmState state);
QString KindText(TransitionKind kind);

// One recorded change of one alarm, as stored and as handed on (batches, the plant link).
struct AlarmTransition {
    qint64 id = 0;  // row of the store, 0 until stored
    QDateTime time;
    AlarmSource source = AlarmSource::Alarm1;
    TransitionKind kind = TransitionKind::Raise;
    AlarmState state = AlarmState::Normal;  // the state it left the alarm in
    QString text;
    QString value;  // the value at the time (PV1, the reason, the free space, the kept file)
    QString who;
    QString comment;
    int count = 1;     // raises since the alarm was last acknowledged
    QDateTime raised;  // when the alarm (first) came on
    QDateTime until;   // when a shelved alarm comes back
};

}  // namespace vt

Q_DECLARE_METATYPE(vt::AlarmTransition)
