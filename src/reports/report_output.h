#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace vt {

// The dialogs every report shares; each is window-modal over `window`, opened without blocking
// and deleted when closed.

// A print preview `name` of the pages `paint` draws, with the print dialog behind its button.
void OpenPrintPreview(QWidget& window, QPrinter& printer, const QString& name,
                      std::function<bool(QPagedPaintDevice&)> paint);
// A save dialog `name` for a PDF, proposing `fileName` in the documents folder; `chosen` gets
// the path.
void AskPdfPath(QWidget& window, const QString& name, const QString& fileName,
                std::function<void(const QString&)> chosen);
// Tells that a save failed (`ReportSaveFailed`).
void ShowSaveFailure(QWidget& window, const QString& error);

}  // namespace vt
