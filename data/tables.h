// The constant character lists and code tables, compiled in from the text
// files under data/lists/ and data/codes/ when the program is built.
// Pure C++: texts are UTF-16, so a button caption can be compared as it is.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tovrik {

inline constexpr int kPositions = 103;

// One syllable with its characters in panel order: character i (0-based)
// goes to panel button i + 1.
struct ListRow {
    std::u16string_view syllable;
    std::u16string_view characters;
};

// One (character, code) entry of a position's code table.
struct CodeEntry {
    char16_t character;
    std::u16string_view code; // 1 to 4 letters A..Y
};

// The rows of syllable slot s (1..36) in letter order; empty outside 1..36.
std::span<const ListRow> slotRows(int slot);

// The row of slot s whose syllable equals text exactly, or nullptr. Only the
// rows of slot s are searched.
const ListRow *findRow(int slot, std::u16string_view text);

// The table of panel position p (1..103) in syllable order; empty outside.
std::span<const CodeEntry> codeTable(int position);

// The code of the first entry of position p's table whose character equals
// caption exactly; nothing for a blank caption or one of any other length.
std::optional<std::u16string_view> findCode(int position, std::u16string_view caption);

} // namespace tovrik
