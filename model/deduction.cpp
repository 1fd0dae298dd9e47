// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "deduction.h"

#include "board_geometry.h"

#include <bit>

namespace {

// A filled cell rules out every digit but its own, so "ruled out in a cell"
// is simply its excluded mask, whether the cell is filled or not.

// The digit a cell holds as a mask, nothing for an empty one.
constexpr DigitMask kPlacedDigit[10] = {0,           DigitBit(1), DigitBit(2), DigitBit(3), DigitBit(4),
                                        DigitBit(5), DigitBit(6), DigitBit(7), DigitBit(8), DigitBit(9)};

// The 36 masks of exactly two digits are numbered 0 to 35; every other
// mask is kNoPair.
constexpr int kNoPair = 36;
constexpr auto kPairNumber = [] {
    std::array<std::uint8_t, 512> numbers{};
    int next = 0;
    for (unsigned mask = 0; mask < numbers.size(); ++mask)
        numbers[mask] = static_cast<std::uint8_t>(kDigitCount[mask] == 2 ? next++ : kNoPair);
    return numbers;
}();
// The digits of each pair; "no pair" has none.
constexpr auto kPairDigits = [] {
    std::array<DigitMask, 37> digits{};
    for (unsigned mask = 0; mask < 512; ++mask)
        if (kPairNumber[mask] != kNoPair)
            digits[kPairNumber[mask]] = static_cast<DigitMask>(mask);
    return digits;
}();

unsigned Open(DigitMask excluded) { return ~excluded & kAllDigits; }

int PairOf(DigitMask excluded) { return kPairNumber[Open(excluded)]; }

DigitMask DigitsOfPairs(std::uint64_t pairs)
{
    DigitMask digits = 0;
    for (; pairs != 0; pairs &= pairs - 1)
        digits |= kPairDigits[static_cast<std::size_t>(std::countr_zero(pairs))];
    return digits;
}

// Calls action(digit) for each digit of mask, lowest digit first.
template <typename Action>
void ForEachDigit(unsigned mask, Action action)
{
    for (; mask != 0; mask &= mask - 1)
        action(LowestDigit(mask));
}

// Where a cell holding value notes itself as a holder: place value - 1, or
// for an empty cell a place no digit reads.
constexpr std::uint8_t kHolderPlace[10] = {15, 0, 1, 2, 3, 4, 5, 6, 7, 8};

// The digits ruled out in all six cells of two segments of a box.
DigitMask Both(const std::array<DigitMask, 27>& segments, const std::uint8_t (&which)[2])
{
    return static_cast<DigitMask>(segments[which[0]] & segments[which[1]]);
}

// The two-candidate cells of one row or column, counted by their pair of
// digits (one of 36), and the digits of every pair held twice or more.
struct CPairLine {
    void Add(int pair)
    {
        if (++count[static_cast<std::size_t>(pair)] == 2) {
            twice |= std::uint64_t{1} << pair;
            digits |= kPairDigits[static_cast<std::size_t>(pair)];
        }
    }
    void Remove(int pair)
    {
        if (count[static_cast<std::size_t>(pair)]-- == 2) {
            twice &= ~(std::uint64_t{1} << pair);
            digits = DigitsOfPairs(twice);
        }
    }
    // The pairs held twice or more when one cell holding pair (or no pair)
    // is left out: a pair held by it and one other cell drops.
    std::uint64_t PairsWithout(int pair) const
    {
        return count[static_cast<std::size_t>(pair)] == 2 ? twice & ~(std::uint64_t{1} << pair) : twice;
    }
    // Their digits.
    DigitMask DigitsWithout(int pair) const
    {
        return count[static_cast<std::size_t>(pair)] == 2 ? DigitsOfPairs(PairsWithout(pair)) : digits;
    }

    // The last counts "no pair", moved like the others so that a change
    // needs no test: it is only ever off by the cells that have left or
    // entered a pair since the object was made (nine at most), and has no
    // digits, so it adds none when it reaches two.
    std::array<std::int8_t, 37> count{};
    std::uint64_t twice = 0; // bit k: pair k is held at least twice
    DigitMask digits = 0;
};

} // namespace

