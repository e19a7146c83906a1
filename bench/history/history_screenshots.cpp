// Takes the pictures of the history window and the history table over a day of plausible
// ten-second records: history-*.png and table-*.png in the folder given (default
// docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QDir>
#include <QSlider>
#include <QSqlQuery>
#include <QTableView>
#include <QVariant>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "clock_reading.h"
#include "history_rig.h"
#include "history_table_window.h"
#include "history_window.h"
#include "station_queries.h"
#include "trend_chart.h"

namespace {

constexpr int kDayRecords = 8640;  // one day of ten-second records
constexpr double kStepSeconds = 10;

// Set value of the day: warm-up ramp, a long soak, and a step up eight minutes before the end.
double SetValueAt(double seconds) {
    const double hours = seconds / 3600;
    if (hours < 0.5) return 25;
    if (hours < 2) return 25 + (hours - 0.5) / 1.5 * 325;
    if (hours < 8) return 350;
    if (hours < 10) return 350 + (hours - 8) / 2 * 250;
    return seconds < kDayRecords * kStepSeconds - 8 * 60 ? 600 : 650;
}

// The controller shows one decimal place.
float Tenths(double value) { return static_cast<float>(std::round(value * 10) / 10); }

// A heated process under PI control, sampled every ten seconds.
struct Process {
    double pv = 25;
    double integral = 0;

    std::array<float, 8> step(double seconds) {
        const double sv = SetValueAt(seconds);
        const double error = sv - pv;
        integral = std::clamp(integral + error * kStepSeconds / 240, 0.0, 100.0);
        const double op = std::clamp(0.9 * error + integral, 0.0, 100.0);
        pv += (12 * op - (pv - 25)) / 600 * kStepSeconds + 0.3 * std::sin(seconds / 37);
        const double flow = 45 + 8 * std::sin(seconds / 5400);
        return {Tenths(pv),   Tenths(op), Tenths(sv), Tenths(pv + 1.5),
                Tenths(flow), Tenths(sv), 200,        0};
    }
};

void FillDay(const QSqlDatabase& db, const QDateTime& end) {
    QSqlDatabase connection = db;
    connection.transaction();
    QSqlQuery insert(db);
    insert.prepare(vt::queries::WriteRecord(vt::Ring::TenSecond));
    Process process;
    const QDateTime start = end.addSecs(-qint64(kStepSeconds) * (kDayRecords - 1));
    for (int id = 1; id <= kDayRecords; ++id) {
        const double seconds = (id - 1) * kStepSeconds;
        const vt::ClockReading at = vt::ReadClock(start.addSecs(qint64(seconds)));
        const auto values = process.step(seconds);
        insert.addBindValue(id);
        insert.addBindValue(at.date);
        insert.addBindValue(at.time);
        for (float value : values) insert.addBindValue(value);
        insert.exec();
    }
    QSqlQuery mark(db);
    mark.prepare(vt::queries::WritePosition(vt::Ring::TenSecond));
    mark.addBindValue(kDayRecords);
    mark.addBindValue(kDayRecords);
    mark.exec();
    connection.commit();
}

void Save(QWidget& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name));
    std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write",
                qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral("docs/screenshots"));
    QDir().mkpath(folder.path());

    vt::test::HistoryRig rig;
    FillDay(rig.station.check.database(), QDateTime(QDate(2026, 3, 16), QTime(15, 40, 0)));
    rig.state.LiveValue = {649.6f, 54.3f, 650, 651.1f, 41.2f, 650, 200};

    vt::HistoryWindow history(rig.context);
    history.resize(1280, 800);
    history.show();
    Save(history, folder, "history-live.png");
    for (int i = 0; i < 3; ++i) history.chart()->handleKey(Qt::Key_F1);
    history.chart()->handleKey(Qt::Key_F4);
    history.findChild<QSlider*>(QStringLiteral("hc"))->setValue(7200);
    Save(history, folder, "history-zoomed-out-ruler.png");

    vt::HistoryTableWindow table(rig.context);
    table.resize(1000, 600);
    table.show();
    Save(table, folder, "table-oldest.png");
    table.findChild<QTableView*>(QStringLiteral("DataGrid1"))->scrollToBottom();
    Save(table, folder, "table-scrolled.png");
    return 0;
}
