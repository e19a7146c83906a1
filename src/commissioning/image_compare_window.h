#pragma once

#include <memory>

#include "guarded_window.h"
#include "image_compare_model.h"
#include "image_comparison.h"
#include "station_context.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace vt {

class ImageProgress;
class ImageReader;
class ImageRestorer;

// The compare window `bjcs` "比较参数": an image file against the controller as just read. The
// list `CompareGrid` shows the registers that differ (or, with `OnlyDifferences` cleared, all of
// them) with the file's and the controller's value as the operator reads them; the differences
// are ticked for a restore except those that can cut the link and the curve number.
// "恢复选中参数" asks once (naming the curve the program registers go into), writes the ticked
// registers through the link and reads the whole controller back, showing row by row what now
// holds the file's value and what failed and why. "返回" closes it (not while a restore runs).
class ImageCompareWindow : public GuardedWindow {
    Q_OBJECT
  public:
    ImageCompareWindow(StationContext& context, const QString& filePath, ImageFile file,
                       ControllerImage controller, QWidget* parent = nullptr);
    ~ImageCompareWindow() override;

    ImageComparison& comparison() { return m_comparison; }
    ImageCompareModel* model() const { return m_model.get(); }

    // What the one confirmation of a restore says.
    QString confirmationText() const;
    // Restores the ticked registers without asking (the restore button asks first).
    void restoreTicked();
    bool restoring() const;

  signals:
    // The restore's writes and the read back are done and shown.
    void restoreFinished();
    // "返回" closed the window.
    void returned();

  private:
    QLayout* buildTopRows(const QString& filePath);
    QLayout* buildButtons();
    void askAndRestore();
    void writesDone(const std::vector<RestoreWrite>& writes);
    void readBackDone(const std::optional<ControllerImage>& image, const QString& failure);
    void showCounts();
    void goBack();

    StationContext& m_context;
    ImageComparison m_comparison;
    std::unique_ptr<ImageCompareModel> m_model;
    ImageRestorer* m_restorer;
    ImageReader* m_reader;
    ImageProgress* m_progress;
    std::vector<RestoreWrite> m_writes;
    QTableView* m_grid = nullptr;
    QLabel* m_curveNote = nullptr;
    QLabel* m_counts = nullptr;
    QCheckBox* m_onlyDifferences = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_back = nullptr;
};

}  // namespace vt
