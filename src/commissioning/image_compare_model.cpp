#include "image_compare_model.h"

#include <QColor>

#include "journal_columns.h"

namespace vt {

namespace {

const QColor kDifferentColour{255, 236, 179};
const QColor kRestoredColour{200, 236, 200};

CompareColumn ColumnOf(const QModelIndex& index) {
    return static_cast<CompareColumn>(index.column());
}

}  // namespace

ImageCompareModel::ImageCompareModel(ImageComparison& comparison, QObject* parent)
    : QAbstractTableModel(parent), m_comparison(comparison) {
    select();
}

void ImageCompareModel::select() {
    m_shown.clear();
    for (std::size_t i = 0; i < m_comparison.size(); ++i) {
        if (!m_differencesOnly || m_comparison.differs(i) || !m_comparison.result(i).isEmpty())
            m_shown.push_back(i);
    }
}

void ImageCompareModel::setDifferencesOnly(bool only) {
    if (only == m_differencesOnly) return;
    m_differencesOnly = only;
    refresh();
}

void ImageCompareModel::refresh() {
    beginResetModel();
    select();
    endResetModel();
    emit ticksChanged();
}

void ImageCompareModel::tickAll(bool ticked) {
    for (std::size_t i = 0; i < m_comparison.size(); ++i) m_comparison.setTicked(i, ticked);
    if (!m_shown.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    emit ticksChanged();
}

int ImageCompareModel::rowOf(std::int32_t reg) const {
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        if (ImageRegisters()[m_shown[row]].reg() == reg) return static_cast<int>(row);
    }
    return -1;
}

int ImageCompareModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int ImageCompareModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCompareColumns;
}

QString ImageCompareModel::text(std::size_t index, CompareColumn column) const {
    const ImageRegister& reg = ImageRegisters()[index];
    switch (column) {
        case CompareColumn::Tick:
            return {};
        case CompareColumn::Area:
            return AreaName(reg.area);
        case CompareColumn::Register:
            return QString::number(reg.reg());
        case CompareColumn::Caption:
            return reg.caption.trimmed();
        case CompareColumn::FileValue:
            return m_comparison.file().image.shownText(index);
        case CompareColumn::ControllerValue:
            return m_comparison.controller().shownText(index);
        case CompareColumn::Result:
            return m_comparison.result(index);
    }
    return {};
}

QVariant ImageCompareModel::background(std::size_t index) const {
    if (!m_comparison.result(index).isEmpty())
        return m_comparison.failed(index) ? kUnconfirmedColour : kRestoredColour;
    if (m_comparison.differs(index)) return kDifferentColour;
    return {};
}

QVariant ImageCompareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t reg = registerIndex(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return text(reg, ColumnOf(index));
        case Qt::CheckStateRole:
            if (ColumnOf(index) != CompareColumn::Tick || !m_comparison.differs(reg)) return {};
            return m_comparison.ticked(reg) ? Qt::Checked : Qt::Unchecked;
        case Qt::BackgroundRole:
            return background(reg);
        default:
            return {};
    }
}

bool ImageCompareModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || ColumnOf(index) != CompareColumn::Tick) return false;
    const std::size_t reg = registerIndex(index.row());
    if (!m_comparison.differs(reg)) return false;
    m_comparison.setTicked(reg, value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit ticksChanged();
    return true;
}

QVariant ImageCompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList kHeads{QStringLiteral("恢复"),   QStringLiteral("区域"),
                                    QStringLiteral("地址"),   QStringLiteral("参数"),
                                    QStringLiteral("文件值"), QStringLiteral("控制器值"),
                                    QStringLiteral("结果")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return kHeads.value(section);
}

Qt::ItemFlags ImageCompareModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (ColumnOf(index) == CompareColumn::Tick && m_comparison.differs(registerIndex(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

}  // namespace vt
