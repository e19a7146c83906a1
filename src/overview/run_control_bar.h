#pragma once

#include <QObject>
#include <array>

#include "run_control.h"

class QComboBox;
class QPushButton;

namespace vt {

class ControllerLink;
class EntryBox;

// The run-control widgets of the overview and what they do (RunControl's jobs, sent through the
// link): three set-value entries with their write buttons, five coil toggles and three program
// selectors with their buttons. The controls are children of `owner`, the window whose layout
// places them among its readouts.
class RunControlBar : public QObject {
    Q_OBJECT
  public:
    RunControlBar(ControllerState& state, ControllerLink& link, QWidget* owner);

    EntryBox* entry(RunEntry which) const { return m_entries[Slot(which)]; }
    QPushButton* writeButton(RunEntry which) const { return m_writeButtons[Slot(which)]; }
    QPushButton* toggleButton(RunToggle which) const {
        return m_toggles[static_cast<std::size_t>(which)];
    }
    QComboBox* selector(ProgramSelector which) const {
        return m_selectors[static_cast<std::size_t>(which)];
    }
    QPushButton* selectorButton(ProgramSelector which) const {
        return m_selectorButtons[static_cast<std::size_t>(which)];
    }

    // Fills the selectors with their entries, each showing its first one, and hides the three
    // write buttons: the state of a freshly opened overview.
    void load();

  private:
    static std::size_t Slot(RunEntry which) { return static_cast<std::size_t>(which) - 1; }

    void makeEntries(QWidget* owner);
    void makeToggles(QWidget* owner);
    void makeSelectors(QWidget* owner);
    void writeEntry(RunEntry which);
    // Sends `job` with the journal's note naming this window and the button pressed.
    void send(LinkJob job, const QPushButton* button);

    RunControl m_control;
    ControllerLink& m_link;
    QWidget* m_owner;
    std::array<EntryBox*, 3> m_entries{};
    std::array<QPushButton*, 3> m_writeButtons{};
    std::array<QPushButton*, 5> m_toggles{};
    std::array<QComboBox*, 3> m_selectors{};
    std::array<QPushButton*, 3> m_selectorButtons{};
};

}  // namespace vt
