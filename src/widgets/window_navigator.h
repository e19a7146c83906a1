#pragma once

namespace vt {

// The station's windows. The overview is the hub; every other window returns to it, except the
// history table and the journal of writes, which return to the history window.
enum class StationWindow {
    Overview,      // ssqx
    History,       // lsqx
    HistoryTable,  // TABLE1
    Tech,          // process program editor
    ALM1,          // alarm parameters
    PIDC,          // PID parameters
    CONFIG1,       // configuration
    FenzuPID,      // grouped PID
    Fenzuout1,     // grouped output limits
};

// The window flow, as the windows' buttons ask for it. Every step returns at once: nothing
// here waits for the link or the disk.
class WindowNavigator {
  public:
    virtual ~WindowNavigator() = default;

    // Hides the overview (its timers keep running) and shows the editor window.
    virtual void openEditor(StationWindow editor) = 0;
    // Unloads the editor and shows the overview again.
    virtual void returnFromEditor(StationWindow editor) = 0;
    // Unloads the overview and shows the history window.
    virtual void openHistory() = 0;
    // Unloads the history window and loads the overview afresh.
    virtual void returnFromHistory() = 0;
    // Hides the history window (keeping its state) and shows the history table.
    virtual void openHistoryTable() = 0;
    // Unloads the history table and shows the history window as it was left.
    virtual void returnFromHistoryTable() = 0;
    // Hides the history window (keeping its state) and shows the journal of writes.
    virtual void openJournal() = 0;
    // Unloads the journal and shows the history window as it was left.
    virtual void returnFromJournal() = 0;
    // Ends the station.
    virtual void exitStation() = 0;
    // Shows the batch records window "批次记录" over whatever is shown (a flow without batch
    // records does nothing).
    virtual void openBatchRecords() {}
};

}  // namespace vt
