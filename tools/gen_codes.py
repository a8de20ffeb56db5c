#!/usr/bin/env python3
"""Generates the code tables in data/codes/ from the character lists, the
Wubi 98 single-character table, the pinned entries and the count targets.

Table p holds the p-th character of every syllable that reaches position p, in
syllable order (letter, then slot). Every character gets one Wubi 98 code, the
same in every table where it stands. Pinned characters keep their pinned code;
every other character gets one of its own codes, chosen so that each table's
counts of 1-, 2-, 3- and 4-letter codes meet tools/counts.txt, preferring codes
that type the character without a choice (first candidate), then short codes,
and letting rare characters give up short codes before common ones.

Run from anywhere:  python3 tools/gen_codes.py [--wubi PATH]
"""

import argparse
import collections
import glob
import heapq
import os
import re
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
POSITIONS = 103
FILES = [(1, 9), (10, 19), (20, 103)]
TOTAL_ENTRIES = 6740
MIN_FIRST = 6640
# The one table of positions 4-9 in which two characters may share a code.
SHARED_AT_4_9 = {frozenset("踌蹰")}

# Costs of a choice. A code that does not type the character at once costs
# far more than any length difference; a step to a longer code costs a common
# character more than a rare one; sharing a code costs more than either.
NOT_FIRST = 10000
SHARE = 30000
# Non-first code whose first candidate is a character of our lists: it may be
# wanted by that character later (first pass only).
TAKEN_LATER = 1000
STEP_COMMON = 100
STEP_RARE = 10
FORBIDDEN = None


class Failure(Exception):
    pass


def fail(msg):
    raise Failure(msg)


# ---------------------------------------------------------------- inputs

def read_lists():
    """Returns the syllables in syllable order as (syllable, characters)."""
    rows = []
    files = sorted(glob.glob(os.path.join(REPO, "data", "lists", "slots-*.txt")))
    if not files:
        fail("no character lists under data/lists/")
    for path in files:
        slot = None
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip() or line.startswith("#"):
                    continue
                m = re.fullmatch(r"\[slot (\d+)\]", line)
                if m:
                    slot = int(m.group(1))
                    continue
                m = re.fullmatch(r"([a-z]+): (\S+)", line)
                if not m or slot is None:
                    fail(f"{path}:{n}: bad row")
                rows.append((m.group(1)[0], slot, m.group(1), m.group(2)))
    rows.sort()
    return [(s, chars) for _, _, s, chars in rows]


def read_wubi(path):
    """Returns (candidates by code, codes by character), codes upper-case."""
    cands = collections.defaultdict(list)
    codes = collections.defaultdict(list)
    in_data = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line == "[Data]":
                in_data = True
                continue
            if not in_data or not line:
                continue
            parts = line.split()
            if len(parts) != 2 or not re.fullmatch(r"[a-y]{1,4}", parts[0]):
                fail(f"{path}: bad entry {line!r}")
            code, ch = parts[0].upper(), parts[1]
            if ch not in cands[code]:
                cands[code].append(ch)
            if code not in codes[ch]:
                codes[ch].append(code)
    if not cands:
        fail(f"{path}: no [Data] entries")
    return cands, codes


def read_rows(path, what):
    """Reads "p: ..." lines, skipping '#' and blank lines."""
    out = {}
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            m = re.fullmatch(r"(\d+): (.+)", line)
            if not m or int(m.group(1)) in out:
                fail(f"{path}:{n}: bad {what} line")
            out[int(m.group(1))] = m.group(2).split()
    return out


def read_pins(path, tables):
    """Returns {character: code}; a pin holds wherever the character stands."""
    pins = {}
    for p, toks in read_rows(path, "pin").items():
        for tok in toks:
            m = re.fullmatch(r"(\S)([A-Y]{1,4})", tok)
            if not m:
                fail(f"pin {p}: bad entry {tok!r}")
            ch, code = m.groups()
            if p > POSITIONS or ch not in tables[p]:
                fail(f"pin {p}: {ch} does not stand at position {p}")
            if pins.get(ch, code) != code:
                fail(f"pin {p}: {ch} pinned to {pins[ch]} and {code}")
            pins[ch] = code
    return pins


def read_counts(path, tables):
    counts = {}
    for p, toks in read_rows(path, "count").items():
        if p > POSITIONS or len(toks) != 4 or not all(t.isdigit() for t in toks):
            fail(f"counts {p}: bad line")
        c = [int(t) for t in toks]
        if sum(c) != len(tables[p]):
            fail(f"counts {p}: sum {sum(c)} but the table holds {len(tables[p])}")
        counts[p] = c
    return counts


