#include "run_control_bar.h"

#include <QComboBox>
#include <QPushButton>

#include "control_names.h"
#include "controller_link.h"
#include "entry_box.h"
#include "entry_text.h"
#include "journal_note.h"
#include "named_button.h"

namespace vt {

RunControlBar::RunControlBar(ControllerState& state, ControllerLink& link, QWidget* owner)
    : QObject(owner), m_control(state), m_link(link), m_owner(owner) {
    makeEntries(owner);
    makeToggles(owner);
    makeSelectors(owner);
}

void RunControlBar::makeEntries(QWidget* owner) {
    struct EntrySpec {
        RunEntry entry;
        const char* button;
        QString caption;
    };
    const EntrySpec specs[] = {{RunEntry::Output, "Command25", QStringLiteral("OP")},
                               {RunEntry::SV1, "Command11", QStringLiteral("SV1")},
                               {RunEntry::SV2, "Command17", QStringLiteral("SV2")}};
    for (const EntrySpec& spec : specs) {
        const std::size_t slot = Slot(spec.entry);
        auto* box = new EntryBox(QStringLiteral("T_3RW_%1").arg(static_cast<int>(spec.entry)),
                                 EntryBox::LightYellow(), owner);
        QPushButton* button = NamedButton(QLatin1String(spec.button), spec.caption, owner);
        connect(box, &EntryBox::focusGained, button, &QWidget::show);
        connect(button, &QPushButton::clicked, this,
                [this, which = spec.entry] { writeEntry(which); });
        m_entries[slot] = box;
        m_writeButtons[slot] = button;
    }
}

void RunControlBar::makeToggles(QWidget* owner) {
    const std::pair<RunToggle, QString> specs[] = {
        {RunToggle::AutoManual, QStringLiteral("A/M")},
        {RunToggle::FixProgram, QStringLiteral("FIX/PROG")},
        {RunToggle::SvSelect, QStringLiteral("SV1/2")},
        {RunToggle::Standby, QStringLiteral("STBY")},
        {RunToggle::AutoTune, QStringLiteral("AT")}};
    for (const auto& [toggle, caption] : specs) {
        const int coil = RunControl::CoilIndex(toggle) + 1;
        QPushButton* button =
            NamedButton(QStringLiteral("CoilToggle_%1").arg(coil), caption, owner);
        connect(button, &QPushButton::clicked, this,
                [this, which = toggle, button] { send(m_control.toggle(which), button); });
        m_toggles[static_cast<std::size_t>(toggle)] = button;
    }
}

void RunControlBar::makeSelectors(QWidget* owner) {
    const std::tuple<ProgramSelector, const char*, QString> specs[] = {
        {ProgramSelector::Function, "Combo3", QStringLiteral("程序功能")},
        {ProgramSelector::Process, "Combo4", QStringLiteral("工艺选择")},
        {ProgramSelector::Jump, "Combo6", QStringLiteral("跳段选择")}};
    for (const auto& [which, name, caption] : specs) {
        auto* combo = new QComboBox(owner);
        NameCaptionlessControl(combo, QLatin1String(name));
        QPushButton* button =
            NamedButton(QStringLiteral("%1Write").arg(QLatin1String(name)), caption, owner);
        connect(button, &QPushButton::clicked, this, [this, which = which, combo, button] {
            send(m_control.programWrite(which, combo->currentText()), button);
        });
        m_selectors[static_cast<std::size_t>(which)] = combo;
        m_selectorButtons[static_cast<std::size_t>(which)] = button;
    }
}

void RunControlBar::load() {
    const QStringList functions = {QStringLiteral("0:停止 "), QStringLiteral("1:运行 "),
                                   QStringLiteral("2:暂停 "), QStringLiteral("4:结束 ")};
    const QStringList lists[] = {functions, NumberedEntries(0, 8), NumberedEntries(1, 24)};
    for (std::size_t i = 0; i < m_selectors.size(); ++i) {
        m_selectors[i]->clear();
        m_selectors[i]->addItems(lists[i]);
        m_selectors[i]->setCurrentIndex(0);
    }
    for (QPushButton* button : m_writeButtons) button->hide();
}

void RunControlBar::writeEntry(RunEntry which) {
    const std::optional<LinkJob> job = m_control.entryWrite(which, entry(which)->text());
    if (!job) return;  // out of range: nothing is sent and the button stays
    send(*job, writeButton(which));
    writeButton(which)->hide();
}

void RunControlBar::send(LinkJob job, const QPushButton* button) {
    job.note.window = JournalWindowName(m_owner);
    job.note.caption = button->text();
    m_link.submit(job, this);
}

}  // namespace vt
