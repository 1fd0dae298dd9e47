// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Solve with a chosen set of the deduction's rules, for grading. It runs
// its own sweep over plain masks rather than asking the board's engine, so
// that the engine's path stays exactly as fast and simple as it is: with
// fewer rules, cells have fewer digits ruled out, which changes what rules
// 4, 5 and 9 see, so the rules have to be applied over the sweep's own
// flags, never filtered from the engine's. Each rule is applied exactly as
// UpdateCell applies it, in the same visiting order, reading the other
// cells' flags as they stand.
#include "puzzle_maker.h"

#include "board_geometry.h"
#include "solution_search.h"

#include <algorithm>
#include <bit>

namespace {

// The cells of each segment.
constexpr auto kSegmentCells = [] {
    std::array<std::array<std::array<std::uint8_t, 3>, 27>, 2> cells{};
    for (int box = 0; box < kBoardSize; ++box) {
        for (int k = 0; k < 3; ++k) {
            for (int j = 0; j < 3; ++j) {
                const auto segment = static_cast<std::size_t>(3 * box + k);
                cells[0][segment][static_cast<std::size_t>(j)] =
                    static_cast<std::uint8_t>(CellIndex(box / 3 * 3 + k, box % 3 * 3 + j));
                cells[1][segment][static_cast<std::size_t>(j)] =
                    static_cast<std::uint8_t>(CellIndex(box / 3 * 3 + j, box % 3 * 3 + k));
            }
        }
    }
    return cells;
}();

unsigned Open(DigitMask excluded)
{
    return ~excluded & kAllDigits;
}

// A set of cells, cell i at bit i % 64 of word i / 64.
using CCellSet = std::array<std::uint64_t, 2>;

constexpr void Add(CCellSet& set, int i)
{
    set[static_cast<std::size_t>(i / 64)] |= std::uint64_t{1} << (i % 64);
}

// Who reads what: for each cell the cells that read its value or its
// digits directly (its row, column and box); for each segment the cells
// that read what it has ruled out in all three cells, the other rows of
// its band (the other columns of its stack, in the other two boxes).
struct CReaders {
    std::array<CCellSet, kCellCount> cell{};
    std::array<CCellSet, 27> rowSegment{}, columnSegment{};
};
constexpr auto kReaders = [] {
    CReaders readers;
    for (int i = 0; i < kCellCount; ++i) {
        for (int j = 0; j < kCellCount; ++j) {
            const bool sameBox = i / 27 == j / 27 && i % 9 / 3 == j % 9 / 3;
            if (i / 9 == j / 9 || i % 9 == j % 9 || sameBox)
                Add(readers.cell[static_cast<std::size_t>(i)], j);
            const CPlace& r = PlaceOf(i);
            const CPlace& s = PlaceOf(j);
            if (i / 27 == j / 27 && i / 9 != j / 9)
                Add(readers.rowSegment[r.rowSegment], j);
            if (i % 9 / 3 == j % 9 / 3 && i % 9 != j % 9 && r.box != s.box)
                Add(readers.columnSegment[r.columnSegment], j);
        }
    }
    return readers;
}();

// Solve over plain masks. What the rules read (the digits placed in each
// row, column and box, what each segment has ruled out in all three of its
// cells, which cells of each row and column have two digits left) is kept
// up to date as cells change rather than counted again on every step.
class CRuleSweep {
public:
    explicit CRuleSweep(const Values& values, Level level)
    {
        rowSegment_.fill(0);
        columnSegment_.fill(0);
        for (int i = 0; i < kCellCount; ++i) {
            const int v = values[static_cast<std::size_t>(i)];
            // As SetValue leaves a cell: a given rules out every other digit.
            if (v >= 1 && v <= 9)
                Fill(i, v);
            else
                Add(empty_, i);
        }
        UseRules(level);
    }

    // UpdateCell on every cell, row by row, left to right; a filled cell
    // is left alone. True when any cell changed.
    //
    // A step reads only the cells of its row, column and box and what the
    // segments of its band and stack have ruled out: when none of that has
    // changed since its last step, it would find nothing, and is left out.
    bool Pass()
    {
        bool changed = false;
        for (std::size_t word = 0; word < empty_.size(); ++word) {
            // The cells still to come are those left as the cells visited
            // change, so they are taken from the words as they stand now.
            for (int from = 0; from < 64;) {
                const std::uint64_t todo = empty_[word] & stale_[word] & ~std::uint64_t{0} << from;
                if (todo == 0)
                    break;
                from = std::countr_zero(todo);
                changed |= UpdateEmptyCell(static_cast<int>(word * 64) + from);
                // What the step itself changed is nothing it reads.
                stale_[word] &= ~(std::uint64_t{1} << from);
                ++from;
            }
        }
        return changed;
    }

    CRuleSolve& Result() { return result_; }