// What the rules read, kept up to date as the cells change, and the rules
// themselves over it.
template <Reasons kReasons, Rules kRules>
class CSweepOf<kReasons, kRules>::CState {
public:
    CState(Grid& grid, CDeductionObserver* observer);
    // Hands the cells the evidence of rules 1 to 3 that it still owes them.
    ~CState();
    CState(const CState&) = delete;
    CState& operator=(const CState&) = delete;

    bool UpdateCell(int index) { return IsEmpty(index) && UpdateEmptyCell(index); }
    bool Pass();

private:
    static constexpr bool kRecord = kReasons == Reasons::Kept;
    static constexpr bool kBoxAndLine = kRules != Rules::Singles;
    static constexpr bool kPairs = kRules == Rules::All;

    // The rules, in the order the deduction applies them. The first seven
    // give the digits they rule out of the cell at p (pair: the pair the
    // cell itself holds, which takes no part in its lines' pairs), nothing
    // when the sweep leaves them out; the last two the digit to place, if
    // any, as a mask.
    DigitMask PlacedInRow(const CPlace& p) const { return rowPlaced_[p.row]; }
    DigitMask PlacedInColumn(const CPlace& p) const { return columnPlaced_[p.column]; }
    DigitMask PlacedInBox(const CPlace& p) const { return boxPlaced_[p.box]; }
    DigitMask ConfinedByBandBoxes(const CPlace& p) const
    {
        if constexpr (!kBoxAndLine)
            return 0;
        return Both(rowSegment_, p.bandSegments[0]) | Both(rowSegment_, p.bandSegments[1]);
    }
    DigitMask ConfinedByStackBoxes(const CPlace& p) const
    {
        if constexpr (!kBoxAndLine)
            return 0;
        return Both(columnSegment_, p.stackSegments[0]) | Both(columnSegment_, p.stackSegments[1]);
    }
    DigitMask PairsOfRow(const CPlace& p, int pair) const
    {
        if constexpr (!kPairs)
            return 0;
        return rowPairs_[p.row].DigitsWithout(pair);
    }
    DigitMask PairsOfColumn(const CPlace& p, int pair) const
    {
        if constexpr (!kPairs)
            return 0;
        return columnPairs_[p.column].DigitsWithout(pair);
    }
    static unsigned OneDigitLeft(unsigned open) { return kDigitCount[open] == 1 ? open : 0; }
    unsigned NoOtherPlaceInBox(const CPlace& p, unsigned open) const
    {
        return Both(rowSegment_, p.otherRowSegments) & excluded_[p.rowMates[0]] & excluded_[p.rowMates[1]] & open;
    }

    bool IsEmpty(int index) const { return empty_.Has(index); }
    bool UpdateEmptyCell(int index);
    // The cell at index has just been filled with digit.
    void NotePlaced(int index, int digit);
    // The ruled-out digits of the cell at index have just grown from before.
    void NoteExcluded(int index, DigitMask before);

    // Keeping the reasons for the digits newly ruled out, by rule.
    void RecordReasons(int index, unsigned newly, const DigitMask (&byRule)[7]);
    void RecordConfinedAndPairs(int index, unsigned digits, DigitMask band, DigitMask stack, DigitMask rowPairs);
    void RecordPairs(int index, unsigned digits, bool inRow);
    void TellObserver(int index, unsigned newly, DigitMask row, DigitMask column, DigitMask box);

    Grid& grid_;
    CDeductionObserver* observer_;
    // The grid's ruled-out masks, packed close together for the reads.
    std::array<DigitMask, kCellCount> excluded_;
    // Digits placed in each row, column and box.
    std::array<DigitMask, 9> rowPlaced_{};
    std::array<DigitMask, 9> columnPlaced_{};
    std::array<DigitMask, 9> boxPlaced_{};
    // For each row (column) segment: the digits ruled out in all three of
    // its cells. The column segments only for rule 5, the pairs only for
    // rules 6 and 7.
    std::array<DigitMask, 27> rowSegment_;
    std::array<DigitMask, 27> columnSegment_;
    std::array<CPairLine, 9> rowPairs_;
    std::array<CPairLine, 9> columnPairs_;
    CCellSet empty_;

