#include "config_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "config_catalogue.h"
#include "config_pages.h"
#include "control_names.h"
#include "poll_blocks.h"
#include "readout_label.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kReadIntervalMs = 1000;

// The block in four reads; each read's rows are shown when it comes back.
std::vector<ReadBlock> ConfigReads() { return {{4097, 32}, {4129, 32}, {4161, 32}, {4193, 16}}; }

constexpr auto kPlaceCount = static_cast<std::size_t>(ConfigPlace::Network) + 1;

RowNames NamesOf(const ConfigEntry& entry) {
    const QString list = entry.list ? QString::fromLatin1(entry.list) : QString();
    if (!entry.hasRegister()) return RowNames{QString(), list, QString()};
    return IndexedRowNames(entry.index(), list);
}

}  // namespace

ConfigWindow::ConfigWindow(StationContext& context, QWidget* parent)
    : EditorWindow(StationWindow::CONFIG1, context, parent),
      m_rows(context, this),
      m_read(context.link, context.state, ConfigReads(), kReadIntervalMs, this) {
    addRows();
    buildLayout();
    connect(&m_rows, &ParameterRows::writeQueued, this,
            [this](const Parameter& parameter) { afterWrite(parameter); });
    SetUpTimer(m_read.timer(), "Timer1", kReadIntervalMs);
    connect(&m_read, &PeriodicRead::blockValues, this,
            [this](std::int32_t first, const std::vector<std::int32_t>& values) {
                m_rows.showBlock(first, values);
            });
    m_read.start();
}

void ConfigWindow::addRows() {
    for (const ConfigEntry& entry : ConfigCatalogue()) {
        ParameterRow* row = m_rows.add(entry.parameter, NamesOf(entry));
        if (row->entry()) row->entry()->setText(QString::fromUtf8(entry.startText));
        // The row without a register shows no current value.
        if (!entry.hasRegister()) row->value()->hide();
    }
}

void ConfigWindow::buildLayout() {
    std::array<std::vector<ParameterRow*>, kPlaceCount> byPlace;
    const std::span<const ConfigEntry> catalogue = ConfigCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        byPlace[static_cast<std::size_t>(catalogue[i].place)].push_back(m_rows.rows()[i]);
    }
    auto* tabs = new QTabWidget;
    NameCaptionlessControl(tabs, QStringLiteral("SSTab2"));
    // Every tab caption stays in view: the window is never narrower than the twelve of them.
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 3px; }"));
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideNone);
    for (int k = 0; k < kConfigTabCount; ++k) {
        const ConfigTab& tab = ConfigTabs()[static_cast<std::size_t>(k)];
        tabs->addTab(ConfigTabPage(tab, k, byPlace[static_cast<std::size_t>(k)]),
                     QString::fromUtf8(tab.caption));
    }
    auto* frame = new QGroupBox(QStringLiteral("CONFIG"));
    (new QVBoxLayout(frame))->addWidget(tabs);

    auto* side = new QVBoxLayout;
    side->addWidget(NetworkBlock(byPlace.back()));
    side->addStretch(1);
    m_commandPlace = new QVBoxLayout;
    side->addLayout(m_commandPlace);
    side->addWidget(returnButton(), 0, Qt::AlignRight);

    auto* page = new QHBoxLayout(this);
    page->addWidget(frame, 1);
    page->addLayout(side);
}

void ConfigWindow::afterWrite(const Parameter& parameter) {
    if (!ChangesInputScaling(parameter.reg)) return;
    // Read after the write (both at operator priority, in order), decoded as the polling cycle
    // decodes it.
    const PollBlock& block = ConfigBlock();
    ReadBlocksOnce(m_context.link, m_context.state, {{block.first, block.count}}, this,
                   [this, apply = block.apply](const std::vector<LinkReply>& replies) {
                       if (replies.front().ok()) apply(m_context.state, replies.front().values);
                   });
}

void ConfigWindow::unload() { m_read.stop(); }

}  // namespace vt
