#include "load_rule.h"

#include <cmath>

#include "entry_parse.h"
#include "number_text.h"

namespace vt {

namespace {

constexpr double kBandLimit = 1000.0;
constexpr double kTimeToleranceLimit = 100.0;

struct FieldInfo {
    const char* key;  // as in the start entry
    const char16_t* caption;
};

constexpr FieldInfo kFields[] = {
    {"sensor", u"负载传感器"}, {"band", u"温度带"}, {"timeTolerance", u"时间容差"}};

const FieldInfo& Info(LoadField field) { return kFields[static_cast<int>(field)]; }

// The finite number `field` holds in `object`, or `fallback`.
double NumberOr(const QJsonObject& object, LoadField field, double fallback) {
    const QJsonValue v = object.value(LoadFieldKey(field));
    return v.isDouble() && std::isfinite(v.toDouble()) ? v.toDouble() : fallback;
}

}  // namespace

LoadRule LoadRule::of(const BatchSummary& batch) {
    return {batch.sensor, batch.band, batch.timeTolerance};
}

void LoadRule::applyTo(BatchSummary& batch) const {
    batch.sensor = sensor;
    batch.band = band;
    batch.timeTolerance = timeTolerance;
}

QJsonObject LoadRule::toJson() const {
    return {{LoadFieldKey(LoadField::Sensor), static_cast<int>(sensor)},
            {LoadFieldKey(LoadField::Band), band},
            {LoadFieldKey(LoadField::TimeTolerance), timeTolerance}};
}

LoadRule LoadRule::fromJson(const QJsonObject& object) {
    LoadRule rule;
    if (object.value(LoadFieldKey(LoadField::Sensor)).toInt() == 1) rule.sensor = LoadSensor::Pv2;
    rule.band = NumberOr(object, LoadField::Band, rule.band);
    rule.timeTolerance = NumberOr(object, LoadField::TimeTolerance, rule.timeTolerance);
    if (!LoadRuleRefusal(rule).isEmpty()) return {};
    return rule;
}

QString LoadFieldKey(LoadField field) { return QString::fromLatin1(Info(field).key); }
QString LoadFieldCaption(LoadField field) { return QString::fromUtf16(Info(field).caption); }

QString SensorName(LoadSensor sensor) {
    return sensor == LoadSensor::Pv2 ? QStringLiteral("PV2") : QStringLiteral("PV1");
}

QString LoadFieldValue(const LoadRule& rule, LoadField field) {
    if (field == LoadField::Sensor) return SensorName(rule.sensor);
    return QString::number(field == LoadField::Band ? rule.band : rule.timeTolerance);
}

QString LoadRuleRefusal(const LoadRule& rule) {
    // Written so that a NaN fails each test.
    if (!(rule.band > 0.0 && rule.band <= kBandLimit))
        return QStringLiteral("温度带须大于 0 且不超过 %1").arg(kBandLimit);
    if (!(rule.timeTolerance >= 0.0 && rule.timeTolerance < kTimeToleranceLimit))
        return QStringLiteral("时间容差须在 0 到 %1 % 之间 (不含 %1)").arg(kTimeToleranceLimit);
    return {};
}

std::optional<double> ParseLoadEntry(LoadField field, const QString& text, int decimals,
                                     QString* why) {
    QString entry = QString::fromStdString(NormaliseEntry(text.toStdString())).trimmed();
    if (entry.startsWith(QChar(u'±'))) entry.remove(0, 1);
    if (entry.endsWith(QLatin1Char('%'))) entry.chop(1);
    entry = entry.trimmed();
    bool ok = false;
    const double value = entry.toDouble(&ok);
    if (entry.isEmpty() || !ok || !std::isfinite(value)) {
        if (why)
            *why = entry.isEmpty() ? QStringLiteral("%1不能为空").arg(LoadFieldCaption(field))
                                   : QStringLiteral("%1须为数字").arg(LoadFieldCaption(field));
        return std::nullopt;
    }
    const double scale = std::pow(10.0, decimals);
    return RoundHalfEven(value * scale) / scale;
}

}  // namespace vt
