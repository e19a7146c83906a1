#include "plant_payloads.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace vt {

namespace {

constexpr std::int32_t kFirstLinearType = 14;

struct ValueName {
    const char* name;
    const char* caption;
    int input;  // 1 or 2: the input whose unit it has; 0: the unit below
    const char* unit;
};

// LiveValue 0..7 as the logger keeps them.
constexpr std::array<ValueName, 8> kValues{{
    {"pv", "当前测量值", 1, ""},
    {"op", "输出OP", 0, "%"},
    {"sv", "当前设定值", 1, ""},
    {"pv1", "输入1PV", 1, ""},
    {"pv2", "输入2PV", 2, ""},
    {"sv1", "SV1", 1, ""},
    {"sv2", "SV2", 1, ""},
    {"alarm1", "报警1状态", 0, ""},
}};

// A single-precision value as the number it was meant to be (100.3, not 100.30000305).
double Number(float value) { return QString::number(value, 'g', 7).toDouble(); }

QJsonObject LinkObject(const ControllerLinkState& link) {
    QJsonObject object{{QStringLiteral("state"), link.state}};
    if (!link.reason.isEmpty()) object.insert(QStringLiteral("reason"), link.reason);
    return object;
}

QJsonObject InputObject(const InputSettings& input) {
    return {{QStringLiteral("type"), input.type},
            {QStringLiteral("decimals"), input.decimals},
            {QStringLiteral("displayHigh"), Number(input.displayHigh)},
            {QStringLiteral("displayLow"), Number(input.displayLow)}};
}

}  // namespace

QString PlantTopic(const QString& station, const QString& topic) {
    return QStringLiteral("vt5800/%1/%2").arg(station, topic);
}

QString IsoTime(const QDateTime& time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QJsonObject Stamped(QJsonObject body, const QDateTime& time, std::int64_t seq) {
    body.insert(QStringLiteral("time"), IsoTime(time));
    body.insert(QStringLiteral("seq"), static_cast<qint64>(seq));
    return body;
}

QByteArray CompactJson(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString InputUnit(const InputScaling& scaling, int input) {
    const std::int32_t type = input == 1 ? scaling.Input1Type : scaling.Input2Type;
    if (type >= kFirstLinearType) return {};
    switch (scaling.TempUnit) {
        case 0:
            return QStringLiteral("°C");
        case 1:
            return QStringLiteral("°F");
        case 2:
            return QStringLiteral("K");
    }
    return {};
}

QJsonObject StatusBody(const StationStatus& status, bool online, const OutboxCounters& outbox) {
    return {{QStringLiteral("online"), online},
            {QStringLiteral("version"), status.version},
            {QStringLiteral("port"), status.port},
            {QStringLiteral("device"), status.device},
            {QStringLiteral("address"), status.address},
            {QStringLiteral("link"), LinkObject(status.link)},
            {QStringLiteral("outbox"),
             QJsonObject{
                 {QStringLiteral("waiting"), static_cast<qint64>(outbox.waiting)},
                 {QStringLiteral("dropped"), static_cast<qint64>(outbox.dropped)},
                 {QStringLiteral("droppedHistory"), static_cast<qint64>(outbox.droppedHistory)}}}};
}

QJsonObject LiveBody(const LiveSample& sample) {
    QJsonObject body{{QStringLiteral("link"), LinkObject(sample.link)}};
    if (!sample.valid) return body;
    QJsonArray values;
    for (std::size_t i = 0; i < kValues.size(); ++i) {
        const ValueName& v = kValues[i];
        const QString unit =
            v.input ? InputUnit(sample.scaling, v.input) : QString::fromUtf8(v.unit);
        values.append(QJsonObject{{QStringLiteral("name"), QString::fromLatin1(v.name)},
                                  {QStringLiteral("caption"), QString::fromUtf8(v.caption)},
                                  {QStringLiteral("unit"), unit},
                                  {QStringLiteral("value"), Number(sample.values[i])}});
    }
    body.insert(QStringLiteral("values"), values);
    return body;
}

QJsonObject HistoryBody(const LiveSample& sample) {
    QJsonObject body = LiveBody(sample);
    body.insert(QStringLiteral("late"), true);
    return body;
}

QJsonObject SettingsBody(const StationSettings& settings) {
    InputScaling scaling;
    scaling.TempUnit = settings.tempUnit;
    scaling.Input1Type = settings.input1.type;
    scaling.Input2Type = settings.input2.type;
    QJsonObject input1 = InputObject(settings.input1);
    input1.insert(QStringLiteral("unit"), InputUnit(scaling, 1));
    QJsonObject input2 = InputObject(settings.input2);
    input2.insert(QStringLiteral("unit"), InputUnit(scaling, 2));
    return {{QStringLiteral("tempUnit"), settings.tempUnit},
            {QStringLiteral("input1"), input1},
            {QStringLiteral("input2"), input2},
            {QStringLiteral("curve"), settings.curve}};
}

QJsonObject JournalBody(const JournalRecord& record) {
    QJsonObject body{
        {QStringLiteral("entry"), static_cast<qint64>(record.id)},
        {QStringLiteral("window"), record.window},
        {QStringLiteral("kind"), record.coil ? QStringLiteral("coil") : QStringLiteral("register")},
        {QStringLiteral("number"), record.number},
        {QStringLiteral("caption"), record.caption},
        {QStringLiteral("value"), record.value},
        {QStringLiteral("entered"), record.entered},
        {QStringLiteral("result"), record.result},
        {QStringLiteral("code"), record.code}};
    body.insert(QStringLiteral("before"),
                record.before.isEmpty() ? QJsonValue() : QJsonValue(record.before));
    body.insert(QStringLiteral("retryResult"),
                record.retried ? QJsonValue(record.retryResult) : QJsonValue());
    return body;
}

}  // namespace vt
