#pragma once

#include <QString>

#include "batch_report_data.h"

class QPagedPaintDevice;

namespace vt {

// The batch report, A4 portrait: page 1 the header fields, the verdict, the chart of the planned
// profile against PV1, PV2 and SV1 with the notes and the segment table; then the events, the
// settings fingerprint, the integrity block, the signatures and the attachment. Paints on any
// paged device (PDF writer, printer, preview). False when the device cannot be painted on.
bool PaintBatchReport(QPagedPaintDevice& device, const BatchReportData& data);

// Writes the report to `path` as a PDF with the chain export attached and the chain head in
// its metadata, atomically: on failure no file is left (and an existing one is kept) and
// `error` says why.
bool SaveBatchReportPdf(const QString& path, const BatchReportData& data, QString* error);

// The default file name of a batch's report: 批次报告_<number>.pdf, with characters a file name
// cannot hold replaced.
QString BatchReportFileName(const QString& number);

// The attachment's name in the PDF: ASCII only (the writer stores the name as Latin-1).
QString ChainAttachmentName(const QString& number);

}  // namespace vt
