#pragma once

#include <QTimer>
#include <array>

#include "editor_window.h"
#include "parameter_rows.h"
#include "program_catalogue.h"
#include "program_model.h"

class QComboBox;
class QGroupBox;

namespace vt {

class CellEditGrid;
class CellStatusBar;
class ProgramPreview;
class ReadoutLabel;

// The process-program window `Tech` ("工艺曲线设定"): the twelve program parameters in
// "功能设定", the current curve and its selection, the segment grid `Flxg` edited cell by cell,
// the upload of the segment table and the curve preview `pt1`. Every change is one write to the
// controller; what the window shows is the mirror of the program model, refreshed every second
// (`Timer1`) while the parameters are read every second (`Timer2`).
class ProgramWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit ProgramWindow(StationContext& context, QWidget* parent = nullptr);
    ~ProgramWindow() override;

    ProgramModel& model() { return m_model; }

    // One tick of the display timer: status bar, current curve, parameter values, the grid's
    // cells and the preview, all from the mirror and the polled tables.
    void refresh();

    // "上传曲线": reads the segment table with the busy pointer showing until it is in.
    void upload();

  private:
    QGroupBox* buildParameterFrame();
    QGroupBox* buildCurveFrame();
    void buildGrid();
    void buildLayout();
    // The curve number and a segment field as the controller last reported them.
    QString curveText() const;
    QString fieldText(int segment, int field) const;
    void cellEdited(int row, int column, double entered);
    void restartTimers();
    void uploadFinished();
    void unload() override;

    ProgramModel m_model;
    ParameterRows m_rows;
    std::array<ParameterRow*, kProgramParameterRows> m_parameterRows{};
    CellEditGrid* m_grid = nullptr;
    ProgramPreview* m_preview = nullptr;
    ReadoutLabel* m_curve = nullptr;
    QComboBox* m_curveChoice = nullptr;
    CellStatusBar* m_status = nullptr;
    QTimer m_displayTimer;  // Timer1
    bool m_busyPointer = false;
};

}  // namespace vt
