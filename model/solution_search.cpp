// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "solution_search.h"

#include "board_geometry.h"
#include "puzzle_maker.h"

#include <bit>

namespace {

using Bands = CSolutionSearch::Bands;

constexpr std::uint32_t kBand = (1u << 27) - 1;
constexpr unsigned kNine = 0x1FF;
// The cells of the first box of a band; box k of the band is this << 3k.
constexpr std::uint32_t kFirstBox = 0x7 | 0x7 << 9 | 0x7 << 18;

constexpr Bands BandsOf(const CCellSet& cells)
{
    Bands bands{};
    for (int i = 0; i < kCellCount; ++i)
        if (cells.Has(i))
            bands[static_cast<std::size_t>(i / 27)] |= 1u << (i % 27);
    return bands;
}

// Each cell's 20 peers, band by band.
constexpr auto kPeerBands = [] {
    std::array<Bands, kCellCount> peers{};
    for (std::size_t i = 0; i < peers.size(); ++i)
        peers[i] = BandsOf(kGeometry.peers[i]);
    return peers;
}();

bool Has(const Bands& cells, int index)
{
    return (cells[static_cast<std::size_t>(index / 27)] >> (index % 27) & 1) != 0;
}

bool AtMostOne(std::uint32_t bits)
{
    return (bits & (bits - 1)) == 0;
}

// The number of cells among the nine bits of a row's or column's field.
int CountOf(std::uint32_t field)
{
    return kDigitCount[field];
}

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

// Cells of bands with exactly two, three and four of the digits' sets.
struct CCellCounts {
    Bands two{}, three{}, four{};
};

CCellCounts CountCells(const std::array<Bands, 9>& digit, const Bands& open)
{
    CCellCounts counts;
    for (std::size_t b = 0; b < 3; ++b) {
        std::uint32_t one = 0, two = 0, three = 0, four = 0, five = 0;
        for (const Bands& cells : digit) {
            const std::uint32_t x = cells[b];
            five |= four & x;
            four |= three & x;
            three |= two & x;
            two |= one & x;
            one |= x;
        }
        counts.two[b] = two & ~three & open[b];
        counts.three[b] = three & ~four & open[b];
        counts.four[b] = four & ~five & open[b];
    }
    return counts;
}

int FirstOf(const Bands& cells)
{
    for (int b = 0; b < 3; ++b)
        if (cells[static_cast<std::size_t>(b)] != 0)
            return 27 * b + std::countr_zero(cells[static_cast<std::size_t>(b)]);
    return -1;
}

// The open cell with the fewest digits left.
void ChooseCell(const std::array<Bands, 9>& digit, const Bands& open, CGuess& guess)
{
    const CCellCounts counts = CountCells(digit, open);
    int index = -1;
    for (const auto& [cells, count] : {std::pair{counts.two, 2}, {counts.three, 3}, {counts.four, 4}}) {
        index = FirstOf(cells);
        if (index >= 0) {
            guess.count = count;
            break;
        }
    }
    // Five or more digits in every open cell: a nearly empty board.
    for (int i = 0; index < 0 && i < kCellCount; ++i) {
        if (!Has(open, i))
            continue;
        int count = 0;
        for (const Bands& cells : digit)
            count += Has(cells, i);
        if (count < guess.count) {
            guess.count = count;
            index = i;
        }
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
void ChooseUnit(const std::array<Bands, 9>& digit, const Bands& open, CGuess& guess)
{
    for (int d = 0; d < 9 && guess.count > 2; ++d) {
        const Bands& all = digit[static_cast<std::size_t>(d)];
        const Bands x = {all[0] & open[0], all[1] & open[1], all[2] & open[2]};
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

} // namespace

std::uint16_t ToSearchDigits(DigitMask mask)
{
    static constexpr auto kReversed = [] {
        std::array<std::uint16_t, 512> reversed{};
        for (unsigned m = 0; m < reversed.size(); ++m)
            for (int d = 1; d <= 9; ++d)
                if (m & DigitBit(d))
                    reversed[m] = static_cast<std::uint16_t>(reversed[m] | 1u << (d - 1));
        return reversed;
    }();
    return kReversed[mask & kAllDigits];
}

void CSolutionSearch::Place(CState& s, int digit, int index)
{
    const auto b = static_cast<std::size_t>(index / 27);
    const int at = index % 27;
    const Bands& peers = kPeerBands[static_cast<std::size_t>(index)];
    auto& own = s.digit[static_cast<std::size_t>(digit)];
    own[0] &= ~peers[0];
    own[1] &= ~peers[1];
    own[2] &= ~peers[2];
    unsigned changed = 1u << digit;
    for (unsigned d = 0; d < 9; ++d) {
        changed |= (s.digit[d][b] >> at & 1) << d;
        s.digit[d][b] &= ~(1u << at);
    }
    own[b] |= 1u << at;
    s.open[b] &= ~(1u << at);
    dirty_ |= changed;
}

bool CSolutionSearch::PlaceNakedSingles(CState& s, bool& placed)
{
    Bands singles{};
    for (std::size_t b = 0; b < 3; ++b) {
        std::uint32_t once = 0, twice = 0;
        for (const Bands& cells : s.digit) {
            twice |= once & cells[b];
            once |= cells[b];
        }
        if ((s.open[b] & ~once) != 0)
            return false;
        singles[b] = s.open[b] & ~twice;
    }
    if ((singles[0] | singles[1] | singles[2]) == 0)
        return true;
    // A single is in no other digit's cells, so placing it only clears its
    // peers from its digit's. A single whose one digit a peer has just
    // taken is not placed, and shows as a cell with no digit next time.
    for (std::size_t d = 0; d < 9; ++d) {
        auto& own = s.digit[d];
        for (int b = 0; b < 3; ++b) {
            for (std::uint32_t cells = singles[static_cast<std::size_t>(b)] & own[static_cast<std::size_t>(b)];
                 cells != 0; cells &= cells - 1) {
                const int index = 27 * b + std::countr_zero(cells);
                const std::uint32_t bit = cells & -cells;
                if ((own[static_cast<std::size_t>(b)] & bit) == 0)
                    continue;
                const Bands& peers = kPeerBands[static_cast<std::size_t>(index)];
                own[0] &= ~peers[0];
                own[1] &= ~peers[1];
                own[2] &= ~peers[2];
                s.open[static_cast<std::size_t>(b)] &= ~bit;
                dirty_ |= 1u << d;
                placed = true;
            }
        }
    }
    return true;
}

bool CSolutionSearch::PlaceHiddenSingles(CState& s, int digit, bool& placed)
{
    const Bands& x = s.digit[static_cast<std::size_t>(digit)];
    Bands alone{};
    std::uint32_t once = 0, twice = 0;
    for (std::size_t b = 0; b < 3; ++b) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t row = x[b] >> (9 * k) & kNine;
            const std::uint32_t box = x[b] & kFirstBox << (3 * k);
            if (row == 0 || box == 0)
                return false;
            if (AtMostOne(row))
                alone[b] |= row << (9 * k);
            if (AtMostOne(box))
                alone[b] |= box;
            twice |= once & row;
            once |= row;
        }
    }
    if (once != kNine)
        return false;
    const std::uint32_t column = once & ~twice;
    const std::uint32_t spread = column | column << 9 | column << 18;
    for (int b = 0; b < 3; ++b) {
        const auto ub = static_cast<std::size_t>(b);
        alone[ub] = (alone[ub] | (x[ub] & spread)) & s.open[ub];
        for (;;) {
            const std::uint32_t cells = alone[ub] & s.open[ub] & x[ub];
            if (cells == 0)
                break;
            Place(s, digit, 27 * b + std::countr_zero(cells));
            placed = true;
        }
    }
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
        start_.given[d][static_cast<std::size_t>(i / 27)] |= 1u << (i % 27);
        for (std::size_t b = 0; b < 3; ++b)
            start_.blocked[d][b] |= kPeerBands[static_cast<std::size_t>(i)][b];
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(i)])
            start_.placed[unit] = static_cast<std::uint16_t>(start_.placed[unit] | 1u << d);
    }
    return !start_.impossible;
}