    void UseRules(Level level)
    {
        boxAndLine_ = level != Level::Singles;
        pairs_ = level != Level::Singles && level != Level::BoxAndLine;
        stale_ = empty_;
    }

private:
    DigitMask Excluded(std::size_t index) const { return result_.excluded[index]; }

    void Touch(const CCellSet& readers)
    {
        stale_[0] |= readers[0];
        stale_[1] |= readers[1];
    }

    DigitMask SegmentsOf(const std::array<DigitMask, 27>& segments, const std::uint8_t (&two)[2]) const
    {
        return static_cast<DigitMask>(segments[two[0]] & segments[two[1]]);
    }

    // The cell's ruled-out digits have just become excluded.
    void Exclude(int index, DigitMask excluded)
    {
        const CPlace& r = PlaceOf(index);
        result_.excluded[static_cast<std::size_t>(index)] = excluded;
        Touch(kReaders.cell[static_cast<std::size_t>(index)]);
        for (int k = 0; k < 2; ++k) {
            const std::uint8_t segment = k == 0 ? r.rowSegment : r.columnSegment;
            const auto& cells = kSegmentCells[static_cast<std::size_t>(k)][segment];
            DigitMask& all = (k == 0 ? rowSegment_ : columnSegment_)[segment];
            const auto now = static_cast<DigitMask>(Excluded(cells[0]) & Excluded(cells[1]) & Excluded(cells[2]));
            if (now != all)
                Touch((k == 0 ? kReaders.rowSegment : kReaders.columnSegment)[segment]);
            all = now;
        }
        const unsigned two = kDigitCount[Open(excluded)] == 2;
        rowTwos_[r.row] = static_cast<std::uint16_t>((rowTwos_[r.row] & ~(1u << r.column)) | two << r.column);
        columnTwos_[r.column] =
            static_cast<std::uint16_t>((columnTwos_[r.column] & ~(1u << r.row)) | two << r.row);
    }

    void Fill(int index, int digit)
    {
        const CPlace& r = PlaceOf(index);
        const DigitMask bit = DigitBit(digit);
        result_.values[static_cast<std::size_t>(index)] = digit;
        empty_[static_cast<std::size_t>(index / 64)] &= ~(std::uint64_t{1} << (index % 64));
        rowPlaced_[r.row] |= bit;
        columnPlaced_[r.column] |= bit;
        boxPlaced_[r.box] |= bit;
        Exclude(index, static_cast<DigitMask>(kAllDigits & ~bit));
    }

    // The digits of every two cells of a line, other than the cell itself,
    // that have the same two digits left and no others. cells: the line's
    // cells with two digits left, by place along the line.
    DigitMask PairDigits(unsigned cells, bool row, int line) const
    {
        unsigned seen[kBoardSize];
        int count = 0;
        DigitMask digits = 0;
        for (; cells != 0; cells &= cells - 1) {
            const int k = std::countr_zero(cells);
            const unsigned open = Open(Excluded(static_cast<std::size_t>(row ? CellIndex(line, k) : CellIndex(k, line))));
            for (int m = 0; m < count; ++m)
                if (seen[m] == open)
                    digits |= static_cast<DigitMask>(open);
            seen[count++] = open;
        }
        return digits;
    }

    bool UpdateEmptyCell(int index)
    {
        const CPlace& r = PlaceOf(index);
        const DigitMask before = Excluded(static_cast<std::size_t>(index));
        unsigned ruled = rowPlaced_[r.row] | columnPlaced_[r.column] | boxPlaced_[r.box];
        if (boxAndLine_)
            ruled |= SegmentsOf(rowSegment_, r.bandSegments[0]) | SegmentsOf(rowSegment_, r.bandSegments[1])
                | SegmentsOf(columnSegment_, r.stackSegments[0]) | SegmentsOf(columnSegment_, r.stackSegments[1]);
        if (pairs_) {
            // A pair takes two cells with two digits left besides this one.
            const unsigned inRow = rowTwos_[r.row] & ~(1u << r.column);
            const unsigned inColumn = columnTwos_[r.column] & ~(1u << r.row);
            if ((inRow & (inRow - 1)) != 0)
                ruled |= PairDigits(inRow, true, r.row);
            if ((inColumn & (inColumn - 1)) != 0)
                ruled |= PairDigits(inColumn, false, r.column);
        }
        const bool newly = (ruled & Open(before)) != 0;
        if (newly)
            Exclude(index, static_cast<DigitMask>(before | ruled));

        // One digit left, or else the digits ruled out in the other eight
        // cells of the box.
        const unsigned open = Open(Excluded(static_cast<std::size_t>(index)));
        const unsigned fill = kDigitCount[open] == 1
            ? open
            : SegmentsOf(rowSegment_, r.otherRowSegments) & Excluded(r.rowMates[0]) & Excluded(r.rowMates[1]) & open;
        if (fill == 0)
            return newly;
        // Digit 1 is the highest bit: the lowest digit wins.
        Fill(index, 10 - std::bit_width(fill));
        return true;
    }