    // Kept only with the reasons. For each row, column and box and each
    // digit d, place d - 1: the first cell in board order that holds d. A
    // digit is only placed in a line that holds it nowhere (every cell of
    // the line has it ruled out first), so the first holder never changes
    // once there is one: it is the evidence of rules 1 to 3 at any moment.
    // Other places are unused.
    using Holders = std::array<std::array<std::uint8_t, 16>, 9>;
    Holders rowHolder_{};
    Holders columnHolder_{};
    Holders boxHolder_{};
    // The digits each cell lost to rules 1, 2 and 3 while this object looked
    // after it (bits 0, 16 and 32 up), whose evidence it still owes the
    // cell: it notes each cell once, at the end, however often it changed.
    std::array<std::uint64_t, kCellCount> owed_{};
    CCellSet owing_;
};

template <Reasons kReasons, Rules kRules>
CSweepOf<kReasons, kRules>::CState::CState(Grid& grid, CDeductionObserver* observer) : grid_(grid), observer_(observer)
{
    rowSegment_.fill(kAllDigits);
    columnSegment_.fill(kAllDigits);
    // Backwards, so that the first holder of a digit in a line is noted last.
    for (int index = kCellCount - 1; index >= 0; --index) {
        const CCell& cell = grid_[static_cast<std::size_t>(index)];
        const CPlace& p = PlaceOf(index);
        const DigitMask excluded = cell.ExcludedMask();
        excluded_[static_cast<std::size_t>(index)] = excluded;
        empty_.AddIf(cell.GetValue() == 0, index);
        const DigitMask placed = kPlacedDigit[cell.GetValue()];
        if constexpr (kRecord) {
            const std::size_t place = kHolderPlace[cell.GetValue()];
            rowHolder_[p.row][place] = columnHolder_[p.column][place] = boxHolder_[p.box][place] =
                static_cast<std::uint8_t>(index);
        }
        rowPlaced_[p.row] |= placed;
        columnPlaced_[p.column] |= placed;
        boxPlaced_[p.box] |= placed;
        rowSegment_[p.rowSegment] &= excluded;
        if constexpr (kBoxAndLine)
            columnSegment_[p.columnSegment] &= excluded;
        if constexpr (kPairs) {
            if (const int pair = PairOf(excluded); pair != kNoPair) {
                rowPairs_[p.row].Add(pair);
                columnPairs_[p.column].Add(pair);
            }
        }
    }
}

// The evidence of rules 1 to 3 is the first holder of the digit in the
// line, the same for the object's whole life (see rowHolder_), so each cell
// is noted once, at the end.
template <Reasons kReasons, Rules kRules>
CSweepOf<kReasons, kRules>::CState::~CState()
{
    owing_.ForEach([this](int index) {
        const CPlace& p = PlaceOf(index);
        grid_[static_cast<std::size_t>(index)].NoteRowColumnBox(
            owed_[static_cast<std::size_t>(index)], rowHolder_[p.row].data(), columnHolder_[p.column].data(),
            boxHolder_[p.box].data());
    });
}

template <Reasons kReasons, Rules kRules>
bool CSweepOf<kReasons, kRules>::CState::Pass()
{
    bool changed = false;
    // Only the cell visited changes, so the cells still to come are those
    // of the set as it stands at the start.
    empty_.ForEach([&](int index) { changed |= UpdateEmptyCell(index); });
    return changed;
}

