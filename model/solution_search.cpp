// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "solution_search.h"

#include "puzzle_maker.h"

#include <bit>

namespace {

constexpr std::uint16_t kNine = 0x1FF;

// The cells of each row, column and box: units 0-8, 9-17 and 18-26.
constexpr auto kUnits = [] {
    std::array<std::array<std::uint8_t, 9>, 27> units{};
    for (int i = 0; i < 9; ++i) {
        for (int k = 0; k < 9; ++k) {
            units[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(CellIndex(i, k));
            units[static_cast<std::size_t>(9 + i)][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(CellIndex(k, i));
            units[static_cast<std::size_t>(18 + i)][static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(CellIndex(i / 3 * 3 + k / 3, i % 3 * 3 + k % 3));
        }
    }
    return units;
}();

// Each cell's row, column and box, as units.
struct CCellUnits {
    std::uint8_t row, column, box;
};
constexpr auto kCellUnits = [] {
    std::array<CCellUnits, kCellCount> units{};
    for (int i = 0; i < kCellCount; ++i)
        units[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i / 9), static_cast<std::uint8_t>(9 + i % 9),
                                              static_cast<std::uint8_t>(18 + i / 27 * 3 + i % 9 / 3)};
    return units;
}();

// Each cell's row, column and box, as a set of units.
constexpr auto kUnitsOfCell = [] {
    std::array<std::uint32_t, kCellCount> units{};
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = 1u << kCellUnits[i].row | 1u << kCellUnits[i].column | 1u << kCellUnits[i].box;
    return units;
}();

// The 20 other cells that share a row, column or box with each cell, as a
// set of cells.
constexpr auto kPeers = [] {
    std::array<std::array<std::uint64_t, 2>, kCellCount> peers{};
    for (int i = 0; i < kCellCount; ++i) {
        for (int j = 0; j < kCellCount; ++j) {
            const bool sameRow = i / 9 == j / 9;
            const bool sameColumn = i % 9 == j % 9;
            const bool sameBox = i / 27 == j / 27 && i % 9 / 3 == j % 9 / 3;
            if (j != i && (sameRow || sameColumn || sameBox))
                peers[static_cast<std::size_t>(i)][static_cast<std::size_t>(j / 64)] |= std::uint64_t{1} << (j % 64);
        }
    }
    return peers;
}();

bool Has(const std::uint64_t (&bits)[2], int index)
{
    return (bits[index >> 6] >> (index & 63) & 1) != 0;
}

int DigitOf(unsigned bit)
{
    return std::countr_zero(bit) + 1;
}

// The number of digits in a nine-bit mask of this file's order; the count
// does not depend on the order. A table: not every processor counts bits.
int Digits(unsigned mask)
{
    return kDigitCount[mask];
}

bool Single(unsigned mask)
{
    return (mask & (mask - 1)) == 0;
}

} // namespace

std::uint16_t CSolutionSearch::OpenDigits(const CState& s, int index) const
{
    const CCellUnits& u = kCellUnits[static_cast<std::size_t>(index)];
    return static_cast<std::uint16_t>(allowed_[static_cast<std::size_t>(index)]
                                      & ~(s.placed[u.row] | s.placed[u.column] | s.placed[u.box]));
}

void CSolutionSearch::Place(CState& s, int index, std::uint16_t bit)
{
    const auto i = static_cast<std::size_t>(index);
    const CCellUnits& u = kCellUnits[i];
    s.value[i] = static_cast<std::uint8_t>(DigitOf(bit));
    s.empty[index >> 6] &= ~(std::uint64_t{1} << (index & 63));
    s.placed[u.row] |= bit;
    s.placed[u.column] |= bit;
    s.placed[u.box] |= bit;
    s.open[i] = 0;
    touched_ |= kUnitsOfCell[i];
    changed_[0] |= kPeers[i][0];
    changed_[1] |= kPeers[i][1];
}

bool CSolutionSearch::Propagate(CState& s)
{
    for (;;) {
        // Cells with one digit left, filled as they are met so that the
        // cells after them see it at once. Only cells next to one placed
        // since they were last looked at can have lost a digit.
        for (;;) {
            const std::uint64_t todo[2] = {changed_[0] & s.empty[0], changed_[1] & s.empty[1]};
            if ((todo[0] | todo[1]) == 0)
                break;
            changed_[0] = changed_[1] = 0;
            for (int word = 0; word < 2; ++word) {
                for (std::uint64_t cells = todo[word]; cells != 0; cells &= cells - 1) {
                    const int index = word * 64 + std::countr_zero(cells);
                    const auto i = static_cast<std::size_t>(index);
                    const std::uint16_t open = OpenDigits(s, index);
                    if (open == 0)
                        return false;
                    if (open == s.open[i])
                        continue;
                    touched_ |= kUnitsOfCell[i];
                    s.open[i] = open;
                    if (Single(open))
                        Place(s, index, open);
                }
            }
        }
        if ((s.empty[0] | s.empty[1]) == 0)
            return true;

        // Digits with one place left in a row, column or box go there; a
        // digit with no place at all is a contradiction. Only a unit whose
        // cells lost digits can have either. The open digits worked out
        // above may have lost more to the cells placed here since: a digit
        // seen once was then in at most that cell, and is checked again.
        std::uint32_t units = touched_;
        touched_ = 0;
        bool placedAny = false;
        for (; units != 0; units &= units - 1) {
            const auto unit = static_cast<std::size_t>(std::countr_zero(units));
            const auto& cells = kUnits[unit];
            unsigned once = 0;
            unsigned twice = 0;
            // Written out: this is the search's innermost loop.
            const auto see = [&](std::size_t k) {
                const unsigned open = s.open[cells[k]];
                twice |= once & open;
                once |= open;
            };
            see(0), see(1), see(2), see(3), see(4), see(5), see(6), see(7), see(8);
            const unsigned needed = ~s.placed[unit] & kNine;
            if ((once & needed) != needed)
                return false;
            for (unsigned only = once & ~twice & needed; only != 0; only &= only - 1) {
                const auto bit = static_cast<std::uint16_t>(only & -only);
                if ((s.placed[unit] & bit) != 0)
                    continue;
                // The one cell that held it, unless it has just taken
                // another digit that had no other place either.
                std::size_t at = 0;
                while (at < cells.size() && (s.open[cells[at]] & bit) == 0)
                    ++at;
                if (at == cells.size())
                    return false;
                const int index = cells[at];
                if ((OpenDigits(s, index) & bit) == 0)
                    return false;
                Place(s, index, bit);
                placedAny = true;
            }
        }
        if (!placedAny)
            return true;
    }
}

bool CSolutionSearch::Load(const Values& values)
{
    CState& s = start_;
    allowed_.fill(kNine);
    s.open.fill(0);
    s.value.fill(0);
    s.placed.fill(0);
    s.empty[0] = ~std::uint64_t{0};
    s.empty[1] = (std::uint64_t{1} << (kCellCount - 64)) - 1;
    impossible_ = false;
    for (int i = 0; i < kCellCount; ++i) {
        const int v = values[static_cast<std::size_t>(i)];
        if (v == 0)
            continue;
        const auto bit = static_cast<std::uint16_t>(v >= 1 && v <= 9 ? 1u << (v - 1) : 0);
        // Out of range, or already placed in a unit: the same digit twice.
        if (bit == 0 || (OpenDigits(s, i) & bit) == 0)
            impossible_ = true;
        if (bit != 0)
            Place(s, i, bit);
    }
    return !impossible_;
}

bool CSolutionSearch::Forbid(int index, int digit)
{
    const auto i = static_cast<std::size_t>(index);
    if (!impossible_ && Has(start_.empty, index)) {
        allowed_[i] = static_cast<std::uint16_t>(allowed_[i] & ~(1u << (digit - 1)));
        impossible_ = OpenDigits(start_, index) == 0;
    }
    return !impossible_;
}

bool CSolutionSearch::ForbidAll(int index, DigitMask excluded)
{
    const auto i = static_cast<std::size_t>(index);
    if (!impossible_ && Has(start_.empty, index)) {
        allowed_[i] = static_cast<std::uint16_t>(allowed_[i] & ~excluded & kAllDigits);
        impossible_ = OpenDigits(start_, index) == 0;
    }
    return !impossible_;
}

void CSolutionSearch::Erase(int index)
{
    const auto i = static_cast<std::size_t>(index);
    if (Has(start_.empty, index))
        return;
    const auto bit = static_cast<std::uint16_t>(1u << (start_.value[i] - 1));
    start_.value[i] = 0;
    start_.empty[index >> 6] |= std::uint64_t{1} << (index & 63);
    const CCellUnits& u = kCellUnits[i];
    for (const std::uint8_t unit : {u.row, u.column, u.box}) {
        if (!impossible_) {
            // No digit is placed twice in a unit: the cell held this one alone.
            start_.placed[unit] = static_cast<std::uint16_t>(start_.placed[unit] & ~bit);
            continue;
        }
        std::uint16_t placed = 0;
        for (const std::uint8_t cell : kUnits[unit])
            if (const int v = start_.value[cell]; v != 0)
                placed = static_cast<std::uint16_t>(placed | 1u << (v - 1));
        start_.placed[unit] = placed;
    }
}

CSolutionSearch::CStart CSolutionSearch::Saved() const
{
    return {start_, allowed_, impossible_};
}

void CSolutionSearch::Restore(const CStart& start)
{
    start_ = start.state;
    allowed_ = start.allowed;
    impossible_ = start.impossible;
}

int CSolutionSearch::Count(int limit, Values* first)
{
    limit_ = limit < 1 ? 1 : limit;
    found_ = 0;
    first_ = first;
    random_ = nullptr;
    SearchAll();
    return found_;
}

bool CSolutionSearch::FindRandom(CRandom& random, Values& solution)
{
    limit_ = 1;
    found_ = 0;
    first_ = &solution;
    random_ = &random;
    SearchAll();
    random_ = nullptr;
    return found_ == 1;
}

void CSolutionSearch::SearchAll()
{
    if (impossible_)
        return;
    states_[0] = start_;
    // Every empty cell and every unit to work out: the open digits kept
    // with the start are those of no cell.
    CState& s = states_[0];
    s.open.fill(0);
    changed_[0] = s.empty[0];
    changed_[1] = s.empty[1];
    touched_ = (1u << 27) - 1;
    Search(0);
}

void CSolutionSearch::Search(int depth)
{
    CState& s = states_[static_cast<std::size_t>(depth)];
    if (!Propagate(s))
        return;
    // The cell with the fewest digits left; none is empty once all are filled.
    int best = -1;
    int fewest = 10;
    for (int word = 0; word < 2 && fewest > 2; ++word) {
        for (std::uint64_t cells = s.empty[word]; cells != 0; cells &= cells - 1) {
            const int index = word * 64 + std::countr_zero(cells);
            const int count = Digits(s.open[static_cast<std::size_t>(index)]);
            if (count < fewest) {
                fewest = count;
                best = index;
                if (count == 2)
                    break;
            }
        }
    }
    if (best < 0) {
        if (++found_ == 1 && first_ != nullptr)
            for (int i = 0; i < kCellCount; ++i)
                (*first_)[static_cast<std::size_t>(i)] = s.value[static_cast<std::size_t>(i)];
        return;
    }

    std::uint16_t digits[9];
    int count = 0;
    for (unsigned open = s.open[static_cast<std::size_t>(best)]; open != 0; open &= open - 1)
        digits[count++] = static_cast<std::uint16_t>(open & -open);
    if (random_ != nullptr)
        for (int i = count - 1; i > 0; --i)
            std::swap(digits[i], digits[random_->Below(static_cast<std::uint32_t>(i + 1))]);
    for (int k = 0; k < count && found_ < limit_; ++k) {
        CState& next = states_[static_cast<std::size_t>(depth + 1)];
        next = s;
        // Propagate left nothing else to work out in s.
        changed_[0] = changed_[1] = 0;
        touched_ = 0;
        Place(next, best, digits[k]);
        Search(depth + 1);
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
