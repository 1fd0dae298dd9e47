// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "solution_search.h"

#include "board_geometry.h"
#include "puzzle_maker.h"

#include <bit>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A start is zeroed as one block of memory, which holds only for plain data.
static_assert(std::is_trivially_copyable_v<CSolutionSearch::CStart>);

namespace {

using Bands = CSolutionSearch::Bands;
using Cells = CSolutionSearch::Cells;
// What comparing two sets of cells gives: all ones in each word where true.
using Truth = std::int32_t __attribute__((vector_size(16)));

constexpr std::uint32_t kBand = (1u << 27) - 1;
constexpr unsigned kNine = 0x1FF;
// The cells of the first box of a band; box k of the band is this << 3k.
constexpr std::uint32_t kFirstBox = 0x7 | 0x7 << 9 | 0x7 << 18;
constexpr Cells kAll = {kBand, kBand, kBand, 0};

constexpr Bands BandsOf(const CCellSet& cells)
{
    Bands bands{};
    for (int i = 0; i < kCellCount; ++i)
        if (cells.Has(i))
            bands[static_cast<std::size_t>(i / 27)] |= 1u << (i % 27);
    return bands;
}

constexpr Cells CellsOf(const Bands& bands) { return Cells{bands[0], bands[1], bands[2], 0}; }

// Each cell's 20 peers, band by band.
constexpr auto kPeerBands = [] {
    std::array<Bands, kCellCount> peers{};
    for (std::size_t i = 0; i < peers.size(); ++i)
        peers[i] = BandsOf(kGeometry.peers[i]);
    return peers;
}();

struct CCellMasks {
    std::array<Cells, kCellCount> peers, self;
};
// The same as vectors, with each cell alone.
constexpr CCellMasks kCellMasks = [] {
    CCellMasks masks{};
    for (std::size_t i = 0; i < kCellCount; ++i) {
        masks.peers[i] = CellsOf(kPeerBands[i]);
        Bands self{};
        self[i / 27] = 1u << (i % 27);
        masks.self[i] = CellsOf(self);
    }
    return masks;
}();

// One band's word of a set of cells in memory, read as a word.
using AliasedWord = std::uint32_t __attribute__((may_alias));
std::uint32_t WordOf(const Cells& cells, int b) { return reinterpret_cast<const AliasedWord*>(&cells)[b]; }

// The words of a set of cells, taken out of the vector one by one rather
// than through memory, where a load of part of a vector just stored waits.
std::array<std::uint32_t, 4> WordsOf(Cells cells) { return {cells[0], cells[1], cells[2], cells[3]}; }

bool Any(Cells cells)
{
#if defined(__SSE2__)
    const auto bytes = std::bit_cast<__m128i>(cells);
    return _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128())) != 0xFFFF;
#else
    return (cells[0] | cells[1] | cells[2] | cells[3]) != 0;
#endif
}

bool Any(Truth truth) { return Any(reinterpret_cast<Cells>(truth)); }

bool Has(Cells cells, int index) { return (cells[index / 27] >> (index % 27) & 1) != 0; }

// The sets of cells of a with at most one cell, the others empty.
Cells AtMostOne(Cells a) { return a & reinterpret_cast<Cells>((a & (a - 1)) == 0); }

// The number of cells among the nine bits of a row's or column's field.
int CountOf(std::uint32_t field) { return kDigitCount[field]; }

// Box k of a band's cells as nine bits, row by row.
std::uint32_t BoxField(std::uint32_t band, int k)
{
    const std::uint32_t cells = band >> (3 * k);
    return (cells & 7) | (cells >> 6 & 7 << 3) | (cells >> 12 & 7 << 6);
}

// What to guess on: a digit and the cells it may go to, or a cell and
// the digits it may take. Either way the options rule each other out and
// one of them holds in every solution.
struct CGuess {
    int count = 10;
    int digits[9];
    int cells[9];
};