template <Reasons kReasons, Rules kRules>
bool CSweepOf<kReasons, kRules>::CState::UpdateEmptyCell(int index)
{
    CCell& cell = grid_[static_cast<std::size_t>(index)];
    const CPlace& p = PlaceOf(index);
    const DigitMask excluded = excluded_[static_cast<std::size_t>(index)];

    // Rules 1 to 7 only add to what is ruled out, so their union is ruled
    // out at once; rules 8 and 9 then see all of it.
    const DigitMask byRule[7] = {PlacedInRow(p),
                                 PlacedInColumn(p),
                                 PlacedInBox(p),
                                 ConfinedByBandBoxes(p),
                                 ConfinedByStackBoxes(p),
                                 PairsOfRow(p, PairOf(excluded)),
                                 PairsOfColumn(p, PairOf(excluded))};
    const unsigned newly =
        (byRule[0] | byRule[1] | byRule[2] | byRule[3] | byRule[4] | byRule[5] | byRule[6]) & Open(excluded);
    if (newly != 0) {
        cell.RuleOut(static_cast<DigitMask>(newly));
        if constexpr (kRecord)
            RecordReasons(index, newly, byRule);
        NoteExcluded(index, excluded);
    }

    const unsigned open = Open(excluded_[static_cast<std::size_t>(index)]);
    const unsigned single = OneDigitLeft(open);
    const unsigned fill = single != 0 ? single : NoOtherPlaceInBox(p, open);
    if (fill != 0) {
        const int digit = LowestDigit(fill);
        const Fill how = single != 0 ? Fill::Single : Fill::OnlyInBox;
        const DigitMask before = excluded_[static_cast<std::size_t>(index)];
        cell.Place(digit, how);
        NotePlaced(index, digit);
        // A single's other digits were all ruled out already.
        if (single == 0)
            NoteExcluded(index, before);
        if constexpr (kRecord)
            if (observer_)
                observer_->OnFilled(index, digit, how);
    } else if (newly == 0) {
        return false;
    }
    cell.UpdateDisplay();
    return true;
}

template <Reasons kReasons, Rules kRules>
void CSweepOf<kReasons, kRules>::CState::NotePlaced(int index, int digit)
{
    const CPlace& p = PlaceOf(index);
    const DigitMask bit = DigitBit(digit);
    if constexpr (kRecord) {
        const auto place = static_cast<std::size_t>(digit - 1);
        rowHolder_[p.row][place] = columnHolder_[p.column][place] = boxHolder_[p.box][place] =
            static_cast<std::uint8_t>(index);
    }
    empty_.Remove(index);
    rowPlaced_[p.row] |= bit;
    columnPlaced_[p.column] |= bit;
    boxPlaced_[p.box] |= bit;
}

template <Reasons kReasons, Rules kRules>
[[gnu::always_inline]] inline void CSweepOf<kReasons, kRules>::CState::NoteExcluded(int index, DigitMask before)
{
    const CPlace& p = PlaceOf(index);
    const DigitMask excluded = grid_[static_cast<std::size_t>(index)].ExcludedMask();
    excluded_[static_cast<std::size_t>(index)] = excluded;
    rowSegment_[p.rowSegment] = excluded & excluded_[p.rowMates[0]] & excluded_[p.rowMates[1]];
    if constexpr (kBoxAndLine)
        columnSegment_[p.columnSegment] = excluded & excluded_[p.columnMates[0]] & excluded_[p.columnMates[1]];
    if constexpr (kPairs) {
        // Whether the cell leaves a pair, enters one or neither follows no
        // pattern, so the counts are moved every time, "no pair" included.
        const int was = PairOf(before);
        const int is = PairOf(excluded);
        rowPairs_[p.row].Remove(was);
        columnPairs_[p.column].Remove(was);
        rowPairs_[p.row].Add(is);
        columnPairs_[p.column].Add(is);
    }
}

