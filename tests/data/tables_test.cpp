// The compiled-in character lists and code tables, through the lookups the
// user interface uses, and the syllable table they are arranged by.
#include "syllable_table.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tovrik {
namespace {

std::u16string ascii16(std::string_view s)
{
    return std::u16string(s.begin(), s.end());
}

// ---------------------------------------------------------------------------
// Syllable table

TEST(SyllableTable, TextsWithoutARowGiveNoSyllables)
{
    for (const char *text : {"I", "U", "V", "a", "", "AB", "A "})
        EXPECT_TRUE(syllablesOf(text).empty()) << '"' << text << '"';
}

TEST(SyllableTable, RowsOfZAndO)
{
    const auto z = syllablesOf("Z");
    ASSERT_EQ(z.size(), 36u);
    EXPECT_EQ(z.front(), "za");
    EXPECT_EQ(z.back(), "zuo");

    const auto o = syllablesOf("O");
    ASSERT_EQ(o.size(), 2u);
    EXPECT_EQ(o[0], "o");
    EXPECT_EQ(o[1], "ou");

    EXPECT_EQ(syllablesOf("C").size(), 34u);
    EXPECT_EQ(syllablesOf("S").size(), 34u);
}

TEST(SyllableTable, SlotSizesAndEverySyllableOnce)
{
    constexpr std::array<std::size_t, kSlots> sizes{
        23, 23, 22, 22, 21, 20, 20, 20, 20, 18, 18, 18, 18, 18, 14, 13, 12, 11,
        10, 7,  6,  5,  5,  5,  5,  3,  3,  3,  3,  3,  3,  3,  3,  3,  1,  1,
    };
    std::size_t total = 0;
    for (int s = 1; s <= kSlots; ++s) {
        EXPECT_EQ(syllablesOnSlot(s).size(), sizes[s - 1]) << "slot " << s;
        total += syllablesOnSlot(s).size();
    }
    EXPECT_EQ(total, 403u);
    EXPECT_TRUE(syllablesOnSlot(0).empty());
    EXPECT_TRUE(syllablesOnSlot(37).empty());
    EXPECT_EQ(syllablesOnSlot(1).front(), "a");
    EXPECT_EQ(syllablesOnSlot(1).back(), "za");
    ASSERT_EQ(syllablesOnSlot(36).size(), 1u);
    EXPECT_EQ(syllablesOnSlot(36)[0], "zuo");
}

// ---------------------------------------------------------------------------
// Character lists

TEST(CharacterLists, EachSlotHoldsItsSyllablesInLetterOrder)
{
    // Characters per slot, slot 1 first.
    constexpr std::array<std::size_t, kSlots> characters{
        456, 345, 468, 316, 421, 444, 174, 290, 428, 286, 393, 387, 272, 179, 281, 207, 283, 197,
        177, 132, 103, 34,  16,  31,  58,  25,  54,  48,  55,  43,  20,  43,  18,  35,  5,   16,
    };
    std::size_t total = 0;
    for (int s = 1; s <= kSlots; ++s) {
        const auto rows = slotRows(s);
        const auto syllables = syllablesOnSlot(s);
        ASSERT_EQ(rows.size(), syllables.size()) << "slot " << s;
        std::size_t n = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].syllable, ascii16(syllables[i])) << "slot " << s << " row " << i;
            EXPECT_GE(rows[i].characters.size(), 1u);
            EXPECT_LE(rows[i].characters.size(), 103u);
            n += rows[i].characters.size();
        }
        EXPECT_EQ(n, characters[s - 1]) << "slot " << s;
        total += n;
    }
    EXPECT_EQ(total, 6740u);
    EXPECT_TRUE(slotRows(0).empty());
    EXPECT_TRUE(slotRows(37).empty());
}

