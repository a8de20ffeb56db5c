// tovrik_datac: the build-time data compiler.
//
// Reads the character lists (data/lists/), the code tables (data/codes/), the
// pinned entries (tools/pins.txt) and the code-length count targets
// (tools/counts.txt), checks them against the syllable table and against each
// other, and writes one C++ source file holding all of it as constant data.
// Every violation is printed as "file:line: reason"; any violation makes the
// tool exit non-zero without writing its output, which stops the build.
//
// Usage:
//   tovrik_datac --lists L1 L2 L3 --codes C1 C2 C3 --pins PINS --counts COUNTS
//                --output OUT.cpp

#include "syllable_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using tovrik::kSlots;
constexpr int kPositions = 103;
constexpr int kMaxRow = 103;
constexpr int kOneLetterEntries = 26;

// The slots held by each of the three lists files, and the positions held by
// each of the three codes files.
constexpr std::array<std::pair<int, int>, 3> kSlotShares{{{1, 6}, {7, 14}, {15, 36}}};
constexpr std::array<std::pair<int, int>, 3> kPositionShares{{{1, 9}, {10, 19}, {20, 103}}};

// Entries per code table, position 1 first: the syllables whose list reaches
// that position.
constexpr std::array<int, kPositions> kTableSizes{
    403, 386, 370, 354, 339, 325, 306, 289, 272, 259, 243, 225, 212, 195, 187, 171, 156, 145,
    133, 125, 116, 104, 97,  90,  85,  71,  62,  56,  53,  51,  48,  44,  42,  37,  33,  33,
    33,  30,  30,  27,  24,  21,  19,  18,  17,  17,  16,  15,  15,  15,  14,  14,  13,  13,
    12,  12,  12,  12,  12,  11,  10,  10,  9,   9,   9,   9,   9,   9,   9,   8,   8,   7,
    7,   7,   7,   5,   5,   4,   4,   4,   4,   3,   3,   3,   3,   3,   3,   3,   2,   2,
    2,   2,   2,   2,   2,   2,   2,   2,   2,   2,   1,   1,   1,
};

// ---------------------------------------------------------------------------
// Diagnostics

class Diagnostics {
public:
    void error(const std::string &file, int line, const std::string &reason)
    {
        if (++count_ <= kShown)
            std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), line, reason.c_str());
        else if (count_ == kShown + 1)
            std::fprintf(stderr, "%s:%d: too many errors; stopping the report here\n",
                         file.c_str(), line);
    }
    int count() const { return count_; }

private:
    static constexpr int kShown = 100;
    int count_ = 0;
};

Diagnostics diag;

struct Place {
    std::string file;
    int line = 0;
    std::string str() const { return file + ":" + std::to_string(line); }
};

// ---------------------------------------------------------------------------
// Text helpers

struct TextFile {
    std::string path;
    std::vector<std::string> lines; // without line ends
};

std::optional<TextFile> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        diag.error(path, 1, "cannot open the file");
        return std::nullopt;
    }
    TextFile f{path, {}};
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        f.lines.push_back(line);
    }
    return f;
}

bool ignorable(const std::string &line)
{
    return line.empty() || line[0] == '#';
}