using Digits = std::array<Cells, 9>;

// The cells that are some digit's, and those that are two digits' or more.
struct CCover {
    Cells once{};
    Cells twice{};
};

[[gnu::always_inline]] inline CCover Cover(const Digits& digit)
{
    CCover cover;
#pragma GCC unroll 9
    for (const Cells& cells : digit) {
        cover.twice |= cover.once & cells;
        cover.once |= cells;
    }
    return cover;
}

int FirstOf(Cells cells)
{
    for (int b = 0; b < 3; ++b)
        if (cells[b] != 0)
            return 27 * b + std::countr_zero(cells[b]);
    return -1;
}

// The number of cells in a set: with the processor's own count of bits
// when kCounted, else by adding bits up in the words.
template <bool kCounted>
[[gnu::always_inline]] inline int SizeOf(Cells cells)
{
    if constexpr (kCounted)
        return __builtin_popcount(cells[0]) + __builtin_popcount(cells[1]) + __builtin_popcount(cells[2]);
    std::uint64_t low = cells[0] | std::uint64_t{cells[1]} << 32;
    std::uint64_t high = cells[2];
    low -= low >> 1 & 0x5555555555555555;
    high -= high >> 1 & 0x5555555555555555;
    low = (low & 0x3333333333333333) + (low >> 2 & 0x3333333333333333);
    high = (high & 0x3333333333333333) + (high >> 2 & 0x3333333333333333);
    const std::uint64_t sum = ((low + (low >> 4)) & 0x0F0F0F0F0F0F0F0F) + ((high + (high >> 4)) & 0x0F0F0F0F0F0F0F0F);
    return static_cast<int>(sum * 0x0101010101010101 >> 56);
}

// The cell of a set with the most cells of the set among its peers; -1
// for an empty set.
template <bool kCounted>
[[gnu::always_inline]] inline int MostLinkedBy(Cells cells)
{
    int best = -1;
    int most = -1;
    const auto words = WordsOf(cells);
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t left = words[static_cast<std::size_t>(b)]; left != 0; left &= left - 1) {
            const int index = 27 * b + std::countr_zero(left);
            const int linked = SizeOf<kCounted>(cells & kCellMasks.peers[static_cast<std::size_t>(index)]);
            if (linked > most) {
                most = linked;
                best = index;
            }
        }
    }
    return best;
}

#if defined(__x86_64__)
// Counting the bits takes most of the choice of a guess: where the
// processor counts them in one instruction, a count of solutions takes
// some 7 % less time.
[[gnu::target("popcnt")]] int MostLinkedCounted(Cells cells) { return MostLinkedBy<true>(cells); }
#endif

int MostLinked(Cells cells)
{
#if defined(__x86_64__)
    static const bool counts = __builtin_cpu_supports("popcnt");
    if (counts)
        return MostLinkedCounted(cells);
#endif
    return MostLinkedBy<false>(cells);
}

// The open cell with the fewest digits left.
void ChooseCell(const Digits& digit, Cells open, bool linked, CGuess& guess)
{
    Cells one{}, two{}, three{}, four{}, five{};
#pragma GCC unroll 9
    for (const Cells& cells : digit) {
        five |= four & cells;
        four |= three & cells;
        three |= two & cells;
        two |= one & cells;
        one |= cells;
    }
    // Among cells with two digits, when linked, the one with most such
    // cells among its peers: guessing there settles most, which pays when
    // every branch is searched (on the puzzles Solve leaves, a third fewer
    // guesses than the first such cell).
    const Cells pairs = two & ~three & open;
    int index = linked ? MostLinked(pairs) : FirstOf(pairs);
    if (index >= 0) {
        guess.count = 2;
    } else {
        for (const auto& [cells, count] : {std::pair{three & ~four & open, 3}, {four & ~five & open, 4}}) {
            index = FirstOf(cells);
            if (index >= 0) {
                guess.count = count;
                break;
            }
        }
    }
    // Five or more digits in every open cell: a nearly empty board, where
    // which cell hardly matters; the places of digits may still do better.
    if (index < 0) {
        index = FirstOf(open);
        guess.count = 0;
        for (const Cells& cells : digit)
            guess.count += Has(cells, index);
    }
    int n = 0;
    for (int d = 0; d < 9; ++d) {
        if (Has(digit[static_cast<std::size_t>(d)], index)) {
            guess.digits[n] = d;
            guess.cells[n++] = index;
        }
    }
}