bool CSolutionSearch::Forbid(int index, int digit)
{
    return ForbidAll(index, DigitBit(digit));
}

bool CSolutionSearch::ForbidAll(int index, DigitMask excluded)
{
    const auto i = static_cast<std::size_t>(index);
    if (start_.impossible || start_.value[i] != 0)
        return !start_.impossible;
    start_.forbidden[i] = static_cast<std::uint16_t>(start_.forbidden[i] | ToSearchDigits(excluded));
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
    start_.given[d][i / 27] &= ~(1u << (index % 27));
    // What the digit's other givens rule out, and the digits of each unit:
    // those of a digit given twice in a unit still rule each other out.
    Bands blocked{};
    for (int b = 0; b < 3; ++b)
        for (std::uint32_t cells = start_.given[d][static_cast<std::size_t>(b)]; cells != 0; cells &= cells - 1)
            for (std::size_t w = 0; w < 3; ++w)
                blocked[w] |= kPeerBands[static_cast<std::size_t>(27 * b + std::countr_zero(cells))][w];
    start_.blocked[d] = blocked;
    for (const std::uint8_t unit : kGeometry.unitsOf[i]) {
        unsigned placed = 0;
        for (const std::uint8_t cell : kGeometry.unitCells[unit])
            if (const int v = start_.value[cell]; v != 0)
                placed |= 1u << (v - 1);
        start_.placed[unit] = static_cast<std::uint16_t>(placed);
    }
}

