#include "alarm_columns.h"

namespace vt {

QString AlarmTimeText(const QDateTime& time) {
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

const QStringList& HistoryCaptions() {
    static const QStringList captions{QStringLiteral("时间"), QStringLiteral("报警内容"),
                                      QStringLiteral("事件"), QStringLiteral("状态"),
                                      QStringLiteral("数值"), QStringLiteral("操作员"),
                                      QStringLiteral("备注"), QStringLiteral("次数")};
    return captions;
}

QString HistoryCellText(const AlarmTransition& t, int column) {
    switch (column) {
        case 0:
            return AlarmTimeText(t.time);
        case 1:
            return t.text;
        case 2:
            return t.kind == TransitionKind::Shelve
                       ? KindText(t.kind) + QStringLiteral("至") + AlarmTimeText(t.until)
                       : KindText(t.kind);
        case 3:
            return StateText(t.state);
        case 4:
            return t.value;
        case 5:
            return t.who;
        case 6:
            return t.comment;
        case 7:
            return QString::number(t.count);
    }
    return {};
}

const QStringList& ListCaptions() {
    static const QStringList captions{QStringLiteral("状态"),     QStringLiteral("报警时间"),
                                      QStringLiteral("报警内容"), QStringLiteral("数值"),
                                      QStringLiteral("确认人"),   QStringLiteral("确认时间")};
    return captions;
}

QString ListCellText(const StandingAlarm& a, int column) {
    switch (column) {
        case 0: {
            QString state = StateText(a.state);
            if (a.count > 1) state += QStringLiteral(" ×%1").arg(a.count);
            if (a.unknown) state += QStringLiteral("（状态未知）");
            return state;
        }
        case 1:
            return AlarmTimeText(a.raised);
        case 2:
            return a.text;
        case 3:
            return a.value;
        case 4:
            return a.ackBy;
        case 5:
            return AlarmTimeText(a.ackAt);
    }
    return {};
}

}  // namespace vt
