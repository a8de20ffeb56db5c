// The constant character lists and code tables, compiled in from the text
// files under data/lists/ and data/codes/ when the program is built.
// Pure C++: texts are UTF-16, so a button caption can be compared as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace tovrik {

inline constexpr int kPositions = 103;

// One syllable with its characters in panel order: character i (0-based)
// goes to panel button i + 1. The views point into the compiled-in data.
struct ListRow {
    std::u16string_view syllable;
    std::u16string_view characters;
};

// One (character, code) entry of a position's code table.
struct CodeEntry {
    char16_t character;
    std::u16string_view code; // 1 to 4 letters A..Y
};

namespace data {

// How the data is laid out. Every text is a stretch of one UTF-16 array,
// kText; the rows and entries hold offsets and lengths into it. The data
// holds no pointers, so the loader has nothing to relocate: it stays in
// read-only pages shared by every process.
extern const char16_t kText[];

struct PackedRow {
    std::uint32_t syllable;   // offset in kText
    std::uint32_t characters; // offset in kText
    std::uint16_t syllableLength;
    std::uint16_t characterCount;
};

struct PackedEntry {
    char16_t character;
    std::uint16_t codeLength;
    std::uint32_t code; // offset in kText
};

inline ListRow unpack(const PackedRow &row)
{
    return {{kText + row.syllable, row.syllableLength}, {kText + row.characters, row.characterCount}};
}

inline CodeEntry unpack(const PackedEntry &entry)
{
    return {entry.character, {kText + entry.code, entry.codeLength}};
}

} // namespace data

// The rows of a slot or the entries of a position's table, in order: a range
// of ListRow or CodeEntry values made on access from the compiled-in data.
template <typename Packed> class Table {
public:
    using value_type = decltype(data::unpack(std::declval<const Packed &>()));

    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Table::value_type;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = value_type;

        iterator() = default;
        explicit iterator(const Packed *at) : at_(at) {}
        value_type operator*() const { return data::unpack(*at_); }
        iterator &operator++()
        {
            ++at_;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const iterator &) const = default;

    private:
        const Packed *at_ = nullptr;
    };

    Table() = default;
    Table(const Packed *first, std::size_t count) : first_(first), count_(count) {}

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    value_type operator[](std::size_t i) const { return data::unpack(first_[i]); }
    value_type front() const { return (*this)[0]; }
    value_type back() const { return (*this)[count_ - 1]; }
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(first_ + count_); }

private:
    const Packed *first_ = nullptr;
    std::size_t count_ = 0;
};

using SlotRows = Table<data::PackedRow>;
using CodeTable = Table<data::PackedEntry>;

// The rows of syllable slot s (1..36) in letter order; empty outside 1..36.
SlotRows slotRows(int slot);

// The row of slot s whose syllable equals text exactly, or nothing. Only the
// rows of slot s are searched.
std::optional<ListRow> findRow(int slot, std::u16string_view text);

// The table of panel position p (1..103) in syllable order; empty outside.
CodeTable codeTable(int position);

// The code of the first entry of position p's table whose character equals
// caption exactly; nothing for a blank caption or one of any other length.
std::optional<std::u16string_view> findCode(int position, std::u16string_view caption);

} // namespace tovrik
