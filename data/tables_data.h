// The compiled-in data behind tables.h: the rows of each syllable slot and the
// code table of each panel position. The definitions are generated from
// data/lists/ and data/codes/ by tovrik_datac when the library is built.
#pragma once

#include "syllable_table.h"
#include "tables.h"

#include <cstdint>

namespace tovrik::data {

// A run of consecutive rows or entries.
struct Range {
    std::uint16_t first;
    std::uint16_t count;
};

// Every row, slot 1 first; kSlotRows[s - 1]: the rows of slot s in letter
// order.
extern const PackedRow kRows[];
extern const Range kSlotRows[kSlots];

// Every entry, position 1 first; kCodeTables[p - 1]: the table of position p
// in syllable order.
extern const PackedEntry kEntries[];
extern const Range kCodeTables[kPositions];

} // namespace tovrik::data
