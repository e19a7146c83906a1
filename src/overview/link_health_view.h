#pragma once

#include <QWidget>

#include "link_failure.h"

class QLabel;

namespace vt {

class LinkConnection;
class PollingCycle;

// How the link is doing, for the operator: "通讯中断" on a warning colour while the port is
// closed or when any block of the last polling tick got no valid answer (its values are then
// stale), "通讯正常" otherwise; beside it why the link is interrupted, in a few words (with the
// remedy in its tooltip where there is one), and the number of blocks that failed since the
// port was opened.
class LinkHealthView : public QWidget {
    Q_OBJECT
  public:
    LinkHealthView(PollingCycle& polling, LinkConnection& connection, QWidget* parent = nullptr);

    static QColor WarningColour() { return {255, 96, 96}; }
    static QColor HealthyColour() { return {160, 255, 160}; }

    // The reason shown beside "通讯中断", and the hint in its tooltip (empty when none).
    static QString ReasonText(LinkFailure reason);
    static QString ReasonHint(LinkFailure reason);

  private:
    void showTick(int failedBlocks);
    void showState(bool healthy, LinkFailure reason);

    PollingCycle& m_polling;
    QLabel* m_state = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_failures = nullptr;
};

}  // namespace vt
