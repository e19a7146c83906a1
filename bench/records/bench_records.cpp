// Figures for the batch records, on real files in a temporary folder:
//   - the logger tick with the archive on (an open batch takes every one-second record);
//   - a batch of 360,000 records (100 hours): the end (the UI thread's longest stall while the
//     batch is verified, evaluated and sealed), click to painted chart (from the minute spans, and
//     from the records alone as in a file written before spans were kept), verifying its chain, its
//     chain export, the batch page's reads (the UI thread's longest stall with each read on the UI
//     thread as before and on the page's workers now), and the records file's size per 24 hours
//     of batch;
//   - the batch list with 10,000 batches: first rows.
// Arguments pick parts: tick, long, list (all three without any).
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

#include "batch_chain.h"
#include "batch_chart.h"
#include "batch_closer.h"
#include "batch_list_model.h"
#include "batch_page.h"
#include "batch_recorder.h"
#include "batch_report.h"
#include "batch_report_source.h"
#include "bench_stats.h"
#include "data_logger.h"
#include "records_bench_file.h"
#include "screenshots.h"
#include "station_database.h"
#include "ui_stalls.h"

namespace {

using vt::bench::MeasureStalls;
using vt::bench::Ms;
using vt::bench::Quantile;
using vt::bench::Stalls;

const QDateTime kStart(QDate(2026, 1, 5), QTime(6, 0, 0));

double CpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BenchTick(const QString& folder) {
    const QString database = folder + QStringLiteral("/station.db");
    vt::StationDatabase(database).prepare();
    vt::ControllerState state;
    QDateTime now = kStart;
    vt::DataLogger logger(state, database, [&] { return now; });
    vt::BatchRecorder recorder(state, folder + QStringLiteral("/tick.db"), [&] { return now; });
    recorder.open();
    logger.setSecondRecordSink([&](const vt::ClockReading& r, const std::array<float, 8>& v) {
        recorder.appendSecond(r, v);
    });
    logger.start();
    recorder.startManual(recorder.proposal(), nullptr);
    std::vector<double> ms;
    for (int n = 0; n < 5000; ++n) {
        now = kStart.addSecs(n);
        state.LiveValue[3] = static_cast<float>(n % 700);
        QElapsedTimer t;
        t.start();
        logger.tick(now);
        ms.push_back(Ms(t));
    }
    std::printf(
        "logger tick with the archive on (5000 ticks, each writes a ring record and a batch "
        "record)\n"
        "    median %.3f ms  p99 %.3f ms  max %.3f ms\n",
        Quantile(ms, 0.5), Quantile(ms, 0.99), Quantile(ms, 1.0));
}

QWidget* Shown(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// Chooses `path` in the save dialog `name` once it shows.
void SaveThrough(const QString& name, const QString& path) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, name, path] {
        auto* dialog = qobject_cast<QFileDialog*>(Shown(name));
        if (!dialog) return;
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        timer->deleteLater();
    });
    timer->start(5);
}

void PrintPageStalls(const char* what, double before, const Stalls& now) {
    std::printf("  %-34s before %5.0f ms | now %5.1f ms at %4.0f ms (result at %4.0f ms)\n", what,
                before, now.longest, now.longestAtMs, now.doneAtMs);
}

