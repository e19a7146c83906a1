#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vt::testing {

// Runs a poppler tool and returns what it printed (empty when it failed).
QByteArray RunTool(const QString& program, const QStringList& arguments);
// The text of a PDF as pdftotext gives it (layout kept).
QString PdfText(const QString& pdf);
// Whether `text` holds `part`, white space ignored (the layout spaces words apart as it likes).
bool HoldsText(const QString& text, const QString& part);
// Page `page` of a PDF rendered by pdftoppm at `dpi`.
QImage RenderPage(const QString& pdf, int page, int dpi = 100);
// Whether `image` holds, inside `area`, at least `count` pixels within `tolerance` of `rgb`.
bool HoldsColour(const QImage& image, const QRect& area, QRgb rgb, int count = 20,
                 int tolerance = 60);

// `pdf` with its attached file's stream replaced by `data` in an incremental update: the newest
// definition is what every reader sees.
QByteArray WithReplacedAttachment(const QByteArray& pdf, const QByteArray& data);

}  // namespace vt::testing
