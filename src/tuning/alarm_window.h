#pragma once

#include <span>

#include "block_read.h"
#include "editor_window.h"
#include "parameter_rows.h"

namespace vt {

// The alarm panel `ALM1`: the eight alarm settings in the frames "ALARM1", "ALARM2" and
// "加热器断线报警", read by the panel itself (registers 257..272 every 500 ms). A row has no
// button: a value the operator typed is written when its box loses the focus.
class AlarmWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit AlarmWindow(StationContext& context, QWidget* parent = nullptr);

    PeriodicRead& reads() { return m_read; }

  private:
    void buildLayout();
    void showRead(const LinkReply& reply);
    void showUnconverted(std::span<const std::int32_t> block);
    void unload() override;

    ParameterRows m_rows;
    PeriodicRead m_read;    // Timer1, after the read on opening
    bool m_opened = false;  // the read on opening has come back
};

}  // namespace vt