// The batch page's reads of a long batch: as the page made them on the UI thread before, and
// through its workers now.
void BenchPageReads(vt::BatchRecorder& recorder, std::int64_t id, const QString& folder) {
    const vt::BatchStore& store = *recorder.store();
    const vt::BatchSummary batch = *store.batch(id);
    const auto onUiThread = [](const std::function<void()>& work) {
        bool ran = false;
        return MeasureStalls(
                   [&] {
                       work();
                       ran = true;
                   },
                   [&] { return ran; })
            .longest;
    };
    vt::BatchPage page(recorder);
    page.resize(1200, 800);
    page.show();
    auto* facts = page.findChild<QLabel*>(QStringLiteral("BatchFacts"));
    auto* check = page.findChild<QPushButton*>(QStringLiteral("CommandVerify"));
    auto* message = page.findChild<QLabel*>(QStringLiteral("BatchMessage"));
    std::printf(
        "batch page on this batch, UI thread's longest stall (1 ms timer): the read on the UI "
        "thread before | on a worker now\n");
    PrintPageStalls(
        "evaluation (batch chosen)", onUiThread([&] { vt::EvaluateBatch(store, batch, true); }),
        MeasureStalls([&] { page.showBatch(id); },
                      [&] { return facts->text().contains(QStringLiteral("覆盖率")); }));
    PrintPageStalls("校验", onUiThread([&] { vt::VerifyBatch(store, batch); }),
                    MeasureStalls([&] { check->click(); }, [&] { return check->isEnabled(); }));
    PrintPageStalls(
        "打印报告 until the preview shows", onUiThread([&] { vt::LoadBatchReport(store, id); }),
        MeasureStalls(
            [&] { page.findChild<QPushButton*>(QStringLiteral("CommandPrintReport"))->click(); },
            [&] { return Shown(QStringLiteral("BatchPrintPreview")) != nullptr; }));
    Shown(QStringLiteral("BatchPrintPreview"))->close();
    const QString pdf = folder + QStringLiteral("/page.pdf");
    PrintPageStalls("保存PDF after the file is chosen", onUiThread([&] {
                        vt::SaveBatchReportPdf(pdf, *vt::LoadBatchReport(store, id), nullptr);
                    }),
                    MeasureStalls(
                        [&] {
                            SaveThrough(QStringLiteral("BatchPdfDialog"), pdf);
                            page.findChild<QPushButton*>(QStringLiteral("CommandSavePdf"))->click();
                        },
                        [&] { return message->text().startsWith(QStringLiteral("报告已保存")); }));
}

