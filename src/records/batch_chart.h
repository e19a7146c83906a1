#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>

#include "batch_dossier.h"
#include "chart_painter.h"
#include "chart_picture.h"

namespace vt {

// The batch chart on screen: the same picture as the batch report's (the planned profile dashed
// against PV1, PV2 and SV1, lowest to highest per pixel column as read from the file, the notes
// as numbered marks, the gaps hatched), in the screen's fonts and line widths. Dragging across it
// zooms to the dragged time range; a double click goes back to the whole batch.
class BatchChart : public QWidget {
    Q_OBJECT
  public:
    explicit BatchChart(QWidget* parent = nullptr);

    void setData(BatchChartData data);
    const BatchChartData& data() const { return m_data; }
    // Pixel columns of the plot, the width the page reads bands for.
    int plotWidth() const;
    // The moment at pixel column `x` of the widget (clamped to the plot).
    std::int64_t timeAt(double x) const;

  signals:
    void zoomRequested(std::int64_t fromMs, std::int64_t toMs);
    void zoomReset();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    ChartLooks looks() const;
    QRectF plotRect() const;

    BatchChartData m_data;
    ChartPicture m_picture;
    QPixmap m_painted;  // m_picture at the widget's size
    std::optional<double> m_dragFrom;
    double m_dragTo = 0.0;
};

}  // namespace vt
