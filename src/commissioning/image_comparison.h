#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "controller_image.h"
#include "link_job.h"

namespace vt {

// One register of a restore and what came back; no reply when it was not sent, and why.
struct RestoreWrite {
    std::size_t index;  // in ImageRegisters()
    std::optional<LinkReply> reply;
    QString notSent;
};

// Whether the controller confirmed a write: its last attempt (the second one when the retry
// rule sent it again) was answered.
bool WriteConfirmed(const LinkReply& reply);

// An image file set against the controller, register by register: which registers differ,
// which of them the operator ticked for a restore, and after a restore what became of each
// ticked register. No widgets: the compare window shows it, tests drive it directly.
class ImageComparison {
  public:
    ImageComparison(ImageFile file, ControllerImage controller);

    const ImageFile& file() const { return m_file; }
    const ControllerImage& controller() const { return m_controller; }
    std::size_t size() const { return m_rows.size(); }

    bool differs(std::size_t index) const { return m_rows[index].differs; }
    bool ticked(std::size_t index) const { return m_rows[index].ticked; }
    // Only a register that differs can be ticked.
    void setTicked(std::size_t index, bool ticked);
    int differenceCount() const;
    int tickedCount() const;

    // After a restore, what became of a ticked register ("已恢复", "失败：无应答", ...), and
    // whether it did not end up holding the file's value.
    const QString& result(std::size_t index) const { return m_rows[index].result; }
    bool failed(std::size_t index) const { return m_rows[index].failed; }
    // Registers the last restore wrote: how many now hold the file's value, how many do not.
    int restoredCount() const;
    int failedCount() const;

    // Whether a difference in `reg` is ticked when the list is made: every one except the
    // communication settings and the network block (restoring them can cut the link) and the
    // current curve number (the segments go into the controller's current curve).
    static bool TickedInAdvance(std::int32_t reg);

    // The ticked registers in the order a restore writes them: the input scaling first, then the
    // rest of the configuration, the tuning tables, the curve number, the current curve's
    // parameters and segments, and last the network block and the communication settings.
    std::vector<std::size_t> restoreOrder() const;
    // The curve the ticked program registers go into: the file's when its curve number is
    // ticked (it is written before them), else the controller's current one.
    std::int32_t targetCurve() const;
    // Whether any ticked register belongs to the current curve's window.
    bool curveTicked() const;
    // Whether a ticked register can cut the link (communication settings, network block).
    bool linkTicked() const;

    // Takes the outcome of a restore: each write's reply and the controller as read back
    // afterwards, or why that read failed. The controller's values become the ones read back;
    // registers that now hold the file's value are unticked.
    void takeRestore(const std::vector<RestoreWrite>& writes,
                     const std::optional<ControllerImage>& readBack, const QString& readFailure);

  private:
    struct Row {
        bool differs = false;
        bool ticked = false;
        bool failed = false;
        QString result;
    };
    void compare();

    ImageFile m_file;
    ControllerImage m_controller;
    std::vector<Row> m_rows;
};

}  // namespace vt
