#include "register_areas.h"

#include <span>

namespace vt::sim {

namespace {

struct Area {
    int first;
    int last;
};

constexpr Area kHolding[] = {{1, 8},       {257, 272},   {4097, 4208}, {4353, 4368},
                             {4609, 4689}, {5121, 5244}, {8193, 8400}};
constexpr Area kInput[] = {{1, 16}, {33, 48}, {4097, 4112}};
constexpr Area kBitsRead[] = {{1, 16}};
constexpr Area kCoilsWrite[] = {{1, 8}};

bool InAreas(std::span<const Area> areas, int first, int count) {
    if (count < 1) return false;
    const int last = first + count - 1;
    for (const Area& a : areas) {
        if (first >= a.first && last <= a.last) return true;
    }
    return false;
}

std::span<const Area> ReadAreas(Table table) {
    switch (table) {
        case Table::HoldingRegister:
            return kHolding;
        case Table::InputRegister:
            return kInput;
        case Table::Coil:
        case Table::DiscreteInput:
            break;
    }
    return kBitsRead;
}

}  // namespace

bool InMap(Table table, int first, int count) { return InAreas(ReadAreas(table), first, count); }

bool Writable(Table table, int first, int count) {
    switch (table) {
        case Table::HoldingRegister:
            return InAreas(kHolding, first, count);
        case Table::Coil:
            return InAreas(kCoilsWrite, first, count);
        case Table::DiscreteInput:
        case Table::InputRegister:
            break;
    }
    return false;
}

}  // namespace vt::sim
