#pragma once

#include <QString>

class QTableView;
class QWidget;

namespace vt {

// A read-only grid of stored records, named `name` (object and accessible name): whole rows
// selected, no row numbers, alternating row colours, rows as high as a line of text.
QTableView* RecordGrid(const QString& name, QWidget* parent = nullptr);

}  // namespace vt
