#pragma once

#include <QFrame>
#include <span>

#include "editor_descriptor.h"
#include "window_navigator.h"

class QPushButton;

namespace vt {

// The overview's navigation bar (Frame11): one button per editor window's descriptor, "历史记录"
// and "退出".
// Editor buttons go straight to the window flow; history and exit are the overview's to handle,
// since it must let go of its own resources first.
class NavigationBar : public QFrame {
    Q_OBJECT
  public:
    NavigationBar(WindowNavigator& navigator, std::span<const EditorDescriptor> editors,
                  QWidget* parent = nullptr);

    // "系统配置" and "参数校准" follow the port: enabled by "打开", disabled by "关闭".
    void setSystemButtonsEnabled(bool enabled);

  signals:
    void historyRequested();
    void exitRequested();

  private:
    QPushButton* addButton(const QString& name, const QString& caption);

    QPushButton* m_config = nullptr;       // Command21
    QPushButton* m_calibration = nullptr;  // Command23
};

}  // namespace vt
