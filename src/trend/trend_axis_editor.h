#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vt {

struct TrendSettings;

// The value-axis editor: `Label9` and `YKD` (maximum), `Label10` and `YKD1` (minimum) and the
// button "修改Y". It only collects the entries; the chart decides whether they are accepted.
class TrendAxisEditor : public QWidget {
    Q_OBJECT
  public:
    explicit TrendAxisEditor(const TrendSettings& settings, QWidget* parent = nullptr);

    QString maximumText() const;
    QString minimumText() const;

  signals:
    void changeRequested();

  private:
    QLabel* m_maximumCaption;
    QLineEdit* m_maximum;
    QLabel* m_minimumCaption;
    QLineEdit* m_minimum;
    QPushButton* m_apply;
};

}  // namespace vt