void TakeUnit(CGuess& guess, int d, int count, const Bands& cells)
{
    guess.count = count;
    int n = 0;
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t bits = cells[static_cast<std::size_t>(b)]; bits != 0; bits &= bits - 1) {
            guess.digits[n] = d;
            guess.cells[n++] = 27 * b + std::countr_zero(bits);
        }
    }
}

// A row, column or box where a digit not yet placed in it has fewer
// places than guess has options, if there is one.
void ChooseUnit(const Digits& digit, Cells open, CGuess& guess)
{
    for (int d = 0; d < 9 && guess.count > 2; ++d) {
        const Cells all = digit[static_cast<std::size_t>(d)] & open;
        const Bands x = {all[0], all[1], all[2]};
        std::uint32_t one = 0, two = 0, three = 0, four = 0;
        for (std::size_t b = 0; b < 3; ++b) {
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t row = x[b] >> (9 * k) & kNine;
                four |= three & row;
                three |= two & row;
                two |= one & row;
                one |= row;
                const int inRow = CountOf(row);
                if (inRow > 0 && inRow < guess.count) {
                    Bands cells{};
                    cells[b] = row << (9 * k);
                    TakeUnit(guess, d, inRow, cells);
                }
                const int inBox = CountOf(BoxField(x[b], k));
                if (inBox > 0 && inBox < guess.count) {
                    Bands cells{};
                    cells[b] = x[b] & kFirstBox << (3 * k);
                    TakeUnit(guess, d, inBox, cells);
                }
            }
        }
        for (const auto& [columns, count] : {std::pair{two & ~three, 2}, {three & ~four, 3}}) {
            if (columns == 0 || count >= guess.count)
                continue;
            const std::uint32_t column = 1u << std::countr_zero(columns);
            const std::uint32_t spread = column | column << 9 | column << 18;
            TakeUnit(guess, d, count, Bands{x[0] & spread, x[1] & spread, x[2] & spread});
        }
    }
}

// Each digit's cells, from each cell's ruled-out digits (masks as CCell
// keeps them: digit d at bit d - 1).
Digits DigitsOf(std::span<const DigitMask, kCellCount> excluded)
{
    Digits digit{};
#if defined(__SSE2__)
    static_assert(sizeof(DigitMask) == 2);
    const __m128i lowByte = _mm_set1_epi16(0xFF);
    const __m128i nine = _mm_set1_epi16(kNine);
    // The last band's last cells, padded to a full read of 32.
    DigitMask tail[16] = {};
    std::copy(excluded.begin() + 70, excluded.end(), tail);
    for (std::size_t band = 0; band < 3; ++band) {
        std::uint32_t bits[9] = {};
#pragma GCC unroll 2
        for (std::size_t half = 0; half < 2; ++half) {
            // Each band's 27 cells read 32 at a time; the bits of the
            // next band's first five cells are dropped below.
            const DigitMask* from = band == 2 && half == 1 ? tail : excluded.data() + 27 * band + 16 * half;
            const auto* at = reinterpret_cast<const __m128i*>(from);
            const __m128i a = _mm_andnot_si128(_mm_loadu_si128(at), nine);
            const __m128i b = _mm_andnot_si128(_mm_loadu_si128(at + 1), nine);
            // Digits 1 to 8 of sixteen cells, a byte a cell, their top bits
            // read at once and moved up one by one; digit 9 moved to the top.
            __m128i bytes = _mm_packus_epi16(_mm_and_si128(a, lowByte), _mm_and_si128(b, lowByte));
            const __m128i ninth = _mm_slli_epi16(_mm_packus_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8)), 7);
            bits[8] |= static_cast<std::uint32_t>(_mm_movemask_epi8(ninth)) << (16 * half);
#pragma GCC unroll 8
            for (int d = 7; d >= 0; --d) {
                bits[d] |= static_cast<std::uint32_t>(_mm_movemask_epi8(bytes)) << (16 * half);
                bytes = _mm_add_epi8(bytes, bytes);
            }
        }
