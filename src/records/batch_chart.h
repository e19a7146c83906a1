#pragma once

#include <QWidget>
#include <optional>

#include "batch_dossier.h"

namespace vt {

// Where the batch chart puts time and value: the plot rectangle, the time and value ranges.
struct BatchChartScale {
    QRectF plot;
    std::int64_t fromMs = 0;
    std::int64_t toMs = 1;
    double low = 0.0;
    double high = 1.0;

    double x(double ms) const;
    double y(double value) const;
    std::int64_t timeAt(double x) const;
    // Value range over every pen and the planned profile, with a margin; a flat range gets one.
    static BatchChartScale Fit(const BatchChartData& data, const QRectF& plot);
};

// The batch chart: the planned profile dashed against the pens (lowest to highest per pixel
// column, as read from the file), the notes as marks. Dragging across it zooms to the dragged
// time range; a double click goes back to the whole batch.
class BatchChart : public QWidget {
    Q_OBJECT
  public:
    explicit BatchChart(QWidget* parent = nullptr);

    void setData(BatchChartData data);
    const BatchChartData& data() const { return m_data; }
    // Pixel columns of the plot, the width the page reads bands for.
    int plotWidth() const;

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
    QRectF plotRect() const;

    BatchChartData m_data;
    std::optional<double> m_dragFrom;
    double m_dragTo = 0.0;
};

}  // namespace vt
