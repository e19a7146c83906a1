#include "batch_header.h"

namespace vt {

namespace {

struct FieldInfo {
    const char* key;
    const char16_t* caption;
    int limit;
};

constexpr FieldInfo kFields[kHeaderFieldCount] = {
    {"number", u"批次号", 40},  {"order", u"工单", 100},   {"part", u"零件", 100},
    {"material", u"材料", 100}, {"quantity", u"数量", 40}, {"operator", u"操作员", 60},
    {"comment", u"备注", 500},
};

const FieldInfo& Info(HeaderField field) { return kFields[static_cast<int>(field)]; }

}  // namespace

QString HeaderKey(HeaderField field) { return QString::fromLatin1(Info(field).key); }
QString HeaderCaption(HeaderField field) { return QString::fromUtf16(Info(field).caption); }
int HeaderLimit(HeaderField field) { return Info(field).limit; }

QJsonObject BatchHeader::toJson() const {
    QJsonObject object;
    for (int i = 0; i < kHeaderFieldCount; ++i)
        object.insert(HeaderKey(static_cast<HeaderField>(i)), values[i]);
    return object;
}

BatchHeader BatchHeader::fromJson(const QJsonObject& object) {
    BatchHeader header;
    for (int i = 0; i < kHeaderFieldCount; ++i)
        header.values[i] = object.value(HeaderKey(static_cast<HeaderField>(i))).toString();
    return header;
}

QString HeaderRefusal(HeaderField field, const QString& text) {
    if (text.size() > HeaderLimit(field))
        return QStringLiteral("%1 太长: 最多 %2 个字符")
            .arg(HeaderCaption(field))
            .arg(HeaderLimit(field));
    if (field == HeaderField::Number && text.trimmed().isEmpty())
        return QStringLiteral("批次号不能为空");
    return {};
}

}  // namespace vt