#pragma GCC unroll 9
        for (std::size_t d = 0; d < 9; ++d)
            digit[d][band] = bits[d] & kBand;
    }
#else
    for (std::size_t i = 0; i < kCellCount; ++i)
        for (std::size_t d = 0; d < 9; ++d)
            digit[d][i / 27] |= std::uint32_t{(~excluded[i] >> d & 1u)} << (i % 27);
#endif
    return digit;
}

} // namespace

void CSolutionSearch::Place(CState& s, int digit, int index)
{
    const int b = index / 27;
    const int at = index % 27;
    const Cells self = kCellMasks.self[static_cast<std::size_t>(index)];
    unsigned changed = 1u << digit;
#pragma GCC unroll 9
    for (unsigned d = 0; d < 9; ++d) {
        changed |= (WordOf(s.digit[d], b) >> at & 1) << d;
        s.digit[d] &= ~self;
    }
    Cells& own = s.digit[static_cast<std::size_t>(digit)];
    own = (own & ~kCellMasks.peers[static_cast<std::size_t>(index)]) | self;
    s.open &= ~self;
    dirty_ |= changed;
}

[[gnu::always_inline]] inline bool CSolutionSearch::PlaceNakedSingles(CState& s, bool& placed)
{
    const auto [once, twice] = Cover(s.digit);
    if (Any(s.open & ~once))
        return false;
    const Cells singles = s.open & ~twice;
    if (!Any(singles))
        return true;
        // A single is in no other digit's cells, so placing it only clears its
        // peers from its digit's; the singles are taken digit by digit. A
        // single whose one digit a peer has just taken is not placed, and shows
        // as a cell with no digit next time.
#pragma GCC unroll 9
    for (unsigned d = 0; d < 9; ++d) {
        const Cells mine = singles & s.digit[d];
        if (!Any(mine))
            continue;
        const auto words = WordsOf(mine);
        for (int b = 0; b < 3; ++b) {
            for (std::uint32_t cells = words[static_cast<std::size_t>(b)]; cells != 0; cells &= cells - 1) {
                const std::uint32_t bit = cells & -cells;
                if ((WordOf(s.digit[d], b) & bit) == 0)
                    continue;
                const auto index = static_cast<std::size_t>(27 * b + std::countr_zero(cells));
                s.digit[d] &= ~kCellMasks.peers[index];
                s.open &= ~kCellMasks.self[index];
            }
        }
        dirty_ |= 1u << d;
    }
    placed = true;
    return true;
}

