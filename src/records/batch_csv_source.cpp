#include "batch_csv_source.h"

#include <QDateTime>

namespace vt {

QStringList BatchCsvSource::captions() const {
    return {QStringLiteral("序号"),  QStringLiteral("时间"), QStringLiteral("t.PV"),
            QStringLiteral("t.OP"),  QStringLiteral("t.SV"), QStringLiteral("PV1"),
            QStringLiteral("PV2"),   QStringLiteral("SV1"),  QStringLiteral("SV2"),
            QStringLiteral("报警一")};
}

bool BatchCsvSource::open(const QSqlDatabase& db) {
    m_store = std::make_unique<BatchStore>(db);
    m_total = static_cast<int>(m_store->recordCount(m_batch));
    m_written = 0;
    m_after = 0;
    return true;
}

std::vector<QStringList> BatchCsvSource::next(int limit) {
    std::vector<QStringList> rows;
    if (!m_store) return rows;
    m_store->records(m_batch, m_after, limit, [&](const BatchRecord& r) {
        QStringList cells{QString::number(r.seq), QDateTime::fromMSecsSinceEpoch(r.timeMs).toString(
                                                      QStringLiteral("yyyy-MM-dd HH:mm:ss"))};
        for (float v : r.values) cells << QString::number(v);
        rows.push_back(std::move(cells));
        m_after = r.seq;
    });
    m_written += static_cast<int>(rows.size());
    if (rows.empty()) m_written = m_total;
    return rows;
}

std::unique_ptr<CsvExporter> MakeBatchCsvExporter(const QString& recordsPath, std::int64_t batch,
                                                  const QString& csvPath) {
    return std::make_unique<CsvExporter>(recordsPath, csvPath,
                                         std::make_unique<BatchCsvSource>(batch));
}

}  // namespace vt
