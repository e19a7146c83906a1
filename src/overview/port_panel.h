#pragma once

#include <QWidget>
#include <array>

#include "controller_state.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

namespace vt {

class LinkConnection;
class PortDirectory;
class SavedLinkSettings;
class TitledFrame;
struct SavedLink;

// The serial-port panel of the overview: port, baud rate, parity and module address, with
// "打开" and "关闭". It shows the device that the chosen port number stands for.
class PortPanel : public QWidget {
    Q_OBJECT
  public:
    PortPanel(ControllerState& state, LinkConnection& connection, const PortDirectory& ports,
              QWidget* parent = nullptr);

    // Where "打开" saves the settings (the overview's own database connection); null: nowhere.
    void setSavedSettings(const SavedLinkSettings* saved) { m_saved = saved; }

    // Fills the selectors and sets them to the saved settings. While the port is closed the
    // saved list indices also go into the link settings, as the station always did; while it
    // is open the running link keeps its settings and only the panel changes.
    void restore();

    // "打开": takes the panel's settings into the link settings, opens the port (which starts
    // polling) and saves them.
    void openWithCurrentSettings();
    // "关闭": closes the port (which stops polling).
    void closePort();

  signals:
    void portOpened();  // enables the system buttons
    void portClosed();  // disables them

  private:
    QComboBox* makeCombo(const QString& name, const QStringList& items);
    void buildLayout();
    void fillSelectors();
    void showSettings(const SavedLink& indices);
    void selectParity(int code);
    void showDevice();

    ControllerState& m_state;
    LinkConnection& m_connection;
    const PortDirectory& m_ports;
    const SavedLinkSettings* m_saved = nullptr;
    QComboBox* m_port = nullptr;     // Combo1
    QComboBox* m_baud = nullptr;     // Combo5
    QComboBox* m_address = nullptr;  // Combo2
    QButtonGroup* m_parity = nullptr;
    QLabel* m_device = nullptr;
    std::array<TitledFrame*, 4> m_frames{};
};

}  // namespace vt