[[gnu::always_inline]] inline bool CSolutionSearch::PlaceHiddenSingles(CState& s, int digit, bool& placed)
{
    const Cells x = s.digit[static_cast<std::size_t>(digit)];
    // The fourth word full, so that its rows and boxes are never empty nor
    // alone; the columns are folded from the three bands only.
    const Cells padded = x | Cells{0, 0, 0, kBand};
    const Cells row0 = padded & kNine, row1 = padded >> 9 & kNine, row2 = padded >> 18;
    const Cells box0 = padded & kFirstBox, box1 = padded & kFirstBox << 3, box2 = padded & kFirstBox << 6;
    // A row or box with no place for the digit ends the branch. Left to
    // show later as a cell with no digit, it may not show before many
    // guesses: on a board of 14 givens with no solution the count then took
    // 11.5 million of them (tests/data/hard_boards.txt, none-14-empty-unit).
    if (Any((row0 == 0) | (row1 == 0) | (row2 == 0) | (box0 == 0) | (box1 == 0) | (box2 == 0)))
        return false;
    const Cells inRow = AtMostOne(row0) | AtMostOne(row1) << 9 | AtMostOne(row2) << 18;
    const Cells inBox = AtMostOne(box0) | AtMostOne(box1) | AtMostOne(box2);
    const auto once = WordsOf(row0 | row1 | row2);
    const auto twice = WordsOf((row0 & row1) | (row0 & row2) | (row1 & row2));
    const std::uint32_t columns = once[0] | once[1] | once[2];
    if (columns != kNine)
        return false;
    const std::uint32_t column =
        columns & ~(twice[0] | twice[1] | twice[2] | (once[0] & once[1]) | (once[0] & once[2]) | (once[1] & once[2]));
    const std::uint32_t spread = column | column << 9 | column << 18;
    const Cells inColumn = x & Cells{spread, spread, spread, 0};
    // Cells placed before the first look (see SearchAll) that share a unit
    // with another cell of their digit: they must be placed as singles.
    if (settling_ && Any(x & ~s.open & ~(inRow & inBox & inColumn))) {
        unsettled_ = true;
        return false;
    }
    const Cells alone = (inRow | inBox | inColumn) & s.open;
    if (!Any(alone))
        return true;
    // Each single clears its peers from the digit's cells, unless a peer
    // placed before it has just taken it; then all of them leave the other
    // digits' cells at once.
    Cells& own = s.digit[static_cast<std::size_t>(digit)];
    Cells taken{};
    const auto words = WordsOf(alone);
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t cells = words[static_cast<std::size_t>(b)]; cells != 0; cells &= cells - 1) {
            if ((WordOf(own, b) & cells & -cells) == 0)
                continue;
            const auto index = static_cast<std::size_t>(27 * b + std::countr_zero(cells));
            own &= ~kCellMasks.peers[index];
            taken |= kCellMasks.self[index];
        }
    }
    unsigned changed = 1u << digit;
#pragma GCC unroll 9
    for (unsigned d = 0; d < 9; ++d) {
        changed |= static_cast<unsigned>(Any(s.digit[d] & taken)) << d;
        s.digit[d] &= ~taken;
    }
    own |= taken;
    s.open &= ~taken;
    dirty_ |= changed;
    placed = true;
    return true;
}

bool CSolutionSearch::Propagate(CState& s, unsigned dirty)
{
    dirty_ = dirty;
    for (;;) {
        bool placed = false;
        if (!PlaceNakedSingles(s, placed))
            return false;
        if (placed)
            continue;
        const unsigned todo = dirty_;
        dirty_ = 0;
        for (unsigned digits = todo; digits != 0; digits &= digits - 1)
            if (!PlaceHiddenSingles(s, std::countr_zero(digits), placed))
                return false;
        settling_ = false;
        if (!placed)
            return true;
    }
}

bool CSolutionSearch::Load(const Values& values)
{
    start_ = CStart{};
    for (int i = 0; i < kCellCount; ++i) {
        const int v = values[static_cast<std::size_t>(i)];
        if (v == 0)
            continue;
        if (v < 1 || v > 9) {
            start_.impossible = true;
            continue;
        }
        const auto d = static_cast<std::size_t>(v - 1);
        // Already ruled out by a given: the same digit twice in a unit.
        if (Has(start_.blocked[d], i))
            start_.impossible = true;
        start_.value[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
        start_.given[d] |= kCellMasks.self[static_cast<std::size_t>(i)];
        start_.blocked[d] |= kCellMasks.peers[static_cast<std::size_t>(i)];
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(i)])
            start_.placed[unit] = static_cast<std::uint16_t>(start_.placed[unit] | 1u << d);
    }
    return !start_.impossible;
}

