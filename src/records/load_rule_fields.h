#pragma once

#include <QJsonObject>
#include <QObject>
#include <optional>

#include "batch_summary.h"
#include "load_rule.h"
#include "value_conversion.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace vt {

class BatchRecorder;

// The load sensor and tolerances on a batch's page: 负载传感器 (PV1 or PV2, `BatchSensor`), 温度带
// (±, in the unit in force with the load input's decimal places, `BatchBand`) and 时间容差 (%,
// `BatchTimeTolerance`). The open batch takes each change at once, into its trail; a closed one
// shows its values read-only. Refused input is put back and the reason goes out on `refused`.
class LoadRuleFields : public QObject {
    Q_OBJECT
  public:
    // Adds the three rows to `form`; the controls are children of `parent`.
    LoadRuleFields(BatchRecorder& recorder, QFormLayout& form, QWidget* parent);

    // Shows `batch`'s values (none: empty) in the scaling of its start capture (while that is
    // not in, the station's own).
    void show(const std::optional<BatchSummary>& batch, const QJsonObject& startCapture);

  signals:
    void refused(const QString& why);

  private:
    void sensorChosen(int index);
    void numberEdited(LoadField field);
    void put(const LoadRule& rule);
    void fill(const LoadRule& rule);
    QString shown(LoadField field, const LoadRule& rule) const;
    int decimals(LoadSensor sensor) const;

    BatchRecorder& m_recorder;
    QComboBox* m_sensor;
    QLineEdit* m_band;
    QLabel* m_unit;
    QLineEdit* m_timeTolerance;
    std::int64_t m_batchId = 0;
    InputScaling m_scaling;
};

}  // namespace vt
