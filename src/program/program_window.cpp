#include "program_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "cell_edit_grid.h"
#include "cell_status_bar.h"
#include "control_names.h"
#include "entry_text.h"
#include "journal_note.h"
#include "named_button.h"
#include "program_picture_builder.h"
#include "program_preview.h"
#include "program_reads.h"
#include "readout_label.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kDisplayIntervalMs = 1000;
constexpr int kParameterFrameColumns = 4;
constexpr int kPartsPerParameter = 4;  // caption, editor, "DOWN", current value
constexpr int kListWidthCharacters = 10;

// An editable list as narrow as a short entry, whose open list still shows every entry whole.
void FitList(QComboBox* list) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListWidthCharacters);
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) +
                                  list->view()->verticalScrollBar()->sizeHint().width());
}

}  // namespace

ProgramWindow::ProgramWindow(StationContext& context, QWidget* parent)
    : EditorWindow(StationWindow::Tech, context, parent),
      m_model(context.link, context.state, this),
      m_rows(context, this),
      m_displayTimer(this) {
    for (int i = 0; i < kProgramParameterRows; ++i) {
        const ProgramParameterEntry& entry = ProgramParameters()[static_cast<std::size_t>(i)];
        m_parameterRows[static_cast<std::size_t>(i)] =
            m_rows.add(entry.parameter,
                       {ArrayControlName("Label3", entry.offset), QString::fromUtf8(entry.input),
                        QString::fromUtf8(entry.button)},
                       RowStyle{EntryBox::LightYellow(), true});
    }
    m_rows.setPolledText([this](std::size_t i) {
        return NumberText(m_model.mirror().Parameters[ProgramParameters()[i].offset]);
    });
    buildGrid();
    m_preview = new ProgramPreview(this);
    m_status = new CellStatusBar(CellStatusBar::Clock::DateAndTime, this);
    buildLayout();

    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    SetUpTimer(m_model.parameterRead().timer(), "Timer2", kDisplayIntervalMs);
    connect(&m_displayTimer, &QTimer::timeout, this, &ProgramWindow::refresh);
    connect(&m_model, &ProgramModel::uploaded, this, &ProgramWindow::uploadFinished);
    m_model.parameterRead().start();
    m_displayTimer.start();
    refresh();
}

ProgramWindow::~ProgramWindow() { unload(); }

void ProgramWindow::buildGrid() {
    m_grid = new CellEditGrid(QStringLiteral("Flxg"), m_context, this);
    QStringList heads;
    std::vector<int> widths;
    for (const SegmentColumn& column : SegmentColumns()) {
        heads << QString::fromUtf8(column.head);
        widths.push_back(column.widthTwips);
    }
    m_grid->setLayout(heads, widths, Program::SegmentCount);
    for (int n = 1; n <= Program::SegmentCount; ++n) m_grid->setCellText(n, 0, QString::number(n));
    m_grid->setCellWrites([](int row, int column) -> std::optional<Parameter> {
        if (row < 1 || row > Program::SegmentCount || column < 1 || column >= kSegmentColumns)
            return std::nullopt;
        return SegmentFieldParameter(row, column - 1);
    });
    m_grid->setPolledText([this](int row, int column) { return fieldText(row, column - 1); });
    // Rows as high as their text needs, so that most of the 24 segments are in view.
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    int width = 2 * m_grid->frameWidth() + m_grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kSegmentColumns; ++c) width += m_grid->columnWidth(c);
    m_grid->setFixedWidth(width);
    connect(m_grid, &CellEditGrid::committed, this, &ProgramWindow::cellEdited);
    connect(m_grid, &CellEditGrid::rejected, this, &ProgramWindow::restartTimers);
}

