#include "batch_list_model.h"

#include <QDateTime>

namespace vt {

namespace {

enum Column { Number, Start, End, Duration, Part, Verdict, Integrity, ColumnCount };

QString When(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

QString DurationText(std::int64_t seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

BatchListModel::BatchListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchListModel::reload(const BatchStore* store, const BatchFilter& filter) {
    beginResetModel();
    m_store = store;
    m_filter = filter;
    m_rows.clear();
    m_complete = store == nullptr;
    endResetModel();
    if (store) fetchMore({});
}

const BatchSummary* BatchListModel::batchAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? &m_rows[row] : nullptr;
}

int BatchListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BatchListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchListModel::data(const QModelIndex& index, int role) const {
    const BatchSummary* b = batchAt(index.row());
    if (!b || role != Qt::DisplayRole) return {};
    const std::int64_t end = b->isOpen() ? QDateTime::currentMSecsSinceEpoch() : b->endedMs;
    switch (index.column()) {
        case Number:
            return b->number();
        case Start:
            return When(b->startedMs);
        case End:
            return b->isOpen() ? QStringLiteral("进行中") : When(b->endedMs);
        case Duration:
            return DurationText((end - b->startedMs) / 1000);
        case Part:
            return b->header.value(HeaderField::Part);
        case Verdict:
            return b->ending() ? QStringLiteral("正在结束") : b->verdict;
        case Integrity:
            return b->ending() ? QStringLiteral("校验中") : b->integrity;
        default:
            return {};
    }
}

QVariant BatchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const QString captions[ColumnCount] = {QStringLiteral("批次号"), QStringLiteral("开始"),
                                                  QStringLiteral("结束"),   QStringLiteral("时长"),
                                                  QStringLiteral("零件"),   QStringLiteral("判定"),
                                                  QStringLiteral("完整性")};
    return section >= 0 && section < ColumnCount ? captions[section] : QVariant();
}

bool BatchListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !m_complete;
}

void BatchListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || m_complete || !m_store) return;
    const auto page = m_store->list(m_filter, static_cast<int>(m_rows.size()), kPageRows);
    m_complete = static_cast<int>(page.size()) < kPageRows;
    if (page.empty()) return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    m_rows.insert(m_rows.end(), page.begin(), page.end());
    endInsertRows();
}

}  // namespace vt
