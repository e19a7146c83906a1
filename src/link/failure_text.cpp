#include "failure_text.h"

namespace vt {

QString FailureText(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::None:
            return {};
        case LinkFailure::NoAnswer:
            return QStringLiteral("控制器无应答");
        case LinkFailure::Exception:
            return QStringLiteral("控制器拒绝请求");
        case LinkFailure::PortClosed:
            return QStringLiteral("端口未打开");
        case LinkFailure::Refused:
            return QStringLiteral("请求无效");
        case LinkFailure::NoDevice:
            return QStringLiteral("设备不存在");
        case LinkFailure::PermissionDenied:
            return QStringLiteral("无权访问端口");
        case LinkFailure::CannotOpen:
            return QStringLiteral("端口无法打开");
        case LinkFailure::PortLost:
            return QStringLiteral("端口读写错误");
        case LinkFailure::PortBusy:
            return QStringLiteral("端口被占用");
    }
    return {};
}

}  // namespace vt