QGroupBox* ProgramWindow::buildParameterFrame() {
    auto* frame = new QGroupBox(QStringLiteral("功能设定"));
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    const int rowsPerColumn = kProgramParameterRows / kParameterFrameColumns;
    for (int i = 0; i < kProgramParameterRows; ++i) {
        ParameterRow* row = m_parameterRows[static_cast<std::size_t>(i)];
        const int r = i % rowsPerColumn;
        const int c = i / rowsPerColumn * kPartsPerParameter;
        grid->addWidget(row->caption(), r, c);
        grid->addWidget(row->input(), r, c + 1);
        grid->addWidget(row->button(), r, c + 2);
        grid->addWidget(row->value(), r, c + 3);
        grid->setColumnStretch(c + 1, 1);
        row->value()->reserveWidthFor(QStringLiteral("-00000"));
        row->hint()->hide();
        if (row->list()) FitList(row->list());
    }
    return frame;
}

QGroupBox* ProgramWindow::buildCurveFrame() {
    auto* frame = new QGroupBox(QString::fromUtf8(CurveNumberParameter().caption));
    frame->setObjectName(QStringLiteral("Frame2"));
    m_curve = new ReadoutLabel(QStringLiteral("D_4W_6"), frame);
    m_curveChoice = new QComboBox(frame);
    NameCaptionlessControl(m_curveChoice, QStringLiteral("Combo4"));
    m_curveChoice->setEditable(true);
    m_curveChoice->addItems(NumberedEntries(0, Program::CurveCount - 1));
    auto* select = NamedButton(QStringLiteral("Command27"), QStringLiteral("曲线选择"), frame);
    connect(select, &QPushButton::clicked, this, [this, select] {
        const QString entered = m_curveChoice->currentText();
        m_model.selectCurve(EntryCode(entered),
                            NoteFrom(this, select->text(), curveText(), entered));
    });
    auto* row = new QHBoxLayout(frame);
    row->addWidget(m_curve);
    row->addWidget(m_curveChoice, 1);
    row->addWidget(select);
    return frame;
}

void ProgramWindow::buildLayout() {
    auto* uploadButton = NamedButton(QStringLiteral("Command1A"), QStringLiteral("上传曲线"), this);
    connect(uploadButton, &QPushButton::clicked, this, &ProgramWindow::upload);
    QPalette red = returnButton()->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    returnButton()->setPalette(red);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(uploadButton);
    buttons->addWidget(returnButton());
    auto* left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addWidget(buildCurveFrame());
    left->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addWidget(m_preview, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(buildParameterFrame());
    page->addLayout(middle, 1);
    page->addWidget(m_status);
}

void ProgramWindow::refresh() {
    const ControllerState& state = m_context.state;
    const ProgramMirror& mirror = m_model.mirror();
    m_status->showCell(m_grid->selectedRow(), m_grid->selectedColumn());
    m_status->showClock(QDateTime::currentDateTime());
    m_curve->showText(curveText());
    for (std::size_t i = 0; i < m_parameterRows.size(); ++i)
        m_parameterRows[i]->showText(m_rows.polledText(i));
    for (int n = 1; n <= Program::SegmentCount; ++n) {
        for (int k = 0; k < ProgramMirror::kFieldCount; ++k)
            m_grid->setCellText(n, k + 1, fieldText(n, k));
    }
    m_preview->setPicture(BuildProgramPicture(mirror, StartValue(state)));
}

QString ProgramWindow::curveText() const {
    return NumberText(m_context.state.RunValue[Run::CurveNumber.element]);
}

QString ProgramWindow::fieldText(int segment, int field) const {
    return QString::number(m_model.mirror().field(segment, field));
}

void ProgramWindow::upload() {
    if (!m_model.upload()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busyPointer = true;
}

void ProgramWindow::uploadFinished() {
    if (m_busyPointer) QApplication::restoreOverrideCursor();
    m_busyPointer = false;
    refresh();
}

void ProgramWindow::cellEdited(int row, int column, double entered) {
    m_model.storeSegmentEdit(row, column - 1, entered);
    restartTimers();
    refresh();
}

// After an edit both timers run a full interval again, as the window's Enter handling leaves
// them.
void ProgramWindow::restartTimers() {
    m_displayTimer.start();
    m_model.parameterRead().start();
}

void ProgramWindow::unload() {
    m_displayTimer.stop();
    m_model.parameterRead().stop();
    if (m_busyPointer) QApplication::restoreOverrideCursor();
    m_busyPointer = false;
}

}  // namespace vt
