#pragma once

#include "block_read.h"
#include "editor_window.h"
#include "parameter_rows.h"

class QBoxLayout;

namespace vt {

// The configuration window `CONFIG1`: every row of the configuration block on twelve tabs and
// the network block beside them. Once a second it reads the block in four parts and shows each
// part's rows the moment that part comes in; a part that fails leaves its rows as they were.
// DOWN writes one parameter; a write that changes the input scaling has the scaling settings
// read again at once, so every window converts by the new setting from then on. Below the
// network block is a place for commands that work on the whole controller, which the window does
// not know: whoever builds the window puts them there.
class ConfigWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit ConfigWindow(StationContext& context, QWidget* parent = nullptr);

    // The read-and-show cycle (`Timer1`), for tests and benchmarks to watch.
    PeriodicRead& readCycle() { return m_read; }
    // Where commands are placed, below the network block and above the return button.
    QBoxLayout* commandPlace() const { return m_commandPlace; }

  private:
    void addRows();
    void buildLayout();
    void afterWrite(const Parameter& parameter);
    void unload() override;

    ParameterRows m_rows;
    PeriodicRead m_read;
    QBoxLayout* m_commandPlace = nullptr;
};

}  // namespace vt
