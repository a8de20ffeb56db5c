// The syllable table: which pinyin syllables stand under each initial letter
// of the letter list, in slot order. Pure C++; shared by the index window and
// by the build-time data compiler.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tovrik {

struct LetterRow {
    std::string_view letter;                     // "A" .. "Z" (not I, U, V)
    std::span<const std::string_view> syllables; // slot 1 first
};

inline constexpr int kSlots = 36;

// The 23 rows, in letter order.
std::span<const LetterRow> syllableTable();

// The syllables of a letter-list text: exact, case-sensitive. Any text that
// is not one of the 23 letters ("I", "a", "", "AB", ...) gives none.
std::span<const std::string_view> syllablesOf(std::string_view text);

// The syllables that can stand on slot s (1..36): the s-th syllable of every
// row that has one, in letter order. Empty outside 1..36.
std::vector<std::string_view> syllablesOnSlot(int slot);

} // namespace tovrik