CSolutionSearch::CStart CSolutionSearch::Saved() const
{
    return start_;
}

void CSolutionSearch::Restore(const CStart& start)
{
    start_ = start;
}

int CSolutionSearch::Count(int limit, Values* first)
{
    limit_ = limit < 1 ? 1 : limit;
    first_ = first;
    random_ = nullptr;
    SearchAll();
    return found_;
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
    Bands filled{};
    for (const Bands& given : start_.given)
        for (std::size_t b = 0; b < 3; ++b)
            filled[b] |= given[b];
    for (std::size_t d = 0; d < 9; ++d)
        for (std::size_t b = 0; b < 3; ++b)
            s.digit[d][b] = start_.given[d][b] | (kBand & ~filled[b] & ~start_.blocked[d][b]);
    start_.forbiddenCells.ForEach([&](int i) {
        const std::uint32_t keep = ~(1u << (i % 27));
        const auto b = static_cast<std::size_t>(i / 27);
        for (unsigned digits = start_.forbidden[static_cast<std::size_t>(i)]; digits != 0; digits &= digits - 1)
            s.digit[static_cast<std::size_t>(std::countr_zero(digits))][b] &= keep;
    });
    for (std::size_t b = 0; b < 3; ++b)
        s.open[b] = kBand & ~filled[b];
    Search(0, kNine);
}

void CSolutionSearch::Solved(const CState& s)
{
    if (++found_ != 1 || first_ == nullptr)
        return;
    for (int d = 0; d < 9; ++d)
        for (int b = 0; b < 3; ++b)
            for (std::uint32_t cells = s.digit[static_cast<std::size_t>(d)][static_cast<std::size_t>(b)]; cells != 0;
                 cells &= cells - 1)
                (*first_)[static_cast<std::size_t>(27 * b + std::countr_zero(cells))] = d + 1;
}

void CSolutionSearch::Search(int depth, unsigned dirty)
{
    CState& s = states_[static_cast<std::size_t>(depth)];
    if (!Propagate(s, dirty))
        return;
    if ((s.open[0] | s.open[1] | s.open[2]) == 0) {
        Solved(s);
        return;
    }
    CGuess guess;
    ChooseCell(s.digit, s.open, guess);
    if (guess.count > 2)
        ChooseUnit(s.digit, s.open, guess);
    if (random_ != nullptr) {
        for (int i = guess.count - 1; i > 0; --i) {
            const auto j = static_cast<int>(random_->Below(static_cast<std::uint32_t>(i + 1)));
            std::swap(guess.digits[i], guess.digits[j]);
            std::swap(guess.cells[i], guess.cells[j]);
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
