#pragma once

#include <QTimer>

#include "editor_window.h"
#include "parameter_rows.h"

namespace vt {

// The PID panel `PIDC`: the sixteen active PID parameters in three frames, each row with its
// current value, entry box and "DOWN". The values are the polling cycle's `PidParam`, shown
// every 800 ms; the panel itself only writes.
class PidWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit PidWindow(StationContext& context, QWidget* parent = nullptr);

    // One tick of the display timer: every row shows its entry of PidParam.
    void showValues();

  private:
    void buildLayout();
    void unload() override;

    ParameterRows m_rows;
    QTimer m_displayTimer;  // Timer1
};

}  // namespace vt
