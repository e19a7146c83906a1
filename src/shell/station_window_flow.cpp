#include "station_window_flow.h"

#include <QScreen>

#include "batch_archives.h"
#include "batch_window.h"
#include "editor_descriptors.h"
#include "guarded_window.h"
#include "history_table_window.h"
#include "history_window.h"
#include "journal_window.h"
#include "overview_window.h"

namespace vt {

StationWindowFlow::StationWindowFlow(ControllerState& state, ControllerLink& link,
                                     PollingCycle& polling, LinkConnection& connection,
                                     const PortDirectory& ports, const QString& databasePath,
                                     QObject* parent)
    : QObject(parent), m_context{state, link,         polling, connection,
                                 ports, databasePath, *this,   EditorDescriptors()} {}

StationWindowFlow::~StationWindowFlow() {
    for (QWidget* window : std::initializer_list<QWidget*>{m_batches, m_editor, m_journal,
                                                           m_historyTable, m_history, m_overview}) {
        delete window;
    }
}

OverviewWindow* StationWindowFlow::showOverview() {
    if (!m_overview) {
        m_overview = new OverviewWindow(m_context);
        emit overviewMade(m_overview);
    }
    ShowFullSize(m_overview);
    return m_overview;
}

OverviewWindow* StationWindowFlow::overview() const { return m_overview; }
HistoryWindow* StationWindowFlow::history() const { return m_history; }
HistoryTableWindow* StationWindowFlow::historyTable() const { return m_historyTable; }
JournalWindow* StationWindowFlow::journal() const { return m_journal; }
GuardedWindow* StationWindowFlow::editor() const { return m_editor; }

// Maximised, and sized to the screen for desktops without a window manager to do it.
void StationWindowFlow::ShowFullSize(QWidget* window) {
    if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    window->raise();
    window->activateWindow();
}

void StationWindowFlow::Unload(QWidget* window) {
    if (!window) return;
    window->hide();
    window->deleteLater();
}

void StationWindowFlow::openEditor(StationWindow editor) {
    if (m_overview) m_overview->hide();
    Unload(m_editor);
    m_editor = MakeEditor(editor, m_context);
    if (m_editor) m_editor->show();
}

void StationWindowFlow::returnFromEditor(StationWindow) {
    Unload(m_editor);
    showOverview();
}

void StationWindowFlow::openHistory() {
    Unload(m_overview);
    m_overview = nullptr;
    if (!m_history) {
        m_history = new HistoryWindow(m_context);
        m_history->setArchives(m_archives.get());
    }
    ShowFullSize(m_history);
}

void StationWindowFlow::returnFromHistory() {
    Unload(m_history);
    m_history = nullptr;
    showOverview();
}

template <typename Window>
void StationWindowFlow::openOverHistory(QPointer<Window>& window) {
    if (m_history) m_history->hide();
    Unload(window);
    window = new Window(m_context);
    window->show();
}

template <typename Window>
void StationWindowFlow::returnToHistory(QPointer<Window>& window) {
    Unload(window);
    window = nullptr;
    if (m_history) ShowFullSize(m_history);
}

void StationWindowFlow::openHistoryTable() { openOverHistory(m_historyTable); }
void StationWindowFlow::returnFromHistoryTable() { returnToHistory(m_historyTable); }
void StationWindowFlow::openJournal() { openOverHistory(m_journal); }
void StationWindowFlow::returnFromJournal() { returnToHistory(m_journal); }

void StationWindowFlow::exitStation() { emit exitRequested(); }

BatchWindow* StationWindowFlow::batchWindow() const { return m_batches; }

void StationWindowFlow::setRecorder(BatchRecorder* recorder) {
    m_recorder = recorder;
    m_archives = recorder ? std::make_unique<BatchArchives>(*recorder) : nullptr;
}

// The batch window stands beside the hub-and-spoke flow: it opens over whatever is shown and
// its "返回" closes it.
void StationWindowFlow::openBatchRecords() {
    if (!m_recorder) return;
    if (!m_batches) {
        m_batches = new BatchWindow(*m_recorder);
        m_batches->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_batches->show();
    m_batches->raise();
    m_batches->activateWindow();
}

}  // namespace vt