def is_rare(ch):
    try:
        b = ch.encode("gb2312")
    except UnicodeEncodeError:
        fail(f"{ch} is not a GB2312 character")
    if len(b) != 2 or not 0xB0 <= b[0] <= 0xF7:
        fail(f"{ch} is not a GB2312 hanzi")
    return b[0] >= 0xD8


# ---------------------------------------------------------------- solving

def min_cost_assignment(costs, caps):
    """Assigns each item to one class, class k taking at most caps[k] items,
    at least total cost. costs[i][k] is None where item i cannot go to k.
    Returns the list of classes, or None when no assignment exists."""
    n, m = len(costs), len(caps)
    # Nodes: 0 source, 1..n items, n+1..n+m classes, n+m+1 sink.
    size = n + m + 2
    sink = size - 1
    graph = [[] for _ in range(size)]  # edges: [to, cap, cost, rev]

    def add(u, v, cap, cost):
        graph[u].append([v, cap, cost, len(graph[v])])
        graph[v].append([u, 0, -cost, len(graph[u]) - 1])

    for i in range(n):
        add(0, 1 + i, 1, 0)
        for k in range(m):
            if costs[i][k] is not None:
                add(1 + i, 1 + n + k, 1, costs[i][k])
    for k in range(m):
        if caps[k] > 0:
            add(1 + n + k, sink, caps[k], 0)
    pot = [0] * size
    flow = 0
    while flow < n:
        dist = [None] * size
        prev = [None] * size
        dist[0] = 0
        heap = [(0, 0)]
        while heap:
            d, u = heapq.heappop(heap)
            if d != dist[u]:
                continue
            for idx, (v, cap, cost, _) in enumerate(graph[u]):
                if cap <= 0:
                    continue
                nd = d + cost + pot[u] - pot[v]
                if dist[v] is None or nd < dist[v]:
                    dist[v] = nd
                    prev[v] = (u, idx)
                    heapq.heappush(heap, (nd, v))
        if dist[sink] is None:
            return None
        for v in range(size):
            if dist[v] is not None:
                pot[v] += dist[v]
        v = sink
        while v != 0:
            u, idx = prev[v]
            e = graph[u][idx]
            e[1] -= 1
            graph[v][e[3]][1] += 1
            v = u
        flow += 1
    result = []
    for i in range(n):
        for v, cap, _, _ in graph[1 + i]:
            if n + 1 <= v <= n + m and cap == 0:
                result.append(v - n - 1)
                break
    return result


