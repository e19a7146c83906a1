#pragma once

#include <QWidget>

#include "port_probe.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace vt {

class ControllerLink;

// "端口诊断": what stands between the station and the chosen serial port (device and link,
// owner, group and mode, this user's access, other holders, ModemManager) and one test read of
// the controller at the chosen settings. The findings are PortDiagnosis's; this only shows them.
class PortCheckWindow : public QWidget {
    Q_OBJECT
  public:
    PortCheckWindow(ControllerLink& link, const QString& device, const ProbeSettings& settings,
                    bool portOpen, QWidget* parent = nullptr);

    // Looks again and starts a new test read.
    void recheck();
    // The probe's last result text (empty while it runs).
    QString probeText() const;

  signals:
    void probeFinished();

  private:
    void showFindings();
    void showProbe(const ProbeResult& result);
    QLabel* addRow(int row, const QString& caption, const QString& finding, bool ok);

    PortProbe m_probe;
    QString m_device;
    ProbeSettings m_settings;
    bool m_portOpen;
    QGridLayout* m_grid = nullptr;
    QLabel* m_remedies = nullptr;
    QLabel* m_probeResult = nullptr;
    QPushButton* m_recheck = nullptr;
};

}  // namespace vt