TEST(CharacterLists, FindRowIsExactAndKeepsToItsSlot)
{
    const auto a = findRow(1, u"a");
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->syllable, u"a");
    EXPECT_EQ(a->characters, u"啊阿呵吖锕腌嗄");

    for (const char16_t *text : {u"A", u"a ", u"ai", u"", u" a"})
        EXPECT_FALSE(findRow(1, text).has_value());
    EXPECT_TRUE(findRow(2, u"ai").has_value());
    EXPECT_FALSE(findRow(2, u"a").has_value());
    EXPECT_FALSE(findRow(0, u"a").has_value());
    EXPECT_FALSE(findRow(37, u"zuo").has_value());
    EXPECT_TRUE(findRow(36, u"zuo").has_value());
    EXPECT_FALSE(findRow(35, u"zuo").has_value());
}

TEST(CharacterLists, LongestRows)
{
    const auto yi = findRow(6, u"yi");
    ASSERT_TRUE(yi.has_value());
    EXPECT_EQ(yi->characters.size(), 103u);
    const auto ji = findRow(1, u"ji");
    ASSERT_TRUE(ji.has_value());
    EXPECT_EQ(ji->characters.size(), 100u);

    std::size_t longest = 0;
    for (int s = 1; s <= kSlots; ++s)
        for (const ListRow &row : slotRows(s))
            if (row.syllable != u"yi")
                longest = std::max(longest, row.characters.size());
    EXPECT_EQ(longest, 100u);
}

TEST(CharacterLists, RepeatsAreKept)
{
    const auto xi = findRow(1, u"xi");
    ASSERT_TRUE(xi.has_value());
    ASSERT_GE(xi->characters.size(), 66u);
    EXPECT_EQ(xi->characters[6], u'晰');
    EXPECT_EQ(xi->characters[65], u'晰');
}

// ---------------------------------------------------------------------------
// Code tables

TEST(CodeTables, EachTableIsItsColumnOfTheLists)
{
    constexpr std::array<std::size_t, kPositions> sizes{
        403, 386, 370, 354, 339, 325, 306, 289, 272, 259, 243, 225, 212, 195, 187, 171, 156, 145,
        133, 125, 116, 104, 97,  90,  85,  71,  62,  56,  53,  51,  48,  44,  42,  37,  33,  33,
        33,  30,  30,  27,  24,  21,  19,  18,  17,  17,  16,  15,  15,  15,  14,  14,  13,  13,
        12,  12,  12,  12,  12,  11,  10,  10,  9,   9,   9,   9,   9,   9,   9,   8,   8,   7,
        7,   7,   7,   5,   5,   4,   4,   4,   4,   3,   3,   3,   3,   3,   3,   3,   2,   2,
        2,   2,   2,   2,   2,   2,   2,   2,   2,   2,   1,   1,   1,
    };
    std::array<std::size_t, kPositions> filled{};
    for (const LetterRow &letter : syllableTable()) {
        for (std::size_t s = 0; s < letter.syllables.size(); ++s) {
            const auto row = findRow(static_cast<int>(s) + 1, ascii16(letter.syllables[s]));
            ASSERT_TRUE(row.has_value()) << letter.syllables[s];
            for (std::size_t i = 0; i < row->characters.size(); ++i) {
                const auto table = codeTable(static_cast<int>(i) + 1);
                ASSERT_LT(filled[i], table.size()) << "position " << i + 1;
                EXPECT_EQ(table[filled[i]++].character, row->characters[i])
                    << letter.syllables[s] << " at position " << i + 1;
            }
        }
    }
    for (int p = 1; p <= kPositions; ++p) {
        EXPECT_EQ(codeTable(p).size(), sizes[p - 1]) << "position " << p;
        EXPECT_EQ(filled[p - 1], sizes[p - 1]) << "position " << p;
        for (const CodeEntry &e : codeTable(p)) {
            EXPECT_TRUE(e.code.size() >= 1 && e.code.size() <= 4) << "position " << p;
            for (char16_t c : e.code)
                EXPECT_TRUE(c >= u'A' && c <= u'Y') << "position " << p;
        }
    }
    EXPECT_TRUE(codeTable(0).empty());
    EXPECT_TRUE(codeTable(104).empty());
}

