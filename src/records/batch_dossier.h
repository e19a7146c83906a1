#pragma once

#include <QJsonObject>
#include <QPointF>
#include <QString>
#include <vector>

#include "batch_evaluation.h"
#include "batch_store.h"
#include "chain_export.h"

namespace vt {

// One line of a batch's events: gaps, notes, header changes, writes, alarms, program steps.
struct BatchEvent {
    std::int64_t timeMs = 0;
    std::int64_t seq = 0;  // chain entry (0 for a gap, which is found, not recorded)
    QString kind;  // 备注, 表头修改, 写入, 报警, 事件, 中断, 程序, 恢复, ...
    QString text;
};

struct BatchSignature {
    std::int64_t timeMs = 0;
    QString name;
    QString meaning;  // 审核 or 批准
    QString comment;
    QString account;
};

// The values of the chart of a batch: the pens' columns of the records (current set value,
// PV1, PV2, SV1) as lowest and highest per pixel column, the planned profile as points
// (time in ms, value), the notes as times and the gaps (last record before, next after).
struct BatchChartData {
    std::int64_t fromMs = 0;
    std::int64_t toMs = 0;
    int width = 0;
    std::vector<int> columns;  // record value columns of the pens, in `bands` order
    std::vector<ColumnBand> bands;
    std::vector<QPointF> planned;
    std::vector<std::int64_t> notes;
    std::vector<std::pair<std::int64_t, std::int64_t>> gaps;
};

// Everything a report (or the batch page) needs about one batch, read once: a report painter
// only reads this.
struct BatchDossier {
    BatchSummary batch;
    QJsonObject startCapture;
    QJsonObject endCapture;
    PlannedProfile profile;
    BatchEvaluation evaluation;
    std::vector<BatchEvent> events;
    ChainCheck integrity;
    QString fingerprintStart;
    QString fingerprintEnd;
    bool settingsChanged = false;  // both known and different
    std::vector<BatchSignature> signatures;
    BatchChartData chart;
    QByteArray chainExport;  // when asked for
};

// The pens of a batch chart: current set value, PV1, PV2, SV1.
std::vector<int> ChartColumns();

// The chart's data over [fromMs, toMs] (the whole batch when both are 0) for `width` columns.
BatchChartData LoadBatchChart(const BatchStore& store, const BatchSummary& batch,
                              const PlannedProfile& profile, int width, std::int64_t fromMs = 0,
                              std::int64_t toMs = 0);

// The events, captures and signatures of a batch out of its chain entries, with the gaps of
// `evaluation`, in time order.
void ReadBatchEntries(const BatchStore& store, BatchDossier& data);

// Reads, verifies, evaluates and (given `withExport`) exports one batch, its chain read once.
std::optional<BatchDossier> LoadBatchDossier(const BatchStore& store, std::int64_t batchId,
                                             int chartWidth = 1000, bool withExport = false);

}  // namespace vt
