#pragma once

#include <span>

class QWidget;

namespace vt {

struct ConfigTab;
class ParameterRow;

// The page of tab `number` (0..11): its heading `Label3_<number>` above its rows, one row a
// line, or two rows a line with a hint under each column on a tab of paired rows.
QWidget* ConfigTabPage(const ConfigTab& tab, int number, std::span<ParameterRow* const> rows);

// The network block beside the tabs: its rows without hints.
QWidget* NetworkBlock(std::span<ParameterRow* const> rows);

}  // namespace vt
