#include "batch_dossier.h"

#include <QDateTime>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>

#include "batch_reading.h"

namespace vt {

namespace {

QString Str(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toVariant().toString();
}

QString ProgramStateText(int state) {
    switch (state) {
        case 0:
            return QStringLiteral("停止");
        case 1:
            return QStringLiteral("运行");
        case 2:
            return QStringLiteral("暂停");
        case 4:
            return QStringLiteral("结束");
        default:
            return QString::number(state);
    }
}

// The event line of a chain entry; empty kind for entries that are not shown as events.
BatchEvent EventOf(const StoredEntry& s, const QJsonObject& o) {
    BatchEvent e{s.entry.timeMs, s.entry.seq, {}, {}};
    const QByteArray& k = s.entry.kind;
    if (k == EntryKind::Note) {
        e.kind = QStringLiteral("备注");
        e.text = Str(o, "text");
    } else if (k == EntryKind::Header) {
        e.kind = QStringLiteral("表头修改");
        e.text = QStringLiteral("%1: %2 → %3").arg(Str(o, "caption"), Str(o, "old"), Str(o, "new"));
    } else if (k == EntryKind::Write) {
        e.kind = QStringLiteral("写入");
        e.text = QStringLiteral("%1 %2 = %3 (%4 %5)")
                     .arg(Str(o, "window_name"), Str(o, "caption"), Str(o, "value_entered"),
                          o.value(QStringLiteral("coil")).toInt() ? QStringLiteral("线圈")
                                                                  : QStringLiteral("寄存器"),
                          Str(o, "number"));
    } else if (k == EntryKind::Event) {
        e.kind =
            Str(o, "kind") == QStringLiteral("alarm") ? QStringLiteral("报警") : Str(o, "kind");
        e.text = Str(o, "text");
    } else if (k == EntryKind::Segment) {
        e.kind = QStringLiteral("程序");
        e.text = QStringLiteral("第 %1 段 %2")
                     .arg(o.value(QStringLiteral("segment")).toInt())
                     .arg(ProgramStateText(o.value(QStringLiteral("state")).toInt()));
    } else if (k == EntryKind::Resume) {
        e.kind = QStringLiteral("恢复");
        e.text = QStringLiteral("站点重新启动，批次继续");
    } else if (k == EntryKind::Start) {
        e.kind = QStringLiteral("开始");
        e.text =
            o.value(QStringLiteral("late")).toBool() ? QStringLiteral("程序已在运行，批次迟到开始")
            : o.value(QStringLiteral("manual")).toBool() ? QStringLiteral("手动开始")
                                                         : QStringLiteral("程序运行，自动开始");
    } else if (k == EntryKind::End) {
        e.kind = QStringLiteral("结束");
        e.text = QStringLiteral("记录 %1 条").arg(Str(o, "records"));
    } else if (k == EntryKind::Seal) {
        e.kind = QStringLiteral("封存");
        e.text = Str(o, "head");
    }
    return e;
}

}  // namespace

std::vector<int> ChartColumns() {
    return {RecordColumn::CurrentSv, RecordColumn::Pv1, RecordColumn::Pv2, RecordColumn::Sv1};
}

BatchChartData LoadBatchChart(const BatchStore& store, const BatchSummary& batch,
                              const PlannedProfile& profile, int width, std::int64_t fromMs,
                              std::int64_t toMs) {
    BatchChartData chart;
    const std::int64_t end = batch.isOpen() ? QDateTime::currentMSecsSinceEpoch() : batch.endedMs;
    chart.fromMs = fromMs ? fromMs : batch.startedMs;
    chart.toMs = toMs ? toMs : std::max(end, batch.startedMs + 1000);
    chart.width = width;
    chart.columns = ChartColumns();
    chart.bands = store.bands(batch.id, chart.fromMs, chart.toMs, width, chart.columns);
    if (!profile.empty()) {
        double value = profile.setPoints.front();
        store.records(batch.id, 0, 1,
                      [&](const BatchRecord& r) { value = r.values[LoadColumn(batch.sensor)]; });
        std::int64_t t = batch.startedMs;
        chart.planned.emplace_back(static_cast<double>(t), value);
        for (int n = 0; n < profile.segmentCount; ++n) {
            t += std::llround(static_cast<double>(profile.times[n]) * profile.timeUnitSeconds *
                              1000.0 / batch.timeScale);
            chart.planned.emplace_back(static_cast<double>(t), profile.setPoints[n]);
        }
    }
    return chart;
}

void ReadBatchEntries(const BatchStore& store, BatchDossier& data) {
    for (const StoredEntry& s : store.entries(data.batch.id)) {
        const QJsonObject o = QJsonDocument::fromJson(s.entry.payload).object();
        if (s.entry.kind == EntryKind::Capture) {
            const bool start = Str(o, "phase") == QStringLiteral("start");
            (start ? data.startCapture : data.endCapture) = o;
            (start ? data.fingerprintStart : data.fingerprintEnd) = Str(o, "fingerprint");
        } else if (s.entry.kind == EntryKind::Sign) {
            data.signatures.push_back({s.entry.timeMs, Str(o, "name"), Str(o, "meaning"),
                                       Str(o, "comment"), Str(o, "account")});
        } else if (s.entry.kind == EntryKind::Note) {
            data.chart.notes.push_back(s.entry.timeMs);
        }
        BatchEvent e = EventOf(s, o);
        if (!e.kind.isEmpty()) data.events.push_back(e);
    }
    for (const auto& [from, to] : data.evaluation.gaps)
        data.events.push_back(
            {from, 0, QStringLiteral("中断"),
             QStringLiteral("%1 秒无数据").arg(std::llround((to - from) / 1000.0) - 1)});
    std::stable_sort(data.events.begin(), data.events.end(),
                     [](const BatchEvent& a, const BatchEvent& b) { return a.timeMs < b.timeMs; });
    data.settingsChanged = !data.fingerprintStart.isEmpty() && !data.fingerprintEnd.isEmpty() &&
                           data.fingerprintStart != data.fingerprintEnd;
}

std::optional<BatchDossier> LoadBatchDossier(const BatchStore& store, std::int64_t batchId,
                                             int chartWidth, bool withExport) {
    const auto batch = store.batch(batchId);
    if (!batch) return std::nullopt;
    BatchDossier data;
    data.batch = *batch;
    BatchReading reading = ReadBatchThrough(store, *batch, withExport);
    data.integrity = std::move(reading.check);
    data.evaluation = std::move(reading.evaluation);
    data.chainExport = std::move(reading.chainExport);
    ReadBatchEntries(store, data);
    data.profile = PlannedProfile::fromCapture(data.startCapture);
    const auto noteTimes = std::move(data.chart.notes);
    data.chart = LoadBatchChart(store, *batch, data.profile, chartWidth);
    data.chart.notes = noteTimes;
    data.chart.gaps = data.evaluation.gaps;
    return data;
}

}  // namespace vt
