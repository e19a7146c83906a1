#include "entry_text.h"

#include "entry_parse.h"
#include "number_text.h"

namespace vt {

QString NumberText(double value) { return QString::fromStdString(FormatNumber(value)); }

double EntryNumber(const QString& text) { return ParseEntry(text.toStdString()); }

std::int32_t EntryCode(const QString& text) { return RoundHalfEven(EntryNumber(text)); }

QStringList NumberedEntries(int first, int last) {
    QStringList entries;
    for (int n = first; n <= last; ++n) entries << QStringLiteral("%1 ").arg(n);
    return entries;
}

}  // namespace vt