    bool boxAndLine_ = true;
    bool pairs_ = true;
    CRuleSolve result_;
    std::array<DigitMask, 9> rowPlaced_{};
    std::array<DigitMask, 9> columnPlaced_{};
    std::array<DigitMask, 9> boxPlaced_{};
    std::array<DigitMask, 27> rowSegment_;
    std::array<DigitMask, 27> columnSegment_;
    // Bit k: the k-th cell of the row (column) has exactly two digits left.
    std::array<std::uint16_t, 9> rowTwos_{};
    std::array<std::uint16_t, 9> columnTwos_{};
    CCellSet empty_{};
    // Cells that may find something at their next step.
    CCellSet stale_{};
};

} // namespace

bool CRuleSolve::Finished() const
{
    return std::find(values.begin(), values.end(), 0) == values.end();
}

CRuleSolve SolveWithRules(const Values& values, Level level)
{
    CRuleSweep sweep(values, level);
    int sweeps = 1;
    while (sweep.Pass())
        ++sweeps;
    sweep.Result().sweeps = sweeps;
    return sweep.Result();
}

// Each level's rules include those before, and every rule is sound: on
// a board with a solution it never rules out a digit that a solution has
// there. Rules that only add what they see, applied in any order until
// nothing changes, end in the same place, so Solve with more rules may go on
// from where Solve with fewer stopped instead of starting again: the
// board's level comes for the price of one Solve. (The pairs of rules 6 and
// 7 drop out when one of their cells fills, but what they ruled out then
// follows from rules 1 and 8.) The tests hold this to solving each level
// from the start, on every puzzle of the test sets and on many others.
namespace {

// Solve with the rules of each level in turn, up to last, going on from
// where the one before stopped; the level is the first with which every
// cell fills, and the one after last when none does.
Level GradeWith(CRuleSweep& sweep, Level last)
{
    for (const Level level : {Level::Singles, Level::BoxAndLine, Level::Pairs}) {
        sweep.UseRules(level);
        while (sweep.Pass()) {
        }
        if (sweep.Result().Finished())
            return level;
        if (level == last)
            break;
    }
    return static_cast<Level>(static_cast<int>(last) + 1);
}

// CheckPuzzle given what Solve with all the rules left of values.
//
// Each digit the rules rule out, and each cell they fill, holds in every
// solution there is (on a board without one, vacuously): the solutions of
// the board as Solve leaves it are the board's own.
//
// On a board with a solution, fewer rules never get further than more:
// what all the rules leave is a board none of the fewer rules changes, and
// those rules only ever add to what they see, so what they leave from the
// start lies below it. The level is therefore BeyondTheRules when all the
// rules leave a cell open, and otherwise the first level that finishes.
CPuzzleCheck CheckSolved(const Values& values, const CRuleSolve& solved)
{
    CPuzzleCheck check;
    CSolutionSearch search;
    bool possible = search.Load(solved.values);
    if (solved.Finished()) {
        // Filled without a contradiction: the one solution.
        if (possible) {
            check.solutions = 1;
            check.solution = solved.values;
            CRuleSweep sweep(values, Level::Singles);
            check.level = GradeWith(sweep, Level::BoxAndLine);
        }
        return check;
    }
    for (int i = 0; i < kCellCount && possible; ++i)
        if (solved.values[static_cast<std::size_t>(i)] == 0)
            possible = search.ForbidAll(i, solved.excluded[static_cast<std::size_t>(i)]);
    if (possible)
        check.solutions = search.Count(2, &check.solution);
    check.level = Level::BeyondTheRules;
    return check;
}

} // namespace

Level Grade(const Values& values)
{
    CRuleSweep sweep(values, Level::Singles);
    return GradeWith(sweep, Level::Pairs);
}

CPuzzleCheck CheckPuzzle(const Values& values)
{
    return CheckSolved(values, SolveWithRules(values, Level::Pairs));
}

CPuzzleCheck CheckSolvedPuzzle(const Values& values, const CLaneBoard& solved)
{
    CRuleSolve board;
    for (std::size_t i = 0; i < board.values.size(); ++i) {
        board.values[i] = solved.value[i];
        board.excluded[i] = solved.excluded[i];
    }
    return CheckSolved(values, board);
}

std::string_view LevelName(Level level)
{
    switch (level) {
    case Level::Any: return "Any level";
    case Level::Singles: return "Singles";
    case Level::BoxAndLine: return "Box and line";
    case Level::Pairs: return "Pairs";
    case Level::BeyondTheRules: return "Beyond the rules";
    }
    return "";
}
