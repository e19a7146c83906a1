#pragma once

#include <QString>

#include "link_failure.h"

namespace vt {

// The failure as the operator reads it beside "通讯中断" ("设备不存在", "端口被占用", ...); empty
// for no failure.
QString FailureText(LinkFailure failure);

}  // namespace vt