// Each digit newly ruled out is put down to the first rule that rules it
// out, with that rule's evidence. Rules 1 to 3 take nearly all of them:
// their evidence is owed a rule at a time, without a branch per digit, and
// noted when the object ends.
template <Reasons kReasons, Rules kRules>
[[gnu::always_inline]] inline void CSweepOf<kReasons, kRules>::CState::RecordReasons(int index, unsigned newly,
                                                                                     const DigitMask (&byRule)[7])
{
    const unsigned byRow = newly & byRule[0];
    const unsigned byColumn = newly & byRule[1] & ~byRow;
    const unsigned byBox = newly & byRule[2] & ~(byRow | byColumn);
    owed_[static_cast<std::size_t>(index)] |= byRow | std::uint64_t{byColumn} << 16 | std::uint64_t{byBox} << 32;
    owing_.Add(index);
    if (const unsigned rest = newly & ~(byRow | byColumn | byBox); rest != 0)
        RecordConfinedAndPairs(index, rest, byRule[3], byRule[4], byRule[5]);
    if (observer_)
        TellObserver(index, newly, byRule[0], byRule[1], byRule[2]);
}

// Digits ruled out by rules 4 to 7: few, so the box or pair that did it is
// looked for here, in the bookkeeping as the call found it (the cell's own
// change is not taken in yet). Without a branch per digit: how many there
// are follows no pattern.
template <Reasons kReasons, Rules kRules>
[[gnu::noinline]] void CSweepOf<kReasons, kRules>::CState::RecordConfinedAndPairs(int index, unsigned digits,
                                                                                  DigitMask byBand, DigitMask byStack,
                                                                                  DigitMask byRowPairs)
{
    const CPlace& p = PlaceOf(index);
    CCell& cell = grid_[static_cast<std::size_t>(index)];
    const unsigned band = digits & byBand;
    const unsigned stack = digits & byStack & ~band;
    cell.NoteRule(Rule::Band, static_cast<DigitMask>(band));
    cell.NoteRule(Rule::Stack, static_cast<DigitMask>(stack));
    // The lower box first: it is the one the rule looks at first.
    const DigitMask lowerBand = Both(rowSegment_, p.bandSegments[0]);
    const DigitMask lowerStack = Both(columnSegment_, p.stackSegments[0]);
    const DigitMask sets[4] = {static_cast<DigitMask>(band & lowerBand), static_cast<DigitMask>(band & ~lowerBand),
                               static_cast<DigitMask>(stack & lowerStack), static_cast<DigitMask>(stack & ~lowerStack)};
    const std::uint8_t boxes[4] = {p.bandBoxes[0], p.bandBoxes[1], p.stackBoxes[0], p.stackBoxes[1]};
    cell.NoteEvidence(sets, boxes);
    if (const unsigned pairs = digits & ~(band | stack); pairs != 0) {
        const unsigned rowPairs = pairs & byRowPairs;
        if (rowPairs != 0)
            RecordPairs(index, rowPairs, true);
        if (const unsigned columnPairs = pairs & ~rowPairs; columnPairs != 0)
            RecordPairs(index, columnPairs, false);
    }
}

// Each digit goes to the first pair along the line, in the order the rule
// looks at them (by first cell, then second), that holds it. The pairs held
// twice are known by number, so only their cells are looked for.
template <Reasons kReasons, Rules kRules>
void CSweepOf<kReasons, kRules>::CState::RecordPairs(int index, unsigned digits, bool inRow)
{
    const CPlace& p = PlaceOf(index);
    CCell& cell = grid_[static_cast<std::size_t>(index)];
    const Rule rule = inRow ? Rule::RowPair : Rule::ColumnPair;
    const CPairLine& line = inRow ? rowPairs_[p.row] : columnPairs_[p.column];
    const unsigned self = inRow ? p.column : p.row;
    const auto cellAt = [&](unsigned k) {
        return inRow ? CellIndex(p.row, static_cast<int>(k)) : CellIndex(static_cast<int>(k), p.column);
    };
    std::uint64_t pairs = line.PairsWithout(PairOf(excluded_[static_cast<std::size_t>(index)]));
    // Each pair that holds one of the digits, by its first cell.
    std::uint8_t second[kBoardSize] = {};
    DigitMask held[kBoardSize] = {};
    unsigned firsts = 0;
    for (; pairs != 0; pairs &= pairs - 1) {
        const int pair = std::countr_zero(pairs);
        if ((kPairDigits[static_cast<std::size_t>(pair)] & digits) == 0)
            continue;
        unsigned at = 0;
        for (unsigned k = 0; k < kBoardSize; ++k)
            at |= unsigned{PairOf(excluded_[static_cast<std::size_t>(cellAt(k))]) == pair} << k;
        at &= ~(1u << self);
        const auto first = static_cast<unsigned>(std::countr_zero(at));
        firsts |= 1u << first;
        second[first] = static_cast<std::uint8_t>(cellAt(static_cast<unsigned>(std::countr_zero(at & (at - 1)))));
        held[first] = kPairDigits[static_cast<std::size_t>(pair)];
    }
    for (; firsts != 0 && digits != 0; firsts &= firsts - 1) {
        const auto first = static_cast<unsigned>(std::countr_zero(firsts));
        const unsigned taken = held[first] & digits;
        ForEachDigit(taken, [&](int d) {
            const auto other = static_cast<std::uint8_t>(LowestDigit(held[first] & ~DigitBit(d)));
            cell.NoteReason(d, rule, static_cast<std::uint8_t>(cellAt(first)), second[first], other);
        });
        digits &= ~taken;
    }
}