TEST(CodeTables, TheTwentySixOneLetterEntries)
{
    struct Case {
        char16_t character;
        std::u16string_view code;
        int position;
        std::size_t entry; // from 1 within the table
    };
    constexpr Case cases[] = {
        {u'工', u"A", 1, 99},   {u'了', u"B", 3, 156},  {u'了', u"B", 9, 121},  {u'以', u"C", 26, 62},
        {u'在', u"D", 7, 281},  {u'有', u"E", 12, 204}, {u'地', u"F", 27, 5},   {u'一', u"G", 1, 358},
        {u'上', u"H", 6, 231},  {u'不', u"I", 6, 19},   {u'是', u"J", 11, 172}, {u'中', u"K", 1, 386},
        {u'国', u"L", 3, 101},  {u'同', u"M", 5, 266},  {u'民', u"N", 1, 199},  {u'为', u"O", 47, 9},
        {u'这', u"P", 9, 257},  {u'我', u"Q", 5, 279},  {u'的', u"R", 3, 60},   {u'要', u"S", 14, 170},
        {u'和', u"T", 11, 72},  {u'产', u"U", 8, 23},   {u'发', u"V", 1, 81},   {u'人', u"W", 3, 244},
        {u'经', u"X", 11, 89},  {u'主', u"Y", 38, 30},
    };
    for (const Case &c : cases) {
        const auto table = codeTable(c.position);
        ASSERT_GE(table.size(), c.entry) << "position " << c.position << " entry " << c.entry;
        EXPECT_EQ(table[c.entry - 1].character, c.character) << "position " << c.position << " entry " << c.entry;
        EXPECT_EQ(table[c.entry - 1].code, c.code);
        EXPECT_EQ(findCode(c.position, std::u16string_view(&c.character, 1)), c.code);
    }

    int oneLetter = 0;
    for (int p = 1; p <= kPositions; ++p)
        for (const CodeEntry &e : codeTable(p))
            oneLetter += e.code.size() == 1;
    EXPECT_EQ(oneLetter, 26);
}

TEST(CodeTables, FindCodeAnswersFromItsPositionOnly)
{
    struct Case {
        int position;
        std::u16string_view caption;
        std::u16string_view code;
    };
    const Case cases[] = {
        {1, u"一", u"G"},     {1, u"中", u"K"},     {1, u"发", u"V"},
        {1, u"蝥", u"CNHJ"},  {2, u"蟊", u"CNHJ"},
        {7, u"晰", u"JSR"},   {66, u"晰", u"JSR"},
        {10, u"糊", u"ODE"},  {33, u"糊", u"ODE"},
        {11, u"噱", u"KHGE"}, {22, u"噱", u"KHGE"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findCode(c.position, c.caption), c.code) << "position " << c.position;

    // Each of these stands elsewhere, but not in the table that is asked.
    EXPECT_EQ(findCode(1, u"噱"), std::nullopt);
    EXPECT_EQ(findCode(1, u"晰"), std::nullopt);
    EXPECT_EQ(findCode(2, u"蝥"), std::nullopt);
}

TEST(CodeTables, FirstOfTwoEqualEntriesAnswers)
{
    // 戆 stands twice at position 10: under "gang" (entry 63) and "zhuang"
    // (entry 253). The entry of "gang" answers.
    const auto table = codeTable(10);
    ASSERT_EQ(table.size(), 259u);
    EXPECT_EQ(table[62].character, u'戆');
    EXPECT_EQ(table[252].character, u'戆');
    const auto code = findCode(10, u"戆");
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, u"UJTN");
    EXPECT_EQ(code->data(), table[62].code.data());
}

TEST(CodeTables, BlankAndLongerCaptionsFindNothing)
{
    for (int p = 1; p <= kPositions; ++p)
        EXPECT_EQ(findCode(p, u""), std::nullopt) << "position " << p;
    ASSERT_TRUE(findCode(1, u"一").has_value());
    EXPECT_EQ(findCode(1, u"一中"), std::nullopt);
    EXPECT_EQ(findCode(1, u"一 "), std::nullopt);
    EXPECT_EQ(findCode(0, u"一"), std::nullopt);
    EXPECT_EQ(findCode(104, u"一"), std::nullopt);
}

} // namespace
} // namespace tovrik
