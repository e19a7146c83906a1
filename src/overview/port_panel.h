#pragma once

#include <QWidget>
#include <array>

#include "port_choice.h"
#include "port_probe.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

namespace vt {

class LinkConnection;
class PortDirectory;
class TitledFrame;

// The serial-port panel of the overview: port, baud rate, parity and module address, with
// "打开" and "关闭". It shows the device that the chosen port number stands for, with its stable
// /dev/serial/by-id name, and "端口诊断" for it; what the buttons do is PortChoice's.
class PortPanel : public QWidget {
    Q_OBJECT
  public:
    PortPanel(ControllerState& state, LinkConnection& connection, const PortDirectory& ports,
              QWidget* parent = nullptr);

    // Where "打开" saves the settings (the overview's own database connection); null: nowhere.
    void setSavedSettings(const SavedLinkSettings* saved) { m_choice.setSavedSettings(saved); }

    // Sets the selectors to the saved settings (PortChoice::restore).
    void restore();

    // "打开" with the panel's settings.
    void openWithCurrentSettings();
    // "关闭".
    void closePort();

  signals:
    void portOpened();  // enables the system buttons
    void portClosed();  // disables them
    // "端口诊断" with the panel's settings.
    void portCheckRequested(const vt::ProbeSettings& chosen);

  private:
    QComboBox* makeCombo(const QString& name, const QStringList& items);
    void buildLayout();
    void fillSelectors();
    void showSettings(const SavedLink& indices);
    void selectParity(int code);
    void showDevice();
    ProbeSettings chosenSettings() const;

    PortChoice m_choice;
    const PortDirectory& m_ports;
    QComboBox* m_port = nullptr;     // Combo1
    QComboBox* m_baud = nullptr;     // Combo5
    QComboBox* m_address = nullptr;  // Combo2
    QButtonGroup* m_parity = nullptr;
    QLabel* m_device = nullptr;
    std::array<TitledFrame*, 4> m_frames{};
};

}  // namespace vt
