#pragma once

#include <QWidget>
#include <array>

#include "trend_geometry.h"

class QFrame;
class QLabel;
class QSlider;

namespace vt {

class TrendSurface;

// The surface `pt` in its frame `pt0` with the labels of its axes and the ruler slider `hc`,
// placed so that every label stands by its grid line at any size: the value axis `Label5` on
// the left, the output axis `Label6` on the right, times `Label4` and dates `Label7` below.
class TrendPlotArea : public QWidget {
    Q_OBJECT
  public:
    explicit TrendPlotArea(QWidget* parent = nullptr);

    TrendSurface* surface() const { return m_surface; }
    QSlider* slider() const { return m_slider; }
    QLabel* valueLabel(int i) const { return m_valueLabels.at(i); }
    QLabel* outputLabel(int i) const { return m_outputLabels.at(i); }
    QLabel* timeLabel(int i) const { return m_timeLabels.at(i); }
    QLabel* dateLabel(int i) const { return m_dateLabels.at(i); }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Metrics {
        int lineHeight;
        int valueWidth;
        int outputWidth;
        int timeWidth;
        int dateWidth;
        int left;
        int right;
        int top;
        int bottom;
    };
    Metrics metrics() const;
    void placeChildren();
    QLabel* makeLabel(const QString& name, Qt::Alignment alignment);

    QFrame* m_frame;
    TrendSurface* m_surface;
    QSlider* m_slider;
    std::array<QLabel*, kAxisLabelCount> m_valueLabels{};
    std::array<QLabel*, kAxisLabelCount> m_outputLabels{};
    std::array<QLabel*, kTimeLabelCount> m_timeLabels{};
    std::array<QLabel*, kTimeLabelCount> m_dateLabels{};
};

}  // namespace vt
