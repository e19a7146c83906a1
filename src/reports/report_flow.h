#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace vt {

// What the frame of every page says: a title and the station in the header; the batch number
// (when there is one), "第 N 页 共 M 页" and the time the report was made in the footer.
struct PageFrame {
    QString title;
    QString station;
    QString number;
    QDateTime madeAt;
};

// Lays blocks down the pages of a paged device, in tenths of a millimetre from the paper's
// top-left corner. Without a painter it only counts the pages, so a layout runs once to learn
// the page count and once to paint with it.
class ReportFlow {
  public:
    ReportFlow(QPagedPaintDevice& device, QPainter* painter, const PageFrame& frame,
               int totalPages);

    QPainter* painter() const { return m_painter; }  // null while counting
    const QPagedPaintDevice& device() const { return m_device; }
    // The area between header and footer on the current page.
    const QRectF& body() const { return m_body; }
    double cursor() const { return m_y; }
    double remaining() const { return m_body.bottom() - m_y; }
    // The top of a block of `height` kept on one page: below the cursor when it fits there,
    // else at the top of a new page. The cursor moves below the block.
    double take(double height);
    void skip(double gap) { m_y += gap; }
    void newPage();
    int page() const { return m_page; }
    // Paints the last page's frame.
    void finish();

    // Height of `text` wrapped to `width` in `font`.
    double textHeight(const QFont& font, double width, const QString& text,
                      int wrap = Qt::TextWordWrap) const;
    void drawText(const QRectF& rect, const QFont& font, int flags, const QString& text,
                  const QColor& colour = QColor(Qt::black)) const;

  private:
    void paintFrame() const;

    QPagedPaintDevice& m_device;
    QPainter* m_painter;
    PageFrame m_frame;
    int m_totalPages;
    QRectF m_paper;
    QRectF m_body;
    double m_y = 0.0;
    int m_page = 1;
};

// Runs `layout` twice over `device` (counting, then painting with the page count) with the
// frame on every page. False when the device cannot be painted on.
bool PaintPaged(QPagedPaintDevice& device, const PageFrame& frame,
                const std::function<void(ReportFlow&)>& layout);

}  // namespace vt