void CSolutionSearch::LoadExcluded(std::span<const DigitMask, kCellCount> excluded)
{
    start_.fromOpen = true;
    start_.impossible = false;
    openDigits_ = DigitsOf(excluded);
}

bool CSolutionSearch::Forbid(int index, int digit) { return ForbidAll(index, DigitBit(digit)); }

bool CSolutionSearch::ForbidAll(int index, DigitMask excluded)
{
    const auto i = static_cast<std::size_t>(index);
    if (start_.impossible || start_.value[i] != 0)
        return !start_.impossible;
    start_.forbidden[i] = static_cast<std::uint16_t>(start_.forbidden[i] | (excluded & kAllDigits));
    start_.forbiddenCells.Add(index);
    const auto& units = kGeometry.unitsOf[i];
    const unsigned placed = start_.placed[units[0]] | start_.placed[units[1]] | start_.placed[units[2]];
    start_.impossible = (start_.forbidden[i] | placed) == kNine;
    return !start_.impossible;
}

void CSolutionSearch::Erase(int index)
{
    const auto i = static_cast<std::size_t>(index);
    if (start_.value[i] == 0)
        return;
    const auto d = static_cast<std::size_t>(start_.value[i] - 1);
    start_.value[i] = 0;
    start_.given[d] &= ~kCellMasks.self[i];
    // What the digit's other givens rule out.
    Cells blocked{};
    const auto given = WordsOf(start_.given[d]);
    for (std::size_t b = 0; b < 3; ++b)
        for (std::uint32_t cells = given[b]; cells != 0; cells &= cells - 1)
            blocked |= kCellMasks.peers[27 * b + static_cast<std::size_t>(std::countr_zero(cells))];
    start_.blocked[d] = blocked;
    for (const std::uint8_t unit : kGeometry.unitsOf[i]) {
        if (!start_.impossible) {
            // No digit is given twice in a unit: the cell held this one alone.
            start_.placed[unit] = static_cast<std::uint16_t>(start_.placed[unit] & ~(1u << d));
            continue;
        }
        unsigned placed = 0;
        for (const std::uint8_t cell : kGeometry.unitCells[unit])
            if (const int v = start_.value[cell]; v != 0)
                placed |= 1u << (v - 1);
        start_.placed[unit] = static_cast<std::uint16_t>(placed);
    }
}

bool CSolutionSearch::Give(int index, int digit)
{
    const auto i = static_cast<std::size_t>(index);
    if (start_.value[i] != 0)
        return !start_.impossible;
    const auto d = static_cast<std::size_t>(digit - 1);
    if (Has(start_.blocked[d], index))
        start_.impossible = true;
    start_.value[i] = static_cast<std::uint8_t>(digit);
    start_.given[d] |= kCellMasks.self[i];
    start_.blocked[d] |= kCellMasks.peers[i];
    for (const std::uint8_t unit : kGeometry.unitsOf[i])
        start_.placed[unit] = static_cast<std::uint16_t>(start_.placed[unit] | 1u << d);
    return !start_.impossible;
}

CSolutionSearch::CStart CSolutionSearch::Saved() const { return start_; }

void CSolutionSearch::Restore(const CStart& start) { start_ = start; }

int CSolutionSearch::Count(int limit, Values* first)
{
    limit_ = limit < 1 ? 1 : limit;
    first_ = first;
    random_ = nullptr;
    SearchAll();
    return found_;
}

bool CSolutionSearch::FindNear(const Values& near, Values& first)
{
    limit_ = 1;
    first_ = &first;
    random_ = nullptr;
    near_ = &near;
    SearchAll();
    near_ = nullptr;
    return found_ == 1;
}

bool CSolutionSearch::FindRandom(CRandom& random, Values& solution)
{
    limit_ = 1;
    first_ = &solution;
    random_ = &random;
    SearchAll();
    random_ = nullptr;
    return found_ == 1;
}

