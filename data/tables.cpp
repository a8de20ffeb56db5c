#include "tables.h"

#include "tables_data.h"

namespace tovrik {

std::span<const ListRow> slotRows(int slot)
{
    if (slot < 1 || slot > kSlots)
        return {};
    return data::kSlotRows[slot - 1];
}

const ListRow *findRow(int slot, std::u16string_view text)
{
    for (const ListRow &row : slotRows(slot))
        if (row.syllable == text)
            return &row;
    return nullptr;
}

std::span<const CodeEntry> codeTable(int position)
{
    if (position < 1 || position > kPositions)
        return {};
    return data::kCodeTables[position - 1];
}

std::optional<std::u16string_view> findCode(int position, std::u16string_view caption)
{
    if (caption.size() != 1)
        return std::nullopt;
    for (const CodeEntry &entry : codeTable(position))
        if (entry.character == caption[0])
            return entry.code;
    return std::nullopt;
}

} // namespace tovrik
