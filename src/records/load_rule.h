#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "batch_summary.h"

namespace vt {

// What a batch's load is judged by: the load sensor, the band around a soak's set point (in the
// unit in force) and the share of a soak's planned time it may fall short (percent).
struct LoadRule {
    LoadSensor sensor = LoadSensor::Pv1;
    double band = 5.0;
    double timeTolerance = 10.0;

    static LoadRule of(const BatchSummary& batch);
    void applyTo(BatchSummary& batch) const;
    // Keyed as in the batch's start entry; a missing or unusable value keeps its default.
    QJsonObject toJson() const;
    static LoadRule fromJson(const QJsonObject& object);
    bool operator==(const LoadRule&) const = default;
};

enum class LoadField { Sensor, Band, TimeTolerance };
inline constexpr LoadField kLoadFields[] = {LoadField::Sensor, LoadField::Band,
                                            LoadField::TimeTolerance};

// The key a field is kept under (as in the start entry) and its caption on the page.
QString LoadFieldKey(LoadField field);
QString LoadFieldCaption(LoadField field);
// A field's value as a batch's trail keeps it: PV1 or PV2, the band and the tolerance as numbers.
QString LoadFieldValue(const LoadRule& rule, LoadField field);
QString SensorName(LoadSensor sensor);

// Why `rule` cannot judge a batch (empty when it can): the band must lie in (0, 1000], the time
// tolerance in [0, 100).
QString LoadRuleRefusal(const LoadRule& rule);
// An entered band or time tolerance, rounded to `decimals` places; full-width forms, a leading
// "±" and a trailing "%" are taken. Nothing, with the reason, for an empty or non-numeric text.
std::optional<double> ParseLoadEntry(LoadField field, const QString& text, int decimals,
                                     QString* why);

}  // namespace vt
