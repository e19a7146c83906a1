#include "port_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "control_names.h"
#include "entry_text.h"
#include "port_directory.h"
#include "serial_names.h"
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
    : QWidget(parent), m_choice(state, connection), m_ports(ports) {
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
    auto* check = new QPushButton(QStringLiteral("端口诊断"));
    check->setObjectName(QStringLiteral("CommandPortCheck"));
    connect(check, &QPushButton::clicked, this,
            [this] { emit portCheckRequested(chosenSettings()); });
    portRow->addWidget(check);

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

void PortPanel::restore() { showSettings(m_choice.restore()); }

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
    m_device->setText(
        SerialNames::DeviceCaption(m_ports.devicePath(EntryCode(m_port->currentText()))));
}

ProbeSettings PortPanel::chosenSettings() const {
    return ProbeSettings{EntryCode(m_port->currentText()), EntryCode(m_baud->currentText()),
                         std::max(m_parity->checkedId(), 0), EntryCode(m_address->currentText())};
}

void PortPanel::openWithCurrentSettings() {
    const int checked = m_parity->checkedId();
    m_choice.open(PanelChoice{EntryCode(m_port->currentText()), EntryCode(m_baud->currentText()),
                              checked >= 0 ? std::optional<std::int32_t>(checked) : std::nullopt,
                              EntryCode(m_address->currentText())});
    emit portOpened();
}

void PortPanel::closePort() {
    m_choice.close();
    emit portClosed();
    for (TitledFrame* frame : m_frames) frame->setVisible(true);
}

}  // namespace vt