// Decodes UTF-8; nullopt for malformed text.
std::optional<std::u32string> decodeUtf8(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else {
            return std::nullopt;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size())
                return std::nullopt;
            const auto cb = static_cast<unsigned char>(s[i + k]);
            if ((cb & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (cb & 0x3F);
        }
        constexpr char32_t kMinOf[] = {0, 0x80, 0x800, 0x10000};
        if (c < kMinOf[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out.push_back(c);
        i += 1 + extra;
    }
    return out;
}

std::string encodeUtf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// A character of the lists and tables: one UTF-16 code unit in the CJK
// unified ideographs block, where every GB2312 character stands.
bool isHanzi(char32_t c)
{
    return c >= 0x4E00 && c <= 0x9FFF;
}

bool isCodeLetter(char c)
{
    return c >= 'A' && c <= 'Y';
}

// "Why is this not a code", or empty for a valid code.
std::string codeFault(const std::string &code)
{
    if (code.empty())
        return "no code";
    if (code.size() > 4)
        return "code '" + code + "' has " + std::to_string(code.size()) +
               " letters; a code has 1 to 4";
    for (char c : code)
        if (!isCodeLetter(c))
            return "code '" + code + "' has a character other than the letters A to Y";
    return {};
}

// Parses "N: rest" with N a decimal number without leading zeros.
std::optional<std::pair<int, std::string>> splitNumbered(const std::string &line)
{
    std::size_t i = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        ++i;
    if (i == 0 || i > 3 || (i > 1 && line[0] == '0') || line.compare(i, 2, ": ") != 0)
        return std::nullopt;
    return std::make_pair(std::stoi(line.substr(0, i)), line.substr(i + 2));
}

// Splits on single blanks; a doubled, leading or trailing blank gives an
// empty token.
std::vector<std::string> splitBlanks(const std::string &s)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto end = s.find(' ', start);
        out.push_back(s.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return out;
}

struct Entry {
    char32_t character = 0;
    std::string code;
};

// Parses one "字CODE" token; reports and returns nullopt when it is bad.
std::optional<Entry> parseEntry(const std::string &token, const Place &at)
{
    if (token.empty()) {
        diag.error(at.file, at.line, "stray blank between entries");
        return std::nullopt;
    }
    const auto text = decodeUtf8(token);
    if (!text) {
        diag.error(at.file, at.line, "entry '" + token + "' is not valid UTF-8");
        return std::nullopt;
    }
    if (!isHanzi((*text)[0])) {
        diag.error(at.file, at.line, "entry '" + token + "' does not begin with a Chinese character");
        return std::nullopt;
    }
    std::string code;
    for (std::size_t i = 1; i < text->size(); ++i) {
        const char32_t c = (*text)[i];
        code += c < 0x80 ? static_cast<char>(c) : '?';
    }
    if (const auto fault = codeFault(code); !fault.empty()) {
        diag.error(at.file, at.line, "entry '" + token + "': " + fault);
        return std::nullopt;
    }
    return Entry{(*text)[0], code};
}

std::string showChar(char32_t c)
{
    return encodeUtf8(c);
}

// ---------------------------------------------------------------------------
// Character lists

struct ListRow {
    std::string syllable;
    std::u32string characters;
    Place at;
};

struct SyllableInfo {
    int letter = 0; // index into syllableTable()
    int slot = 0;
};

std::map<std::string, SyllableInfo, std::less<>> syllableIndex()
{
    std::map<std::string, SyllableInfo, std::less<>> index;
    const auto table = tovrik::syllableTable();
    for (std::size_t l = 0; l < table.size(); ++l)
        for (std::size_t s = 0; s < table[l].syllables.size(); ++s)
            index[std::string(table[l].syllables[s])] = {static_cast<int>(l), static_cast<int>(s) + 1};
    return index;
}

struct Lists {
    std::array<std::vector<ListRow>, kSlots + 1> bySlot; // [1..36], in file order
    bool ok = false;
};

Lists readLists(const std::vector<std::string> &paths)
{
    const int errorsBefore = diag.count();
    const auto index = syllableIndex();
    Lists lists;
    std::map<std::string, Place, std::less<>> seen;
    std::array<std::optional<Place>, kSlots + 1> headers;

    for (std::size_t f = 0; f < paths.size(); ++f) {
        const auto [first, last] = kSlotShares[f];
        const auto file = readFile(paths[f]);
        if (!file)
            continue;
        int slot = 0;      // the slot whose rows follow
        int prevLetter = -1;
        int lastHeader = first - 1;
        for (std::size_t n = 0; n < file->lines.size(); ++n) {
            const std::string &line = file->lines[n];
            const Place at{file->path, static_cast<int>(n) + 1};
            if (ignorable(line))
                continue;
            if (line[0] == '[') {
                int s = 0;
                char close = 0;
                std::istringstream in(line.substr(1));
                std::string word;
                if (!(in >> word >> s >> close) || word != "slot" || close != ']' ||
                    line != "[slot " + std::to_string(s) + "]") {
                    diag.error(at.file, at.line, "bad slot header '" + line + "'; expected '[slot N]'");
                    slot = 0;
                    continue;
                }
                if (s < first || s > last) {
                    diag.error(at.file, at.line,
                               "slot " + std::to_string(s) + " does not belong in this file (slots " +
                                   std::to_string(first) + "-" + std::to_string(last) + ")");
                    slot = 0;
                    continue;
                }
                if (s <= lastHeader) {
                    diag.error(at.file, at.line,
                               "slot " + std::to_string(s) + " is out of order or repeated");
                    slot = 0;
                    continue;
                }
                if (s > lastHeader + 1)
                    diag.error(at.file, at.line,
                               "slot " + std::to_string(lastHeader + 1) +
                                   (s > lastHeader + 2 ? " to " + std::to_string(s - 1) : "") +
                                   " is missing");
                lastHeader = s;
                slot = s;
                prevLetter = -1;
                headers[s] = at;
                continue;
            }
            if (slot == 0) {
                diag.error(at.file, at.line, "row outside a valid [slot N] section");
                continue;
            }
            const auto colon = line.find(": ");
            if (colon == std::string::npos) {
                diag.error(at.file, at.line, "bad row; expected 'syllable: characters'");
                continue;
            }
            const std::string syllable = line.substr(0, colon);
            const auto chars = decodeUtf8(std::string_view(line).substr(colon + 2));
            if (!chars) {
                diag.error(at.file, at.line, "the characters of '" + syllable + "' are not valid UTF-8");
                continue;
            }
            bool rowOk = true;
            const auto info = index.find(syllable);
            if (info == index.end()) {
                diag.error(at.file, at.line, "'" + syllable + "' is not a syllable of the syllable table");
                rowOk = false;
            } else if (info->second.slot != slot) {
                diag.error(at.file, at.line,
                           "'" + syllable + "' stands on slot " + std::to_string(info->second.slot) +
                               ", not on slot " + std::to_string(slot));
                rowOk = false;
            } else if (const auto dup = seen.find(syllable); dup != seen.end()) {
                diag.error(at.file, at.line,
                           "'" + syllable + "' stands twice (first at " + dup->second.str() + ")");
                rowOk = false;
            } else if (info->second.letter <= prevLetter) {
                diag.error(at.file, at.line,
                           "'" + syllable + "' is out of letter order on slot " + std::to_string(slot));
                rowOk = false;
            }
            if (chars->empty() || chars->size() > kMaxRow) {
                diag.error(at.file, at.line,
                           "'" + syllable + "' has " + std::to_string(chars->size()) +
                               " characters; a row has 1 to " + std::to_string(kMaxRow));
                rowOk = false;
            }
            for (std::size_t i = 0; i < chars->size(); ++i) {
                if (!isHanzi((*chars)[i])) {
                    diag.error(at.file, at.line,
                               "character " + std::to_string(i + 1) + " of '" + syllable +
                                   "' is not a Chinese character of one UTF-16 unit");
                    rowOk = false;
                    break;
                }
            }
            if (info != index.end() && info->second.slot == slot) {
                seen.emplace(syllable, at);
                prevLetter = std::max(prevLetter, info->second.letter);
            }
            if (rowOk)
                lists.bySlot[slot].push_back({syllable, *chars, at});
        }
        if (lastHeader < last) {
            const int end = std::max<int>(1, static_cast<int>(file->lines.size()));
            diag.error(file->path, end,
                       "slot " + std::to_string(lastHeader + 1) +
                           (last > lastHeader + 1 ? " to " + std::to_string(last) : "") + " is missing");
        }
    }

    // Every syllable has its row, on its own slot.
    for (int s = 1; s <= kSlots; ++s) {
        if (!headers[s])
            continue;
        for (const auto syllable : tovrik::syllablesOnSlot(s))
            if (!seen.count(syllable))
                diag.error(headers[s]->file, headers[s]->line,
                           "slot " + std::to_string(s) + " has no row for '" + std::string(syllable) +
                               "'");
    }
    lists.ok = diag.count() == errorsBefore;
    return lists;
}

// The grid of the lists: one row per syllable in syllable order (letter, then
// slot). Column p of it is the character sequence of code table p.
struct GridCell {
    char32_t character;
    const ListRow *row;
};

std::array<std::vector<GridCell>, kPositions + 1> gridColumns(const Lists &lists)
{
    std::map<std::string_view, const ListRow *> rows;
    for (const auto &slot : lists.bySlot)
        for (const auto &row : slot)
            rows[row.syllable] = &row;
    std::array<std::vector<GridCell>, kPositions + 1> columns;
    for (const auto &letter : tovrik::syllableTable())
        for (const auto syllable : letter.syllables) {
            const ListRow *row = rows.at(syllable);
            for (std::size_t i = 0; i < row->characters.size(); ++i)
                columns[i + 1].push_back({row->characters[i], row});
        }
    return columns;
}

// ---------------------------------------------------------------------------
// Pins and counts

struct Pin {
    std::string code;
    Place at;
};

// (position, character) -> pin
using Pins = std::map<std::pair<int, char32_t>, Pin>;

struct PinFile {
    Pins pins;
    Place end; // the file's last line, for faults of the whole set
};

PinFile readPins(const std::string &path)
{
    PinFile out{{}, {path, 1}};
    const auto file = readFile(path);
    if (!file)
        return out;
    out.end.line = std::max<int>(1, static_cast<int>(file->lines.size()));
    for (std::size_t n = 0; n < file->lines.size(); ++n) {
        const Place at{path, static_cast<int>(n) + 1};
        const std::string &line = file->lines[n];
        if (ignorable(line))
            continue;
        const auto numbered = splitNumbered(line);
        if (!numbered || numbered->first < 1 || numbered->first > kPositions) {
            diag.error(at.file, at.line, "bad line; expected 'position: 字CODE 字CODE ...'");
            continue;
        }
        const int p = numbered->first;
        for (const auto &token : splitBlanks(numbered->second)) {
            const auto entry = parseEntry(token, at);
            if (!entry)
                continue;
            const auto [it, added] = out.pins.try_emplace({p, entry->character}, Pin{entry->code, at});
            if (!added && it->second.code != entry->code)
                diag.error(at.file, at.line,
                           showChar(entry->character) + " at position " + std::to_string(p) +
                               " is pinned to " + it->second.code + " and to " + entry->code);
        }
    }
    return out;
}

struct Count {
    std::array<int, 4> byLength{};
    Place at;
};

std::map<int, Count> readCounts(const std::string &path)
{
    std::map<int, Count> counts;
    const auto file = readFile(path);
    if (!file)
        return counts;
    int prev = 0;
    for (std::size_t n = 0; n < file->lines.size(); ++n) {
        const Place at{path, static_cast<int>(n) + 1};
        const std::string &line = file->lines[n];
        if (ignorable(line))
            continue;
        const auto numbered = splitNumbered(line);
        Count c{{}, at};
        bool ok = numbered.has_value();
        if (ok) {
            std::istringstream in(numbered->second);
            for (int &k : c.byLength)
                ok = ok && (in >> k) && k >= 0;
            std::string rest;
            ok = ok && !(in >> rest);
        }
        if (!ok) {
            diag.error(at.file, at.line, "bad line; expected 'position: n1 n2 n3 n4'");
            continue;
        }
        const int p = numbered->first;
        if (p < 1 || p > kPositions || p <= prev) {
            diag.error(at.file, at.line,
                       "position " + std::to_string(p) + " is out of range, out of order or repeated");
            continue;
        }
        prev = p;
        const int sum = c.byLength[0] + c.byLength[1] + c.byLength[2] + c.byLength[3];
        if (sum != kTableSizes[p - 1])
            diag.error(at.file, at.line,
                       "the counts of position " + std::to_string(p) + " add up to " +
                           std::to_string(sum) + "; its table has " +
                           std::to_string(kTableSizes[p - 1]) + " entries");
        counts[p] = c;
    }
    return counts;
}

// ---------------------------------------------------------------------------
// Code tables

struct CodeTable {
    int position = 0;
    Place at;
    std::vector<Entry> entries;
};

std::string fourCounts(const std::array<int, 4> &n)
{
    return std::to_string(n[0]) + " " + std::to_string(n[1]) + " " + std::to_string(n[2]) + " " +
           std::to_string(n[3]);
}

std::array<std::optional<CodeTable>, kPositions + 1> readCodes(const std::vector<std::string> &paths)
{
    std::array<std::optional<CodeTable>, kPositions + 1> tables;
    for (std::size_t f = 0; f < paths.size(); ++f) {
        const auto [first, last] = kPositionShares[f];
        const auto file = readFile(paths[f]);
        if (!file)
            continue;
        int expected = first;
        for (std::size_t n = 0; n < file->lines.size(); ++n) {
            const Place at{file->path, static_cast<int>(n) + 1};
            const std::string &line = file->lines[n];
            if (ignorable(line))
                continue;
            const auto numbered = splitNumbered(line);
            if (!numbered) {
                diag.error(at.file, at.line, "bad line; expected 'position: 字CODE 字CODE ...'");
                continue;
            }
            const int p = numbered->first;
            if (p < first || p > last) {
                diag.error(at.file, at.line,
                           "table " + std::to_string(p) + " does not belong in this file (positions " +
                               std::to_string(first) + "-" + std::to_string(last) + ")");
                continue;
            }
            if (p < expected) {
                diag.error(at.file, at.line,
                           "table " + std::to_string(p) + " is out of order or repeated");
                continue;
            }
            if (p > expected)
                diag.error(at.file, at.line,
                           "table " + std::to_string(expected) +
                               (p > expected + 1 ? " to " + std::to_string(p - 1) : "") +
                               " is missing");
            expected = p + 1;
            CodeTable table{p, at, {}};
            bool ok = true;
            for (const auto &token : splitBlanks(numbered->second)) {
                const auto entry = parseEntry(token, at);
                ok = ok && entry.has_value();
                if (entry)
                    table.entries.push_back(*entry);
            }
            if (ok)
                tables[p] = std::move(table);
        }
        if (expected <= last) {
            const int end = std::max<int>(1, static_cast<int>(file->lines.size()));
            diag.error(file->path, end,
                       "table " + std::to_string(expected) +
                           (last > expected ? " to " + std::to_string(last) : "") + " is missing");
        }
    }
    return tables;
}

// Each table against column p of the grid: same characters, same order.
void checkAgainstGrid(const std::array<std::optional<CodeTable>, kPositions + 1> &tables,
                      const std::array<std::vector<GridCell>, kPositions + 1> &columns)
{
    for (int p = 1; p <= kPositions; ++p) {
        if (!tables[p])
            continue;
        const auto &t = *tables[p];
        const auto &column = columns[p];
        const std::string where = "position " + std::to_string(p);
        if (t.entries.size() != static_cast<std::size_t>(kTableSizes[p - 1]))
            diag.error(t.at.file, t.at.line,
                       where + " has " + std::to_string(t.entries.size()) + " entries; expected " +
                           std::to_string(kTableSizes[p - 1]));
        if (column.size() != static_cast<std::size_t>(kTableSizes[p - 1]))
            diag.error(t.at.file, t.at.line,
                       "the character lists reach " + where + " in " + std::to_string(column.size()) +
                           " syllables; expected " + std::to_string(kTableSizes[p - 1]));
        const std::size_t common = std::min(t.entries.size(), column.size());
        for (std::size_t i = 0; i < common; ++i) {
            if (t.entries[i].character != column[i].character) {
                diag.error(t.at.file, t.at.line,
                           where + " entry " + std::to_string(i + 1) + " is " +
                               showChar(t.entries[i].character) + "; the character lists put " +
                               showChar(column[i].character) + " there (syllable '" +
                               column[i].row->syllable + "', " + column[i].row->at.str() + ")");
                return;
            }
        }
        if (t.entries.size() != column.size())
            diag.error(t.at.file, t.at.line,
                       where + " has " + std::to_string(t.entries.size()) +
                           " entries; the character lists put " + std::to_string(column.size()) +
                           " characters there");
    }
}

void checkCodes(const std::array<std::optional<CodeTable>, kPositions + 1> &tables,
                const PinFile &pinFile, const std::map<int, Count> &counts)
{
    const Pins &pins = pinFile.pins;

    // Pins name characters that stand where they are pinned.
    for (const auto &[key, pin] : pins) {
        const auto &[p, ch] = key;
        if (!tables[p])
            continue;
        const auto &e = tables[p]->entries;
        if (std::none_of(e.begin(), e.end(), [ch = ch](const Entry &x) { return x.character == ch; }))
            diag.error(pin.at.file, pin.at.line,
                       showChar(ch) + " does not stand at position " + std::to_string(p));
    }

    std::map<char32_t, std::pair<std::string, Place>> codeOf;
    std::map<char, std::pair<char32_t, Place>> oneLetter;
    int oneLetterEntries = 0;

    for (int p = 1; p <= kPositions; ++p) {
        if (!tables[p])
            continue;
        const auto &t = *tables[p];
        const std::string where = "position " + std::to_string(p) + ": ";
        std::array<int, 4> byLength{};
        for (const auto &e : t.entries) {
            const std::string ch = showChar(e.character);
            ++byLength[e.code.size() - 1];

            const auto pin = pins.find({p, e.character});
            if (pin != pins.end() && pin->second.code != e.code)
                diag.error(t.at.file, t.at.line,
                           where + ch + " has code " + e.code + "; it is pinned to " +
                               pin->second.code + " (" + pin->second.at.str() + ")");

            // A character has one code in every table where it stands.
            if (const auto [it, added] = codeOf.try_emplace(e.character, e.code, t.at);
                !added && it->second.first != e.code)
                diag.error(t.at.file, t.at.line,
                           where + ch + " has code " + e.code + " but code " + it->second.first +
                               " at " + it->second.second.str());

            if (e.code.size() == 1) {
                ++oneLetterEntries;
                if (pin == pins.end())
                    diag.error(t.at.file, t.at.line,
                               where + ch + " has the one-letter code " + e.code +
                                   " but is not a pinned entry");
                if (oneLetterEntries > kOneLetterEntries)
                    diag.error(t.at.file, t.at.line,
                               where + ch + " " + e.code + " is one-letter entry " +
                                   std::to_string(oneLetterEntries) + "; there are " +
                                   std::to_string(kOneLetterEntries));
                const auto [it, added] = oneLetter.try_emplace(e.code[0], e.character, t.at);
                if (!added && it->second.first != e.character)
                    diag.error(t.at.file, t.at.line,
                               where + "the one-letter code " + e.code + " of " + ch +
                                   " already belongs to " + showChar(it->second.first) + " (" +
                                   it->second.second.str() + ")");
            }
        }
        if (const auto c = counts.find(p); c != counts.end() && c->second.byLength != byLength)
            diag.error(t.at.file, t.at.line,
                       where + "codes of 1, 2, 3 and 4 letters number " + fourCounts(byLength) +
                           "; " + c->second.at.str() + " asks for " + fourCounts(c->second.byLength));
    }

    // Pinned one-letter entries, the 26 in all.
    for (char letter = 'A'; letter <= 'Y'; ++letter)
        if (!oneLetter.count(letter))
            diag.error(pinFile.end.file, pinFile.end.line,
                       std::string("no character has the one-letter code ") + letter);
    if (oneLetterEntries < kOneLetterEntries)
        diag.error(pinFile.end.file, pinFile.end.line,
                   std::to_string(oneLetterEntries) + " entries have a one-letter code; expected " +
                       std::to_string(kOneLetterEntries));
}

// ---------------------------------------------------------------------------
// Output

std::string u16Escaped(const std::u32string &text)
{
    std::string out;
    char buf[8];
    for (char32_t c : text) {
        std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
        out += buf;
    }
    return out;
}

// The generated data holds no pointers: every text is a stretch of one
// UTF-16 array, and the rows and entries hold offsets into it, so that the
// loader relocates nothing and the pages stay shared (see data/tables.h).
std::string generate(const Lists &lists, const std::array<std::optional<CodeTable>, kPositions + 1> &tables)
{
    std::ostringstream text, rows, slots, entries, positions;
    std::size_t textSize = 0;
    std::size_t rowCount = 0;
    for (int s = 1; s <= kSlots; ++s) {
        slots << (s % 8 == 1 ? "\n    " : " ") << '{' << rowCount << ", " << lists.bySlot[s].size() << "},";
        for (const auto &row : lists.bySlot[s]) {
            // The syllable is ASCII; its characters follow it in the text.
            text << "\n    u\"" << row.syllable << u16Escaped(row.characters) << '"';
            rows << "\n    {" << textSize << ", " << textSize + row.syllable.size() << ", " << row.syllable.size()
                 << ", " << row.characters.size() << "},";
            textSize += row.syllable.size() + row.characters.size();
            ++rowCount;
        }
    }
    std::size_t entryCount = 0;
    for (int p = 1; p <= kPositions; ++p) {
        const auto &table = tables[p]->entries;
        positions << (p % 8 == 1 ? "\n    " : " ") << '{' << entryCount << ", " << table.size() << "},";
        int n = 0;
        for (const auto &e : table) {
            if (n % 16 == 0)
                text << "\n    u\"";
            text << e.code << (++n % 16 == 0 || n == int(table.size()) ? "\"" : "");
            entries << (entryCount % 6 == 0 ? "\n    " : " ") << "{u'" << u16Escaped(std::u32string(1, e.character))
                    << "', " << e.code.size() << ", " << textSize << "},";
            textSize += e.code.size();
            ++entryCount;
        }
    }
    std::ostringstream out;
    out << "// Generated by tovrik_datac from data/lists/ and data/codes/; do not edit.\n"
           "#include \"tables_data.h\"\n\n"
           "namespace tovrik::data {\n\n"
           "// The syllables, each with its characters, slot 1 first; then the codes,\n"
           "// position 1 first.\n"
           "const char16_t kText[] ="
        << text.str() << ";\n\n"
        << "// {syllable, characters, syllable length, character count}\n"
           "const PackedRow kRows["
        << rowCount << "] = {" << rows.str() << "\n};\n\n"
        << "const Range kSlotRows[kSlots] = {" << slots.str() << "\n};\n\n"
        << "// {character, code length, code}\n"
           "const PackedEntry kEntries["
        << entryCount << "] = {" << entries.str() << "\n};\n\n"
        << "const Range kCodeTables[kPositions] = {" << positions.str() << "\n};\n\n"
        << "static_assert(sizeof kText / sizeof kText[0] == " << textSize + 1 << ");\n\n"
        << "} // namespace tovrik::data\n";
    return out.str();
}

int usage()
{
    std::fprintf(stderr, "usage: tovrik_datac --lists L1 L2 L3 --codes C1 C2 C3 --pins PINS "
                         "--counts COUNTS --output OUT.cpp\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> listPaths, codePaths;
    std::string pinsPath, countsPath, outPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto take = [&](std::size_t n, std::vector<std::string> &into) {
            for (std::size_t k = 0; k < n && i + 1 < argc; ++k)
                into.emplace_back(argv[++i]);
        };
        std::vector<std::string> one;
        if (arg == "--lists") {
            take(kSlotShares.size(), listPaths);
        } else if (arg == "--codes") {
            take(kPositionShares.size(), codePaths);
        } else if (arg == "--pins" || arg == "--counts" || arg == "--output") {
            take(1, one);
            if (one.empty())
                return usage();
            (arg == "--pins" ? pinsPath : arg == "--counts" ? countsPath : outPath) = one[0];
        } else {
            return usage();
        }
    }
    if (listPaths.size() != kSlotShares.size() || codePaths.size() != kPositionShares.size() ||
        pinsPath.empty() || countsPath.empty() || outPath.empty())
        return usage();

    const Lists lists = readLists(listPaths);
    const auto tables = readCodes(codePaths);
    const PinFile pins = readPins(pinsPath);
    const auto counts = readCounts(countsPath);
    if (lists.ok)
        checkAgainstGrid(tables, gridColumns(lists));
    checkCodes(tables, pins, counts);

    if (diag.count() > 0) {
        std::remove(outPath.c_str());
        std::fprintf(stderr, "tovrik_datac: %d error(s); %s not written\n", diag.count(),
                     outPath.c_str());
        return 1;
    }

    const std::string tmp = outPath + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out << generate(lists, tables);
        if (!out) {
            std::fprintf(stderr, "%s:1: cannot write the file\n", tmp.c_str());
            return 1;
        }
    }
    if (std::rename(tmp.c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "%s:1: cannot write the file\n", outPath.c_str());
        return 1;
    }
    return 0;
}
