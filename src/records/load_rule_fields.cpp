#include "load_rule_fields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "batch_recorder.h"
#include "control_names.h"
#include "settings_capture.h"

namespace vt {

namespace {

constexpr int kTimeToleranceDecimals = 1;

// An entry box with a sign before it and a unit after it, as one form row.
QHBoxLayout* EntryRow(const QString& sign, QLineEdit* edit, QLabel* unit) {
    auto* row = new QHBoxLayout;
    if (!sign.isEmpty()) row->addWidget(new QLabel(sign, edit->parentWidget()));
    row->addWidget(edit, 1);
    row->addWidget(unit);
    return row;
}

}  // namespace

LoadRuleFields::LoadRuleFields(BatchRecorder& recorder, QFormLayout& form, QWidget* parent)
    : QObject(parent),
      m_recorder(recorder),
      m_sensor(new QComboBox(parent)),
      m_band(new QLineEdit(parent)),
      m_unit(new QLabel(parent)),
      m_timeTolerance(new QLineEdit(parent)) {
    m_sensor->addItems({SensorName(LoadSensor::Pv1), SensorName(LoadSensor::Pv2)});
    NameCaptionlessControl(m_sensor, QStringLiteral("BatchSensor"));
    NameCaptionlessControl(m_band, QStringLiteral("BatchBand"));
    NameCaptionlessControl(m_timeTolerance, QStringLiteral("BatchTimeTolerance"));
    connect(m_sensor, &QComboBox::activated, this, &LoadRuleFields::sensorChosen);
    connect(m_band, &QLineEdit::editingFinished, this, [this] { numberEdited(LoadField::Band); });
    connect(m_timeTolerance, &QLineEdit::editingFinished, this,
            [this] { numberEdited(LoadField::TimeTolerance); });
    form.addRow(LoadFieldCaption(LoadField::Sensor), m_sensor);
    form.addRow(LoadFieldCaption(LoadField::Band), EntryRow(QStringLiteral("±"), m_band, m_unit));
    form.addRow(LoadFieldCaption(LoadField::TimeTolerance),
                EntryRow({}, m_timeTolerance, new QLabel(QStringLiteral("%"), parent)));
}

void LoadRuleFields::show(const std::optional<BatchSummary>& batch,
                          const QJsonObject& startCapture) {
    const bool open = batch && batch->isOpen();
    m_batchId = batch ? batch->id : 0;
    m_scaling =
        startCapture.isEmpty() && open ? m_recorder.scaling() : CapturedScaling(startCapture);
    m_unit->setText(UnitName(m_scaling));
    m_sensor->setEnabled(open);
    m_band->setReadOnly(!open);
    m_timeTolerance->setReadOnly(!open);
    if (batch)
        fill(LoadRule::of(*batch));
    else
        for (QLineEdit* edit : {m_band, m_timeTolerance}) edit->clear();
}

void LoadRuleFields::fill(const LoadRule& rule) {
    m_sensor->setCurrentIndex(static_cast<int>(rule.sensor));
    m_band->setText(shown(LoadField::Band, rule));
    m_timeTolerance->setText(shown(LoadField::TimeTolerance, rule));
}

QString LoadRuleFields::shown(LoadField field, const LoadRule& rule) const {
    return field == LoadField::Band ? QString::number(rule.band, 'f', decimals(rule.sensor))
                                    : QString::number(rule.timeTolerance);
}

int LoadRuleFields::decimals(LoadSensor sensor) const {
    return sensor == LoadSensor::Pv2 ? ValueDecimals2(m_scaling) : ValueDecimals1(m_scaling);
}

void LoadRuleFields::sensorChosen(int index) {
    const auto open = m_recorder.openBatch();
    if (!open || open->id != m_batchId) return;
    LoadRule rule = LoadRule::of(*open);
    rule.sensor = index == 1 ? LoadSensor::Pv2 : LoadSensor::Pv1;
    put(rule);
}

void LoadRuleFields::numberEdited(LoadField field) {
    const auto open = m_recorder.openBatch();
    if (!open || open->id != m_batchId) return;
    LoadRule rule = LoadRule::of(*open);
    const bool band = field == LoadField::Band;
    const QString text = (band ? m_band : m_timeTolerance)->text();
    if (text == shown(field, rule)) return;  // left as shown: a value rounded for display stays
    QString why;
    const std::optional<double> value =
        ParseLoadEntry(field, text, band ? decimals(rule.sensor) : kTimeToleranceDecimals, &why);
    if (!value) {
        fill(rule);
        emit refused(why);
        return;
    }
    (band ? rule.band : rule.timeTolerance) = *value;
    put(rule);
}

void LoadRuleFields::put(const LoadRule& rule) {
    QString why;
    if (m_recorder.setLoadRule(rule, &why)) {
        fill(rule);
        return;
    }
    if (const auto open = m_recorder.openBatch()) fill(LoadRule::of(*open));
    emit refused(why);
}

}  // namespace vt