void CSolutionSearch::SearchAll()
{
    found_ = 0;
    guesses_ = 0;
    if (start_.impossible)
        return;
    CState& s = states_[0];
    if (start_.fromOpen) {
        // Solve leaves every filled cell's digit out of its peers, so the
        // cells with one digit left start placed, unless the first look for
        // the only places of digits, which covers every digit, finds one
        // that shares a unit with another cell of its digit (givens that
        // clash, or masks that did not come from Solve). Then all of them
        // are placed as singles, which clears their peers or finds the clash.
        s.digit = openDigits_;
        const CCover cover = Cover(s.digit);
        s.open = kAll & ~(cover.once & ~cover.twice);
        settling_ = true;
        unsettled_ = false;
        Search(0, kNine);
        settling_ = false;
        if (!unsettled_)
            return;
        s.digit = openDigits_;
        s.open = kAll;
        Search(0, kNine);
        return;
    }
    Cells filled{};
    for (const Cells& given : start_.given)
        filled |= given;
    for (std::size_t d = 0; d < 9; ++d)
        s.digit[d] = start_.given[d] | (kAll & ~filled & ~start_.blocked[d]);
    start_.forbiddenCells.ForEach([&](int i) {
        const std::uint32_t keep = ~(1u << (i % 27));
        for (unsigned digits = start_.forbidden[static_cast<std::size_t>(i)]; digits != 0; digits &= digits - 1)
            s.digit[static_cast<std::size_t>(std::countr_zero(digits))][i / 27] &= keep;
    });
    s.open = kAll & ~filled;
    Search(0, kNine);
}

void CSolutionSearch::Solved(const CState& s)
{
    if (++found_ != 1 || first_ == nullptr)
        return;
    for (int d = 0; d < 9; ++d)
        for (int b = 0; b < 3; ++b)
            for (std::uint32_t cells = s.digit[static_cast<std::size_t>(d)][b]; cells != 0; cells &= cells - 1)
                (*first_)[static_cast<std::size_t>(27 * b + std::countr_zero(cells))] = d + 1;
}

void CSolutionSearch::Search(int depth, unsigned dirty)
{
    CState& s = states_[static_cast<std::size_t>(depth)];
    if (!Propagate(s, dirty))
        return;
    if (!Any(s.open)) {
        Solved(s);
        return;
    }
    CGuess guess;
    ChooseCell(s.digit, s.open, limit_ > 1, guess);
    // A random solution of a nearly empty board is found in a few guesses
    // whatever they are on; the places of digits pay on boards with none.
    if (guess.count > 2 && random_ == nullptr)
        ChooseUnit(s.digit, s.open, guess);
    if (random_ != nullptr) {
        for (int i = guess.count - 1; i > 0; --i) {
            const auto j = static_cast<int>(random_->Below(static_cast<std::uint32_t>(i + 1)));
            std::swap(guess.digits[i], guess.digits[j]);
            std::swap(guess.cells[i], guess.cells[j]);
        }
    }
    if (near_ != nullptr) {
        for (int k = 1; k < guess.count; ++k) {
            if ((*near_)[static_cast<std::size_t>(guess.cells[k])] == guess.digits[k] + 1) {
                std::swap(guess.digits[0], guess.digits[k]);
                std::swap(guess.cells[0], guess.cells[k]);
                break;
            }
        }
    }
    for (int k = 0; k < guess.count && found_ < limit_; ++k) {
        CState& next = states_[static_cast<std::size_t>(depth + 1)];
        next = s;
        ++guesses_;
        dirty_ = 0;
        Place(next, guess.digits[k], guess.cells[k]);
        Search(depth + 1, dirty_);
    }
}

CSolutionCount CountSolutions(const Values& values, int limit)
{
    CSolutionCount result;
    CSolutionSearch search;
    if (search.Load(values))
        result.count = search.Count(limit, &result.solution);
    return result;
}