class Solver:
    def __init__(self, tables, cands, codes, pins, counts):
        self.tables = tables
        self.cands = cands
        self.pins = pins
        self.counts = counts
        self.places = collections.defaultdict(list)  # character -> positions
        for p in range(1, POSITIONS + 1):
            for ch in tables[p]:
                if p not in self.places[ch]:
                    self.places[ch].append(p)
        self.in_lists = set(self.places)
        pinned_codes = set(pins.values())
        self.pinned_codes = pinned_codes
        # Codes open to each free character: its own codes of 2 to 4 letters
        # that no pin holds.
        self.options = {}
        self.rare = {}
        for ch in self.places:
            self.rare[ch] = is_rare(ch)
            if ch in pins:
                if pins[ch] not in codes.get(ch, []):
                    fail(f"pinned {ch}{pins[ch]} is not a code of {ch}")
                continue
            opts = sorted(c for c in codes.get(ch, [])
                          if len(c) > 1 and c not in pinned_codes)
            if not opts:
                fail(f"{ch} has no code open to it")
            self.options[ch] = opts
        self.best_len = {}
        for ch, opts in self.options.items():
            firsts = [c for c in opts if self.is_first(ch, c)]
            self.best_len[ch] = min(len(c) for c in (firsts or opts))
        self.code = dict(pins)  # character -> chosen code
        self.users = collections.defaultdict(set)  # code -> characters
        for ch, c in pins.items():
            self.users[c].add(ch)

    def is_first(self, ch, code):
        return self.cands[code][0] == ch

    def low(self, ch):
        return min(self.places[ch]) <= 3

    def set_code(self, ch, code):
        old = self.code.get(ch)
        if old is not None:
            self.users[old].discard(ch)
        self.code[ch] = code
        if code is not None:
            self.users[code].add(ch)

    def cost(self, ch, code, extra_users=(), first_pass=False):
        """Cost of giving the free character ch this code."""
        others = (self.users[code] | set(extra_users)) - {ch}
        if len(others) >= 2:
            return FORBIDDEN
        c = 0
        if others:
            (o,) = others
            if self.low(ch) or self.low(o):
                return FORBIDDEN
            shared_places = set(self.places[ch]) & set(self.places[o])
            if any(4 <= q <= 9 for q in shared_places):
                return FORBIDDEN
            c += SHARE
        if not self.is_first(ch, code):
            c += NOT_FIRST
            if first_pass and self.cands[code][0] in self.in_lists:
                c += TAKEN_LATER
        step = max(0, len(code) - self.best_len[ch])
        c += step * (STEP_RARE if self.rare[ch] else STEP_COMMON)
        return c

    def solve_table(self, p, first_pass):
        """Chooses codes for the free characters of table p that have none,
        keeping every other character's code."""
        table = self.tables[p]
        free = []
        for ch in table:
            if ch not in self.pins and self.code.get(ch) is None and ch not in free:
                free.append(ch)
        if not free:
            return
        # Room left in each length class once the fixed entries are counted.
        if p in self.counts:
            caps = list(self.counts[p])
        else:
            caps = [len(table)] * 4
        for ch in table:
            if ch not in free:
                caps[len(self.code[ch]) - 1] -= 1
        if min(caps) < 0:
            fail(f"position {p}: fixed entries exceed the counts {self.counts.get(p)}")
        for ch in free:
            if table.count(ch) > 1:
                fail(f"position {p}: free character {ch} stands twice; pin it")
        reserved = collections.defaultdict(set)  # within this table
        while True:
            choice = []
            for ch in free:
                row = [None] * 4
                for code in self.options[ch]:
                    c = self.cost(ch, code, reserved[code], first_pass)
                    k = len(code) - 1
                    if c is not None and (row[k] is None or c < row[k][0]):
                        row[k] = (c, code)
                choice.append(row)
            assign = min_cost_assignment(
                [[None if r is None else r[0] for r in row] for row in choice], caps)
            if assign is None:
                fail(f"position {p}: no choice of codes meets the counts "
                     f"{self.counts.get(p)}")
            picked = {ch: choice[i][k][1] for i, (ch, k) in enumerate(zip(free, assign))}
            # Free characters of this table that met on one code without
            # knowing of each other: keep the code for one of them (the one
            # it types at once, if any) and solve again.
            by_code = collections.defaultdict(list)
            for ch in free:
                by_code[picked[ch]].append(ch)
            clash = False
            for code, chs in sorted(by_code.items()):
                known = reserved[code] & set(chs)
                new = [ch for ch in chs if ch not in known]
                if len(chs) < 2 or (known and len(new) <= 1):
                    continue
                keep = next((ch for ch in new if self.is_first(ch, code)), new[0])
                reserved[code].add(keep)
                clash = True
            if not clash:
                break
        for ch in free:
            self.set_code(ch, picked[ch])

    def total_cost(self):
        total = 0
        for p in range(1, POSITIONS + 1):
            for ch in self.tables[p]:
                if ch in self.pins:
                    continue
                code = self.code[ch]
                if not self.is_first(ch, code):
                    total += NOT_FIRST
                step = max(0, len(code) - self.best_len[ch])
                total += step * (STEP_RARE if self.rare[ch] else STEP_COMMON)
        for code, chs in self.users.items():
            if len(chs) > 1 and code not in self.pinned_codes:
                total += SHARE * (len(chs) - 1)
        return total

    def run(self):
        # First pass: the short tables first, from position 103 down; a
        # character standing at two positions is settled at the higher one.
        for p in range(POSITIONS, 0, -1):
            self.solve_table(p, first_pass=True)
        # Then solve each table again with all the others fixed, keeping
        # the result only when it is cheaper, until nothing improves.
        single = {p: [ch for ch in dict.fromkeys(self.tables[p])
                      if ch not in self.pins and self.places[ch] == [p]]
                  for p in range(1, POSITIONS + 1)}
        best = self.total_cost()
        improved = True
        while improved:
            improved = False
            for p in range(POSITIONS, 0, -1):
                if not single[p]:
                    continue
                saved = {ch: self.code[ch] for ch in single[p]}
                for ch in single[p]:
                    self.set_code(ch, None)
                self.solve_table(p, first_pass=False)
                now = self.total_cost()
                if now < best:
                    best = now
                    improved = True
                else:
                    for ch, code in saved.items():
                        self.set_code(ch, code)


# ---------------------------------------------------------------- checking

