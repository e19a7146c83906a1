#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace vt {

// Numbers in the texts the operator reads and types.

// A value as the operator reads it (FormatNumber: 45.6, 100, 1.234568E+07).
QString NumberText(double value);

// The number at the start of an entry box's or selector entry's text, full-width digits, signs
// and point read as their ASCII forms; 0 without one.
double EntryNumber(const QString& text);
// That number rounded half to even: the code of a selector entry such as "3: 38400 BPS".
std::int32_t EntryCode(const QString& text);

// Selector entries "first ", ..., "last " (each number followed by a blank).
QStringList NumberedEntries(int first, int last);

}  // namespace vt
