#include "image_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <limits>

namespace vt {

namespace {

const QString kFormat = QStringLiteral("VT5800 controller image");
constexpr int kFormatVersion = 1;
// An image is some 60 KB; checking this much takes the user-interface thread a few milliseconds.
constexpr qint64 kMaxFileBytes = 256 * 1024;

// The value as JSON text, strings quoted and escaped.
QByteArray JsonText(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QJsonObject LineObject(const ImageOrigin& origin) {
    return {{QStringLiteral("port"), origin.port},
            {QStringLiteral("device"), origin.device},
            {QStringLiteral("baudCode"), origin.baudCode},
            {QStringLiteral("parityCode"), origin.parityCode},
            {QStringLiteral("slave"), origin.slave}};
}

QJsonObject ScalingObject(const InputScaling& s) {
    return {{QStringLiteral("TempUnit"), s.TempUnit},
            {QStringLiteral("Input1Type"), s.Input1Type},
            {QStringLiteral("Input1Decimals"), s.Input1Decimals},
            {QStringLiteral("Input2Type"), s.Input2Type},
            {QStringLiteral("Input2Decimals"), s.Input2Decimals}};
}

QByteArray RegisterLine(const ControllerImage& image, std::size_t index) {
    const ImageRegister& reg = ImageRegisters()[index];
    return "    {\"area\": " + JsonText(AreaKey(reg.area)) +
           ", \"register\": " + QByteArray::number(reg.reg()) +
           ", \"caption\": " + JsonText(reg.caption) +
           ", \"raw\": " + QByteArray::number(image.raw(index)) +
           ", \"shown\": " + JsonText(image.shownText(index)) + "}";
}

// Why a file is refused, said once for every check.
ImageLoad Refused(const QString& why) { return {std::nullopt, why}; }

std::optional<std::int32_t> Integer(const QJsonValue& value, double low, double high) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < low || number > high) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> AnyInteger(const QJsonValue& value) {
    return Integer(value, std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max());
}

std::optional<ImageOrigin> OriginOf(const QJsonObject& root) {
    const QJsonValue saved = root.value(QStringLiteral("saved"));
    const QJsonValue version = root.value(QStringLiteral("stationVersion"));
    const QJsonObject line = root.value(QStringLiteral("line")).toObject();
    const QJsonValue device = line.value(QStringLiteral("device"));
    const auto port = AnyInteger(line.value(QStringLiteral("port")));
    const auto baud = AnyInteger(line.value(QStringLiteral("baudCode")));
    const auto parity = AnyInteger(line.value(QStringLiteral("parityCode")));
    const auto slave = AnyInteger(line.value(QStringLiteral("slave")));
    ImageOrigin origin;
    origin.saved = QDateTime::fromString(saved.toString(), Qt::ISODate);
    if (!saved.isString() || !origin.saved.isValid() || !version.isString() || !device.isString() ||
        !port || !baud || !parity || !slave)
        return std::nullopt;
    origin.stationVersion = version.toString();
    origin.device = device.toString();
    origin.port = *port;
    origin.baudCode = *baud;
    origin.parityCode = *parity;
    origin.slave = *slave;
    return origin;
}

// Fills `image` from the register list; returns why the list is refused, empty when it holds
// every register of the map once, each in its area with a 16-bit value.
QString ReadRegisters(const QJsonValue& list, ControllerImage& image) {
    const std::vector<ImageRegister>& map = ImageRegisters();
    if (!list.isArray()) return QStringLiteral("没有寄存器表。");
    const QJsonArray registers = list.toArray();
    if (static_cast<std::size_t>(registers.size()) != map.size()) {
        return QStringLiteral("寄存器表有 %1 项，本控制器的映像应有 %2 项。")
            .arg(registers.size())
            .arg(map.size());
    }
    std::vector<bool> seen(map.size(), false);
    for (qsizetype i = 0; i < registers.size(); ++i) {
        const QJsonObject entry = registers[i].toObject();
        const auto number = AnyInteger(entry.value(QStringLiteral("register")));
        const auto index = number ? ImageIndexOf(*number) : std::nullopt;
        if (!index) return QStringLiteral("第 %1 项不是本控制器映像中的寄存器。").arg(i + 1);
        if (seen[*index]) return QStringLiteral("寄存器 %1 出现了两次。").arg(*number);
        seen[*index] = true;
        const ImageRegister& expected = map[*index];
        if (entry.value(QStringLiteral("area")).toString() != AreaKey(expected.area))
            return QStringLiteral("寄存器 %1 应属于区域 %2。")
                .arg(*number)
                .arg(AreaKey(expected.area));
        const auto raw = Integer(entry.value(QStringLiteral("raw")), -32768, 32767);
        if (!raw) return QStringLiteral("寄存器 %1 的原始值不是 16 位整数。").arg(*number);
        if (!entry.value(QStringLiteral("caption")).isString() ||
            !entry.value(QStringLiteral("shown")).isString())
            return QStringLiteral("寄存器 %1 缺少名称或显示值。").arg(*number);
        image.setRaw(*index, *raw);
    }
    return {};
}

bool SameScaling(const QJsonValue& stated, const InputScaling& own) {
    return stated.isObject() && stated.toObject() == ScalingObject(own);
}

}  // namespace

QByteArray ImageJson(const ImageFile& file) {
    const ControllerImage& image = file.image;
    const ImageOrigin& origin = file.origin;
    QByteArray json = "{\n";
    json += "  \"format\": " + JsonText(kFormat) + ",\n";
    json += "  \"formatVersion\": " + QByteArray::number(kFormatVersion) + ",\n";
    json += "  \"saved\": " + JsonText(origin.saved.toString(Qt::ISODate)) + ",\n";
    json += "  \"stationVersion\": " + JsonText(origin.stationVersion) + ",\n";
    json += "  \"line\": " + JsonText(LineObject(origin)) + ",\n";
    json += "  \"scaling\": " + JsonText(ScalingObject(image.scaling())) + ",\n";
    json += "  \"registers\": [\n";
    for (std::size_t i = 0; i < image.size(); ++i) {
        json += RegisterLine(image, i);
        json += i + 1 < image.size() ? ",\n" : "\n";
    }
    json += "  ]\n}\n";
    return json;
}

ImageLoad ParseImage(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Refused(QStringLiteral("文件不是有效的 JSON 文本（第 %1 个字节：%2）。")
                           .arg(error.offset)
                           .arg(error.errorString()));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != kFormat)
        return Refused(QStringLiteral("文件不是 VT5800 参数映像。"));
    const auto version = AnyInteger(root.value(QStringLiteral("formatVersion")));
    if (version != kFormatVersion) return Refused(QStringLiteral("映像格式版本不受支持。"));
    const auto origin = OriginOf(root);
    if (!origin) return Refused(QStringLiteral("文件的保存日期、版本或通讯设置不完整。"));
    ControllerImage image;
    const QString why = ReadRegisters(root.value(QStringLiteral("registers")), image);
    if (!why.isEmpty()) return Refused(why);
    if (!SameScaling(root.value(QStringLiteral("scaling")), image.scaling()))
        return Refused(QStringLiteral("文件记录的输入比例与其配置寄存器不一致。"));
    return {ImageFile{image, *origin}, {}};
}

ImageLoad LoadImageFile(const QString& path) {
    // A device or pipe could deliver without end: only a plain file of an image's size is read.
    if (!QFileInfo(path).isFile()) return Refused(QStringLiteral("所选的不是文件。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("无法打开文件：%1").arg(file.errorString()));
    const QByteArray json = file.read(kMaxFileBytes + 1);
    if (json.size() > kMaxFileBytes) return Refused(QStringLiteral("文件太大，不是参数映像。"));
    return ParseImage(json);
}

QString SaveImageFile(const QString& path, const ImageFile& file) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("无法写入文件：%1").arg(out.errorString());
    const QByteArray json = ImageJson(file);
    if (out.write(json) != json.size() || !out.commit())
        return QStringLiteral("无法写入文件：%1").arg(out.errorString());
    return {};
}

}  // namespace vt
