// The compiled-in data behind tables.h: the rows of each syllable slot and the
// code table of each panel position. The definitions are generated from
// data/lists/ and data/codes/ by tovrik_datac when the library is built.
#pragma once

#include "syllable_table.h"
#include "tables.h"

#include <span>

namespace tovrik::data {

// kSlotRows[s - 1]: the rows of slot s in letter order.
extern const std::span<const ListRow> kSlotRows[kSlots];

// kCodeTables[p - 1]: the table of position p in syllable order.
extern const std::span<const CodeEntry> kCodeTables[kPositions];

} // namespace tovrik::data