def verify(tables, solver, counts, pins):
    """Checks every rule the tables must keep; returns the figures."""
    code = solver.code
    cands = solver.cands
    entries = [(p, ch) for p in range(1, POSITIONS + 1) for ch in tables[p]]
    if len(entries) != TOTAL_ENTRIES:
        fail(f"{len(entries)} entries, expected {TOTAL_ENTRIES}")
    real = sum(1 for _, ch in entries if ch in cands.get(code[ch], []))
    first = sum(1 for _, ch in entries if solver.is_first(ch, code[ch]))
    if real != TOTAL_ENTRIES:
        fail(f"only {real} codes are codes of their characters")
    for p, ch in entries:
        if not re.fullmatch(r"[A-Y]{1,4}", code[ch]):
            fail(f"bad code {code[ch]} for {ch}")
        if ch in pins and code[ch] != pins[ch]:
            fail(f"{ch} at {p} lost its pinned code")
        if ch not in pins and code[ch] in solver.pinned_codes:
            fail(f"free {ch} at {p} has the pinned code {code[ch]}")
    ones = [(p, ch) for p, ch in entries if len(code[ch]) == 1]
    letters = collections.Counter(code[ch] for ch in {ch for _, ch in ones})
    if len(ones) != 26 or sorted(letters) != [chr(c) for c in range(65, 90)] \
            or max(letters.values()) != 1 or any(ch not in pins for _, ch in ones):
        fail(f"one-letter codes: {len(ones)} entries, expected the 26 pinned ones")
    for p, want in counts.items():
        got = [0] * 4
        for ch in tables[p]:
            got[len(code[ch]) - 1] += 1
        if got != want:
            fail(f"position {p}: counts {got}, expected {want}")
    users = collections.defaultdict(set)
    for _, ch in entries:
        users[code[ch]].add(ch)
    pinned_groups = collections.defaultdict(set)
    for ch, c in pins.items():
        pinned_groups[c].add(ch)
    pairs = []
    for c, chs in sorted(users.items()):
        if len(chs) < 2:
            continue
        if c in pinned_groups:
            if chs != pinned_groups[c]:
                fail(f"code {c}: {''.join(sorted(chs))} beyond its pins")
            continue
        if len(chs) > 2:
            fail(f"code {c} is shared by three characters: {''.join(sorted(chs))}")
        a, b = sorted(chs)
        if solver.low(a) or solver.low(b):
            fail(f"code {c}: {a}/{b} shared at positions 1-3")
        pairs.append((c, a, b))
    for p in range(4, 10):
        seen = collections.defaultdict(set)
        for ch in tables[p]:
            seen[code[ch]].add(ch)
        for c, chs in seen.items():
            if len(chs) > 1 and frozenset(chs) not in SHARED_AT_4_9:
                fail(f"position {p}: {''.join(sorted(chs))} share {c}")
    if first < MIN_FIRST:
        fail(f"only {first} entries show a first-candidate code, need {MIN_FIRST}")
    return real, first, pairs


def write_tables(tables, code):
    out_dir = os.path.join(REPO, "data", "codes")
    for lo, hi in FILES:
        path = os.path.join(out_dir, f"positions-{lo:03d}-{hi:03d}.txt")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(f"# Code tables of panel positions {lo}-{hi}, one table a line.\n")
            f.write("# Generated by tools/gen_codes.py; do not edit by hand.\n")
            for p in range(lo, hi + 1):
                f.write(f"{p}: " + " ".join(ch + code[ch] for ch in tables[p]) + "\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--wubi", default=os.path.join(REPO, "..", "shared", "wubi98",
                                                    "wubi98-single.txt"),
                    help="the Wubi 98 single-character table")
    args = ap.parse_args()
    try:
        rows = read_lists()
        tables = {p: [chars[p - 1] for _, chars in rows if len(chars) >= p]
                  for p in range(1, POSITIONS + 1)}
        cands, codes = read_wubi(args.wubi)
        pins = read_pins(os.path.join(REPO, "tools", "pins.txt"), tables)
        counts = read_counts(os.path.join(REPO, "tools", "counts.txt"), tables)
        solver = Solver(tables, cands, codes, pins, counts)
        solver.run()
        real, first, pairs = verify(tables, solver, counts, pins)
    except (Failure, OSError) as e:
        print(f"gen_codes: {e}", file=sys.stderr)
        return 1
    write_tables(tables, solver.code)
    forced = sum(1 for c, a, b in pairs
                 if solver.options[a] == [c] and solver.options[b] == [c])
    print(f"codes that are codes of their character: {real} of {TOTAL_ENTRIES}")
    print(f"entries whose character is the first candidate of its code: {first}")
    print(f"code-sharing pairs outside the pins: {len(pairs)} "
          f"({forced} with no other code open to either character)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
