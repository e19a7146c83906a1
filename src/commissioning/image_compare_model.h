#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "image_comparison.h"

namespace vt {

// The columns of the compare list.
enum class CompareColumn { Tick, Area, Register, Caption, FileValue, ControllerValue, Result };
inline constexpr int kCompareColumns = 7;

// A comparison as the rows of the compare list: every register, or only those that differ (and
// those a restore wrote), with the file's and the controller's value as the operator reads them.
// The tick column ticks a differing register for the restore; differing rows and the outcome of
// a restore are coloured.
class ImageCompareModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ImageCompareModel(ImageComparison& comparison, QObject* parent = nullptr);

    void setDifferencesOnly(bool only);
    bool differencesOnly() const { return m_differencesOnly; }
    // Shows the comparison anew (after a restore changed it).
    void refresh();
    // Ticks or unticks every differing register.
    void tickAll(bool ticked);
    // The register a row shows, as its place in ImageRegisters().
    std::size_t registerIndex(int row) const { return m_shown[static_cast<std::size_t>(row)]; }
    // The row that shows a register; -1 when it is not shown.
    int rowOf(std::int32_t reg) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void ticksChanged();

  private:
    void select();
    QString text(std::size_t index, CompareColumn column) const;
    QVariant background(std::size_t index) const;

    ImageComparison& m_comparison;
    bool m_differencesOnly = true;
    std::vector<std::size_t> m_shown;
};

}  // namespace vt
