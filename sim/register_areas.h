#pragma once

namespace vt::sim {

enum class Table { Coil, DiscreteInput, InputRegister, HoldingRegister };

// True when first .. first+count-1 (station numbering) lie inside one area of the controller's
// map. Coils and discrete inputs read as 1..16 (the station reads them as packed 16-bit words;
// 9..16 are always clear), of which only coils 1..8 can be written.
bool InMap(Table table, int first, int count);
bool Writable(Table table, int first, int count);

}  // namespace vt::sim