// Tells the observer each digit just ruled out, in rule order, with the
// reason the cell keeps for it (those of rules 1 to 3 are still owed, and
// are the first holders the object keeps).
template <Reasons kReasons, Rules kRules>
[[gnu::noinline]] void CSweepOf<kReasons, kRules>::CState::TellObserver(int index, unsigned newly, DigitMask row,
                                                                        DigitMask column, DigitMask box)
{
    const DigitMask byRule[3] = {row, column, box};
    const CPlace& p = PlaceOf(index);
    const CCell& cell = grid_[static_cast<std::size_t>(index)];
    const std::uint8_t* holders[3] = {rowHolder_[p.row].data(), columnHolder_[p.column].data(),
                                      boxHolder_[p.box].data()};
    unsigned left = newly;
    for (int k = 0; k < 3; ++k) {
        const unsigned hit = left & byRule[k];
        left &= ~hit;
        ForEachDigit(hit, [&](int d) {
            observer_->OnRuledOut(index, d, {static_cast<Rule>(k + 1), holders[k][d - 1]});
        });
    }
    for (int rule = static_cast<int>(Rule::Band); rule <= static_cast<int>(Rule::ColumnPair); ++rule)
        ForEachDigit(left, [&](int d) {
            if (const CReason reason = cell.Reason(d); static_cast<int>(reason.rule) == rule)
                observer_->OnRuledOut(index, d, reason);
        });
}

template <Reasons kReasons, Rules kRules>
CSweepOf<kReasons, kRules>::CSweepOf(Grid& grid) : state_(std::make_unique<CState>(grid, nullptr))
{
}

template <Reasons kReasons, Rules kRules>
CSweepOf<kReasons, kRules>::CSweepOf(Grid& grid, CDeductionObserver* observer) requires(kReasons == Reasons::Kept)
    : state_(std::make_unique<CState>(grid, observer))
{
}

template <Reasons kReasons, Rules kRules>
CSweepOf<kReasons, kRules>::~CSweepOf() = default;

template <Reasons kReasons, Rules kRules>
bool CSweepOf<kReasons, kRules>::UpdateCell(int row, int column)
{
    return state_->UpdateCell(CellIndex(row, column));
}

template <Reasons kReasons, Rules kRules>
bool CSweepOf<kReasons, kRules>::Pass()
{
    return state_->Pass();
}

template class CSweepOf<Reasons::Kept>;
template class CSweepOf<Reasons::Kept, Rules::Singles>;
template class CSweepOf<Reasons::Kept, Rules::BoxAndLine>;
template class CSweepOf<Reasons::Skipped>;
template class CSweepOf<Reasons::Skipped, Rules::Singles>;
template class CSweepOf<Reasons::Skipped, Rules::BoxAndLine>;

bool UpdateCell(Grid& grid, int row, int column)
{
    CSweep sweep(grid);
    return sweep.UpdateCell(row, column);
}
