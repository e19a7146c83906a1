#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "station_context.h"
#include "window_navigator.h"

namespace vt {

class GuardedWindow;
class OverviewWindow;
class HistoryWindow;
class HistoryTableWindow;
class JournalWindow;
class BatchRecorder;
class BatchWindow;
class BatchArchives;

// The hub-and-spoke window flow of the running station: it makes, shows, hides and unloads
// the windows as their buttons ask. Unloading is deferred to the event loop, so a window may
// ask for its own unload from inside one of its handlers.
class StationWindowFlow : public QObject, public WindowNavigator {
    Q_OBJECT
    Q_MOC_INCLUDE("overview_window.h")
  public:
    StationWindowFlow(ControllerState& state, ControllerLink& link, PollingCycle& polling,
                      LinkConnection& connection, const PortDirectory& ports,
                      const QString& databasePath, QObject* parent = nullptr);
    ~StationWindowFlow() override;

    // The plant link the overview shows the state of; none without --mqtt.
    void setPlantLink(PlantLink* plant) { m_context.plant = plant; }

    // Loads and shows the overview (the end of the start-up).
    OverviewWindow* showOverview();

    OverviewWindow* overview() const;
    HistoryWindow* history() const;
    HistoryTableWindow* historyTable() const;
    JournalWindow* journal() const;
    GuardedWindow* editor() const;

    void openEditor(StationWindow editor) override;
    void returnFromEditor(StationWindow editor) override;
    void openHistory() override;
    void returnFromHistory() override;
    void openHistoryTable() override;
    void returnFromHistoryTable() override;
    void openJournal() override;
    void returnFromJournal() override;
    void exitStation() override;
    void openBatchRecords() override;

    // The station's batch records, for the batch window and the history report.
    void setRecorder(BatchRecorder* recorder);
    BatchWindow* batchWindow() const;

  signals:
    void exitRequested();
    // A new overview was made (at start-up and on every return from the history window).
    void overviewMade(vt::OverviewWindow* overview);

  private:
    static void ShowFullSize(QWidget* window);
    static void Unload(QWidget* window);
    // A window the history window hides behind (the history table, the journal), and the way
    // back from it to the history window as it was left.
    template <typename Window>
    void openOverHistory(QPointer<Window>& window);
    template <typename Window>
    void returnToHistory(QPointer<Window>& window);

    StationContext m_context;
    QPointer<OverviewWindow> m_overview;
    QPointer<HistoryWindow> m_history;
    QPointer<HistoryTableWindow> m_historyTable;
    QPointer<JournalWindow> m_journal;
    QPointer<GuardedWindow> m_editor;
    BatchRecorder* m_recorder = nullptr;
    std::unique_ptr<BatchArchives> m_archives;
    QPointer<BatchWindow> m_batches;
};

}  // namespace vt