void BenchLongBatch(const QString& folder) {
    constexpr int kRecords = 360000;
    const QString path = folder + QStringLiteral("/long.db");
    vt::ControllerState state;
    QDateTime now = kStart;
    auto owned = std::make_unique<vt::BatchRecorder>(state, path, [&] { return now; });
    vt::BatchRecorder& recorder = *owned;
    recorder.open();
    recorder.startManual(recorder.proposal(), nullptr);
    QElapsedTimer fill;
    fill.start();
    vt::bench::AppendSeconds(recorder, now, kStart, kRecords);
    std::printf("filling a batch of %d records through the recorder: %.1f s (%.1f us per record)\n",
                kRecords, Ms(fill) / 1000, Ms(fill) * 1000 / kRecords);
    vt::bench::CopyLogBack(path);
    const std::int64_t id = recorder.openBatch()->id;
    QElapsedTimer idle;
    const Stalls quiet = MeasureStalls([&] { idle.start(); },
                                       [&] { return idle.isValid() && idle.elapsed() > 3000; });
    std::printf(
        "UI thread with nothing to do for 3 s (1 ms timer): longest stall %.1f ms, %d stalls "
        "above 5 ms\n",
        quiet.longest, quiet.over5Ms);
    QElapsedTimer end;
    double endCall = 0.0;
    const Stalls stalls = MeasureStalls(
        [&] {
            end.start();
            recorder.endBatch();
            endCall = Ms(end);
        },
        [&] { return end.isValid() && !recorder.sealing(); });
    std::printf(
        "ending it: end entry %.1f ms on the UI thread, sealed after %.0f ms (verification and "
        "evaluation on a worker thread)\n"
        "    UI thread meanwhile (1 ms timer): longest stall %.1f ms (%.0f ms into the probe), "
        "%d stalls above 5 ms; the turn with the seal %.1f ms\n",
        endCall, Ms(end), stalls.longest, stalls.longestAtMs, stalls.over5Ms, stalls.last);

    const vt::BatchStore& store = *recorder.store();
    const vt::BatchSummary batch = *store.batch(id);
    const auto verify = vt::bench::TimedRuns([&] { vt::VerifyBatch(store, batch); }, 1, 5);
    const double threadBefore = CpuMs(CLOCK_THREAD_CPUTIME_ID);
    const double processBefore = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
    const std::int64_t entries = vt::VerifyBatch(store, batch).entries;
    std::printf(
        "verifying its chain (%lld entries): median %.0f ms  max %.0f ms\n"
        "    CPU of one verification: calling thread %.0f ms, all threads %.0f ms (the hashing "
        "runs beside the reading; on a busy machine the wall clock shows the queue)\n",
        static_cast<long long>(entries), Quantile(verify, 0.5), Quantile(verify, 1.0),
        CpuMs(CLOCK_THREAD_CPUTIME_ID) - threadBefore,
        CpuMs(CLOCK_PROCESS_CPUTIME_ID) - processBefore);

    const auto exported = vt::bench::TimedRuns([&] { vt::ExportBatchChain(store, batch); }, 1, 5);
    std::printf("its chain export (%.1f MB): median %.0f ms  max %.0f ms\n",
                static_cast<double>(vt::ExportBatchChain(store, batch).size()) / 1e6,
                Quantile(exported, 0.5), Quantile(exported, 1.0));
    const auto walked =
        vt::bench::TimedRuns([&] { store.walk(id, [](const vt::StoredEntry&) {}); }, 1, 5);
    std::printf("reading its chain without hashing: median %.0f ms\n", Quantile(walked, 0.5));
    BenchPageReads(recorder, id, folder);

    // The station stopping while a batch ends: the walk is cut short (the next start does it).
    auto closer = std::make_unique<vt::BatchCloser>(path);
    closer->start(id);
    QThread::msleep(300);
    QElapsedTimer stop;
    stop.start();
    closer.reset();
    std::printf("stopping the station 300 ms into the walk: the closer gone after %.1f ms\n",
                Ms(stop));

    auto page = std::make_unique<vt::BatchPage>(recorder);
    page->resize(1200, 800);
    page->show();
    QApplication::processEvents();
    const int width = page->chart()->plotWidth();
    const auto clickToChart = [&] {
        return vt::bench::TimedRuns(
            [&] {
                page->showBatch(0);
                page->showBatch(id);
                // The columns are read on a worker and come back as an event.
                while (page->chart()->data().bands.empty())
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                page->chart()->repaint();
            },
            1, 5);
    };
    const auto bandsAlone = [&] {
        return vt::bench::TimedRuns(
            [&] { store.bands(id, batch.startedMs, batch.endedMs, width, vt::ChartColumns()); }, 1,
            5);
    };
    const auto fromSpans = clickToChart();
    const auto bandsFromSpans = bandsAlone();
    vt::bench::DropMinuteSpans(path);
    const auto fromRecords = clickToChart();
    const auto bandsFromRecords = bandsAlone();
    std::printf(
        "click to painted chart (%d pixel columns): minute spans median %.0f ms  max %.0f ms | "
        "records only median %.0f ms  max %.0f ms\n"
        "    of which the bands: minute spans median %.0f ms | records only median %.0f ms\n",
        width, Quantile(fromSpans, 0.5), Quantile(fromSpans, 1.0), Quantile(fromRecords, 0.5),
        Quantile(fromRecords, 1.0), Quantile(bandsFromSpans, 0.5), Quantile(bandsFromRecords, 0.5));
    QApplication::processEvents();
    page.reset();
    owned.reset();  // closes the file, so the journal is checkpointed into it
    const double bytes = static_cast<double>(QFileInfo(path).size() +
                                             QFileInfo(path + QStringLiteral("-wal")).size());
    std::printf("records file: %.1f MB for %d records, %.1f MB per 24 hours of batch\n",
                bytes / 1e6, kRecords, bytes / 1e6 * 86400.0 / kRecords);
}

void BenchList(const QString& folder) {
    constexpr int kBatches = 10000;
    vt::ControllerState state;
    QDateTime now = kStart;
    vt::BatchRecorder recorder(state, folder + QStringLiteral("/list.db"), [&] { return now; });
    recorder.open();
    for (int n = 0; n < kBatches; ++n) {
        now = kStart.addSecs(n * 60);
        recorder.startManual(recorder.proposal(), nullptr);
        now = now.addSecs(30);
        recorder.endBatch();
    }
    MeasureStalls([] {}, [&] { return !recorder.sealing(); });
    vt::BatchListModel model;
    QTableView view;
    view.setModel(&model);
    view.resize(900, 600);
    view.show();
    const auto first = vt::bench::TimedRuns(
        [&] {
            model.reload(recorder.store(), {});
            view.repaint();
        },
        1, 10);
    std::printf("batch list with %d batches, first rows shown: median %.1f ms  max %.1f ms\n",
                kBatches, Quantile(first, 0.5), Quantile(first, 1.0));
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList parts = app.arguments().mid(1);
    const auto wanted = [&](const char* part) {
        return parts.isEmpty() || parts.contains(QLatin1String(part));
    };
    if (wanted("tick")) BenchTick(dir.path());
    if (wanted("long")) BenchLongBatch(dir.path());
    if (wanted("list")) BenchList(dir.path());
    return 0;
}
