#include "port_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "control_names.h"
#include "entry_text.h"
#include "link_connection.h"
#include "port_directory.h"
#include "saved_link_settings.h"
#include "titled_frame.h"

namespace vt {

namespace {

QStringList BaudItems() {
    return {QStringLiteral("0:4800 BPS"),    QStringLiteral("1:9600 BPS"),
            QStringLiteral("2:19200 BPS"),   QStringLiteral("3: 38400 BPS"),
            QStringLiteral("4: 57600 BPS"),  QStringLiteral("5: 115200 BPS"),
            QStringLiteral("6: 230400 BPS"), QStringLiteral("7: 460800 BPS"),
            QStringLiteral("8: 921600 BPS")};
}

void SelectItem(QComboBox* combo, int index) {
    if (index >= 0 && index < combo->count()) combo->setCurrentIndex(index);
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

PortPanel::PortPanel(ControllerState& state, LinkConnection& connection, const PortDirectory& ports,
                     QWidget* parent)
    : QWidget(parent), m_state(state), m_connection(connection), m_ports(ports) {
    setObjectName(QStringLiteral("PortPanel"));
    buildLayout();
    fillSelectors();
}

QComboBox* PortPanel::makeCombo(const QString& name, const QStringList& items) {
    auto* combo = new QComboBox;
    NameCaptionlessControl(combo, name);
    combo->addItems(items);
    return combo;
}

void PortPanel::buildLayout() {
    m_port = makeCombo(QStringLiteral("Combo1"), {});
    m_baud = makeCombo(QStringLiteral("Combo5"), {});
    m_address = makeCombo(QStringLiteral("Combo2"), {});
    m_device = new QLabel;
    NameCaptionlessControl(m_device, QStringLiteral("PortDevice"));
    connect(m_port, &QComboBox::currentIndexChanged, this, &PortPanel::showDevice);

    m_frames[0] = new TitledFrame(QStringLiteral("FramePort"), QStringLiteral("Port selection"));
    QHBoxLayout* portRow = m_frames[0]->body();
    portRow->addWidget(Caption(QStringLiteral("端口"), m_port));
    portRow->addWidget(m_port);
    portRow->addWidget(m_device);

    m_frames[1] = new TitledFrame(QStringLiteral("FrameBaud"), QStringLiteral("Baud Rate"));
    QHBoxLayout* baudRow = m_frames[1]->body();
    baudRow->addWidget(Caption(QStringLiteral("波特率"), m_baud));
    baudRow->addWidget(m_baud);

    m_frames[2] =
        new TitledFrame(QStringLiteral("Frame5_0"), QStringLiteral("\nVerification mode"));
    QHBoxLayout* parityRow = m_frames[2]->body();
    m_parity = new QButtonGroup(this);
    const QString parityTexts[] = {QStringLiteral("无校验"), QStringLiteral("奇校验"),
                                   QStringLiteral("偶校验")};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(parityTexts[i]);
        option->setObjectName(QStringLiteral("Option2_%1").arg(i));
        m_parity->addButton(option, i);
        parityRow->addWidget(option);
    }

    m_frames[3] = new TitledFrame(QStringLiteral("Frame5_1"), QStringLiteral("\nModule address"));
    QHBoxLayout* addressRow = m_frames[3]->body();
    addressRow->addWidget(Caption(QStringLiteral("站地址"), m_address));
    addressRow->addWidget(m_address);

    auto* open = new QPushButton(QStringLiteral("打开"));
    open->setObjectName(QStringLiteral("Command9"));
    connect(open, &QPushButton::clicked, this, &PortPanel::openWithCurrentSettings);
    setFocusProxy(open);
    auto* close = new QPushButton(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("Command10"));
    connect(close, &QPushButton::clicked, this, &PortPanel::closePort);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (TitledFrame* frame : m_frames) row->addWidget(frame);
    row->addWidget(open);
    row->addWidget(close);
}

void PortPanel::fillSelectors() {
    m_baud->addItems(BaudItems());
    m_port->addItems(NumberedEntries(PortDirectory::kFirstPort, PortDirectory::kLastPort));
    m_address->addItems(NumberedEntries(1, 16));
    showDevice();
}

void PortPanel::restore() {
    const std::optional<SavedLink> saved = m_saved ? m_saved->restore() : std::nullopt;
    auto& settings = m_state.LinkSettings;
    if (m_connection.isOpen()) {
        // The running link keeps its settings; the panel shows the saved ones, or the active
        // ones when nothing is saved.
        showSettings(saved.value_or(SavedLink{settings[PortNumber] - 1, settings[BaudCode],
                                              settings[ParityCode], settings[SlaveAddress] - 1}));
        return;
    }
    if (saved) {
        // Until the next "打开" the port and address slots hold list indices.
        settings[PortNumber] = saved->portIndex;
        settings[BaudCode] = saved->baudCode;
        settings[ParityCode] = saved->parityCode;
        settings[SlaveAddress] = saved->addressIndex;
    }
    showSettings(SavedLink{settings[PortNumber], settings[BaudCode], settings[ParityCode],
                           settings[SlaveAddress]});
}

void PortPanel::showSettings(const SavedLink& indices) {
    SelectItem(m_baud, indices.baudCode);
    SelectItem(m_port, indices.portIndex);
    selectParity(indices.parityCode);
    SelectItem(m_address, indices.addressIndex);
}

void PortPanel::selectParity(int code) {
    if (QAbstractButton* option = m_parity->button(code)) {
        option->setChecked(true);
        return;
    }
    // An unknown code selects no option; "打开" then keeps the parity code it has.
    m_parity->setExclusive(false);
    for (QAbstractButton* option : m_parity->buttons()) option->setChecked(false);
    m_parity->setExclusive(true);
}

void PortPanel::showDevice() {
    m_device->setText(m_ports.devicePath(EntryCode(m_port->currentText())));
}

void PortPanel::openWithCurrentSettings() {
    const std::int32_t port = EntryCode(m_port->currentText());
    const std::int32_t baud = EntryCode(m_baud->currentText());
    const int checked = m_parity->checkedId();
    const std::int32_t parity = checked >= 0 ? checked : m_state.LinkSettings[ParityCode];
    const std::int32_t address = EntryCode(m_address->currentText());
    m_connection.open(port, baud, parity, address);
    if (m_saved) m_saved->save(port, baud, parity, address);
    emit portOpened();
}

void PortPanel::closePort() {
    m_connection.close();
    emit portClosed();
    for (TitledFrame* frame : m_frames) frame->setVisible(true);
}

}  // namespace vt
