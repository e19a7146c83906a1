#include "records_cli.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include "batch_chain.h"
#include "batch_csv_source.h"
#include "batch_report.h"
#include "batch_report_source.h"
#include "pdf_attachment.h"
#include "records_file.h"
#include "station_database.h"

namespace vt {

namespace {

constexpr int kHolds = 0;
constexpr int kBroken = 1;
constexpr int kUsage = 2;

QString Time(std::int64_t ms) {
    return ms ? QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
              : QStringLiteral("-");
}

int List(const BatchStore& store, QTextStream& out) {
    constexpr int kPage = 1000;
    for (int offset = 0;; offset += kPage) {
        const auto page = store.list({}, offset, kPage);
        for (const BatchSummary& b : page) {
            out << b.number() << '\t' << Time(b.startedMs) << '\t'
                << (b.isOpen() ? QStringLiteral("进行中") : Time(b.endedMs)) << '\t'
                << (b.isOpen() ? store.recordCount(b.id) : b.recordCount) << '\t'
                << (b.verdict.isEmpty() ? QStringLiteral("-") : b.verdict) << '\t'
                << (b.integrity.isEmpty() ? QStringLiteral("-") : b.integrity) << '\n';
        }
        if (static_cast<int>(page.size()) < kPage) return kHolds;
    }
}

int Report(const ChainCheck& check, const QString& number, QTextStream& out) {
    out << number << '\t' << check.text() << '\t' << check.head << '\n';
    return check.holds ? kHolds : kBroken;
}

int VerifyFile(const QString& path, QTextStream& out, QTextStream& err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << path << '\n';
        return kUsage;
    }
    const ChainCheck check = VerifyChainExport(file.readAll());
    if (!check.readable) {
        err << path << ": " << check.problem << '\n';
        return kUsage;
    }
    return Report(check, check.batchNumber, out);
}

// A batch report's attached chain, walked and held against the head the report prints.
int VerifyReport(const QString& path, QTextStream& out, QTextStream& err) {
    QString error;
    const std::optional<PdfAttachment> attachment = ExtractAttachment(path, &error);
    const QString printed = ReportChainHead(path);
    if (!attachment || printed.isEmpty()) {
        err << path << ": " << (attachment ? QStringLiteral("no batch report") : error) << '\n';
        return kUsage;
    }
    const ChainCheck check = VerifyChainExport(attachment->data);
    if (!check.readable) {
        err << path << ": " << check.problem << '\n';
        return kUsage;
    }
    const int result = Report(check, check.batchNumber, out);
    if (result != kHolds || QString::fromLatin1(check.head) == printed) return result;
    out << check.batchNumber << '\t' << "报告所印链头 " << printed << " 与附件不符" << '\n';
    return kBroken;
}

int Verify(const BatchStore& store, const QString& number, QTextStream& out, QTextStream& err) {
    if (!number.isEmpty()) {
        const auto batch = store.batchByNumber(number);
        if (!batch) {
            err << "no batch " << number << '\n';
            return kUsage;
        }
        return Report(VerifyBatch(store, *batch), number, out);
    }
    int result = kHolds;
    constexpr int kPage = 1000;
    for (int offset = 0;; offset += kPage) {
        const auto page = store.list({}, offset, kPage);
        for (const BatchSummary& b : page)
            result = std::max(result, Report(VerifyBatch(store, b), b.number(), out));
        if (static_cast<int>(page.size()) < kPage) return result;
    }
}

int WriteReport(const BatchStore& store, const BatchSummary& batch, const QString& path,
                QTextStream& err) {
    const std::optional<BatchReportData> data = LoadBatchReport(store, batch.id);
    QString error;
    if (!data || !SaveBatchReportPdf(path, *data, &error)) {
        err << "cannot write " << path << (error.isEmpty() ? QString() : ": " + error) << '\n';
        return kUsage;
    }
    return kHolds;
}

int WriteChain(const BatchStore& store, const BatchSummary& batch, const QString& path,
               QTextStream& err) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ExportBatchChain(store, batch)) < 0 ||
        !file.commit()) {
        err << "cannot write " << path << '\n';
        return kUsage;
    }
    return kHolds;
}

}  // namespace

int RunRecordsCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Batch records of the VT5800 operator station"));
    parser.addHelpOption();
    const QCommandLineOption records(
        QStringLiteral("records"),
        QStringLiteral("The records file (default: beside the station database)."),
        QStringLiteral("PATH"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Output file."), QStringLiteral("FILE"));
    parser.addOptions({records, output});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("list | verify | export | chain | report"));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n';
        return kUsage;
    }
    const QStringList args = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")) || args.isEmpty()) {
        err << parser.helpText();
        return args.isEmpty() ? kUsage : kHolds;
    }
    const QString command = args.front();
    const QString argument = args.value(1);
    if (command == QStringLiteral("verify") && QFile::exists(argument))
        return argument.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                   ? VerifyReport(argument, out, err)
                   : VerifyFile(argument, out, err);
    const QString path = parser.isSet(records)
                             ? parser.value(records)
                             : RecordsFile::besideDatabase(StationDatabase::DefaultPath());
    RecordsFile file(path, RecordsFile::Mode::Reader);
    if (!file.open()) {
        err << file.problem() << '\n';
        return kUsage;
    }
    const BatchStore store(file.database());
    if (command == QStringLiteral("list")) return List(store, out);
    if (command == QStringLiteral("verify")) return Verify(store, argument, out, err);
    if (command == QStringLiteral("export") || command == QStringLiteral("chain") ||
        command == QStringLiteral("report")) {
        const auto batch = store.batchByNumber(argument);
        if (!batch || !parser.isSet(output)) {
            err << (batch ? "-o FILE is needed\n" : "no such batch\n");
            return kUsage;
        }
        if (command == QStringLiteral("report"))
            return WriteReport(store, *batch, parser.value(output), err);
        if (command == QStringLiteral("chain"))
            return WriteChain(store, *batch, parser.value(output), err);
        if (!MakeBatchCsvExporter(path, batch->id, parser.value(output))->run()) {
            err << "cannot write " << parser.value(output) << '\n';
            return kUsage;
        }
        return kHolds;
    }
    err << "unknown command " << command << '\n';
    return kUsage;
}

}  // namespace vt
