#pragma once

#include <QJsonObject>
#include <QString>
#include <array>

namespace vt {

// The fields of a batch's header, in the order the form shows them.
enum class HeaderField { Number, Order, Part, Material, Quantity, Operator, Comment };
inline constexpr int kHeaderFieldCount = 7;

// The key a field is stored under and its caption on the form.
QString HeaderKey(HeaderField field);
QString HeaderCaption(HeaderField field);
// Longest text a field takes; a longer one is refused, never cut.
int HeaderLimit(HeaderField field);

// A batch's header: texts kept exactly as typed.
struct BatchHeader {
    std::array<QString, kHeaderFieldCount> values;

    const QString& value(HeaderField f) const { return values[static_cast<int>(f)]; }
    QString& value(HeaderField f) { return values[static_cast<int>(f)]; }

    QJsonObject toJson() const;
    static BatchHeader fromJson(const QJsonObject& object);
};

// Why `text` cannot stand in `field` (empty when it can).
QString HeaderRefusal(HeaderField field, const QString& text);

}  // namespace vt
