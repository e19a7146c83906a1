#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

#include "image_comparison.h"

namespace vt {

class ControllerLink;

// Writes the ticked registers of a comparison to the controller, one after another in restore
// order, each with its own window's retry rule and a journal note naming `window`, the
// register's caption, the controller's value before and the file's value. A cancel sends
// nothing more once the write in flight is back; when the curve number was not written, nothing
// is written to the curve window, which would still show another curve.
class ImageRestorer : public QObject {
    Q_OBJECT
  public:
    ImageRestorer(ControllerLink& link, const ControllerState& state, QWidget* window);

    // Starts writing and returns at once; ignored while a restore runs.
    void start(const ImageComparison& comparison);
    void cancel() { m_cancelled = true; }
    bool running() const { return m_running; }

  signals:
    void progress(int written, int total);
    // Every ticked register, with the reply of its write (none for one never sent).
    void finished(const std::vector<vt::RestoreWrite>& writes);

  private:
    struct Planned {
        std::size_t index;
        std::int32_t value;
        JournalNote note;
    };
    void writeNext();
    void send(const Planned& write);

    ControllerLink& m_link;
    const ControllerState& m_state;
    QWidget* m_window;
    std::vector<Planned> m_plan;
    std::vector<RestoreWrite> m_writes;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_curveFailed = false;
};

}  // namespace vt
