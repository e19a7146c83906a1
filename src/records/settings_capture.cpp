#include "settings_capture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QtEndian>

#include "controller_link.h"

namespace vt {

namespace {

constexpr int kMaxBlock = 64;
constexpr int kRegistersPerSegment = 8;

void AddSpan(std::vector<ReadBlock>& blocks, const RegisterSpan& span) {
    for (std::int32_t first = span.first; first <= span.last(); first += kMaxBlock)
        blocks.push_back({first, std::min(kMaxBlock, span.last() - first + 1)});
}

// The registers of `span` out of the replies, or nothing when one of them is missing.
std::vector<std::int32_t> Gather(const std::vector<ReadBlock>& blocks,
                                 const std::vector<LinkReply>& replies, const RegisterSpan& span) {
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < blocks.size() && i < replies.size(); ++i) {
        if (!span.contains(blocks[i].first)) continue;
        if (!replies[i].ok() || static_cast<int>(replies[i].values.size()) != blocks[i].count)
            return {};
        out.insert(out.end(), replies[i].values.begin(), replies[i].values.end());
    }
    return static_cast<int>(out.size()) == span.count ? out : std::vector<std::int32_t>{};
}

QJsonArray Numbers(const std::vector<std::int32_t>& values) {
    QJsonArray array;
    for (std::int32_t v : values) array.append(v);
    return array;
}

QString Version() {
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral(VT_STATION_VERSION) : v;
}

}  // namespace

std::vector<ReadBlock> CaptureBlocks() {
    std::vector<ReadBlock> blocks;
    AddSpan(blocks, Area::Configuration);
    AddSpan(blocks, Area::PidParameters);
    AddSpan(blocks, Area::AlarmSettings);
    AddSpan(blocks, Area::GroupLimits);
    AddSpan(blocks, Area::GroupPid);
    blocks.push_back({Run::CurveNumber.number, 1});
    AddSpan(blocks, Area::ProgramParameters);
    AddSpan(blocks, Area::Segments);
    return blocks;
}

QString SettingsFingerprint(const std::vector<ReadBlock>& blocks,
                            const std::vector<LinkReply>& replies) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i >= replies.size() || !replies[i].ok() ||
            static_cast<int>(replies[i].values.size()) != blocks[i].count)
            return {};
        hash.addData(QStringLiteral("%1:%2:").arg(blocks[i].first).arg(blocks[i].count).toLatin1());
        for (std::int32_t v : replies[i].values) {
            const qint32 le = qToLittleEndian<qint32>(v);
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(&le), sizeof le));
        }
    }
    return QString::fromLatin1(hash.result().toHex());
}

QJsonObject CapturePayload(const QString& phase, const ControllerState& state,
                           const std::vector<LinkReply>& replies) {
    const std::vector<ReadBlock> blocks = CaptureBlocks();
    QJsonObject o;
    o.insert(QStringLiteral("phase"), phase);
    const QString fingerprint = SettingsFingerprint(blocks, replies);
    o.insert(QStringLiteral("complete"), !fingerprint.isEmpty());
    o.insert(QStringLiteral("fingerprint"), fingerprint);
    const auto curve = Gather(blocks, replies, {Run::CurveNumber.number, 1});
    if (!curve.empty()) o.insert(QStringLiteral("curve"), curve.front());
    const auto parameters = Gather(blocks, replies, Area::ProgramParameters);
    if (!parameters.empty()) o.insert(QStringLiteral("parameters"), Numbers(parameters));
    const auto segments = Gather(blocks, replies, Area::Segments);
    if (!segments.empty()) {
        QJsonArray setPoints;
        QJsonArray times;
        for (std::size_t n = 0; n < segments.size(); n += kRegistersPerSegment) {
            setPoints.append(static_cast<double>(RawToValue1(state.Scaling, segments[n])));
            times.append(segments[n + 1]);
        }
        o.insert(QStringLiteral("segments"), Numbers(segments));
        o.insert(QStringLiteral("setPoints"), setPoints);
        o.insert(QStringLiteral("times"), times);
    }
    const InputScaling& s = state.Scaling;
    o.insert(QStringLiteral("scaling"),
             Numbers({s.TempUnit, s.Input1Type, s.Input1Decimals, s.Input2Type, s.Input2Decimals}));
    o.insert(QStringLiteral("version"), Version());
    o.insert(QStringLiteral("port"), state.LinkSettings[PortNumber]);
    o.insert(QStringLiteral("baud"), state.LinkSettings[BaudCode]);
    o.insert(QStringLiteral("address"), state.LinkSettings[SlaveAddress]);
    return o;
}

InputScaling CapturedScaling(const QJsonObject& capture) {
    const QJsonArray s = capture.value(QStringLiteral("scaling")).toArray();
    return {s.at(0).toInt(), s.at(1).toInt(), s.at(2).toInt(), s.at(3).toInt(), s.at(4).toInt()};
}

QString UnitName(const InputScaling& scaling) {
    switch (scaling.TempUnit) {
        case 1:
            return QStringLiteral("°F");
        case 2:
            return QStringLiteral("K");
        default:
            return QStringLiteral("°C");
    }
}

void ReadCapture(ControllerLink& link, const ControllerState& state, const QString& phase,
                 QObject* context, std::function<void(const QJsonObject&)> onDone) {
    ReadBlocksOnce(link, state, CaptureBlocks(), context,
                   [&state, phase, onDone = std::move(onDone)](const std::vector<LinkReply>& r) {
                       onDone(CapturePayload(phase, state, r));
                   });
}

}  // namespace vt
