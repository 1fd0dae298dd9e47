// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// New puzzles: a random solution grid, then its givens taken away in a
// random order for as long as the puzzle keeps exactly one solution.
//
// The grid's unavoidable sets, sets of cells that can be filled another way
// with the rest of the grid as it is, tell most givens that cannot go at
// once: a puzzle with no given in such a set has a second solution. Each
// second solution a search finds is a new set; the four-cell ones are
// known from the start. A given that is the only one in some set cannot
// go alone either, which settles most of the check for minimality.
//
// With the half turn, givens go in pairs, and a puzzle from which no pair
// can go mostly still has a given that could go alone. Rather than carve
// another, the pair of that given is swapped: taken away, and a pair from
// the cells of the second solution this leaves put back in its place. A
// few swaps make most such puzzles minimal.
#include "board_geometry.h"
#include "puzzle_maker.h"
#include "random.h"
#include "solution_search.h"

#include <algorithm>
#include <vector>

namespace {

// Givens that come and go together: a cell and its partner under the
// symmetry (the centre cell is its own), or each cell alone.
struct COrbit {
    std::uint8_t first;
    std::uint8_t second; // == first for a cell alone
};

int Orbits(Symmetry symmetry, COrbit (&orbits)[kCellCount])
{
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const int partner = symmetry == Symmetry::Rotate180 ? kCellCount - 1 - i : i;
        if (partner >= i)
            orbits[count++] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(partner)};
    }
    return count;
}

// The cells where other differs from grid.
CCellSet Differ(const Values& grid, const Values& other)
{
    CCellSet cells;
    for (int i = 0; i < kCellCount; ++i)
        if (other[static_cast<std::size_t>(i)] != grid[static_cast<std::size_t>(i)])
            cells.Add(i);
    return cells;
}

// Unavoidable sets of one grid, each with the cells it holds listed the
// other way round: for each cell, the sets that hold it.
class CUnavoidableSets {
public:
    // The sets of four cells: two digits that swap in the corners of a
    // rectangle within two boxes.
    explicit CUnavoidableSets(const Values& grid)
    {
        const auto at = [&](int row, int column) { return grid[static_cast<std::size_t>(CellIndex(row, column))]; };
        for (int r1 = 0; r1 < kBoardSize; ++r1)
            for (int r2 = r1 + 1; r2 < kBoardSize; ++r2)
                for (int c1 = 0; c1 < kBoardSize; ++c1)
                    for (int c2 = c1 + 1; c2 < kBoardSize; ++c2) {
                        if ((r1 / 3 != r2 / 3 && c1 / 3 != c2 / 3) || at(r1, c1) != at(r2, c2)
                            || at(r1, c2) != at(r2, c1))
                            continue;
                        CCellSet cells;
                        for (const int cell : {CellIndex(r1, c1), CellIndex(r1, c2), CellIndex(r2, c1), CellIndex(r2, c2)})
                            cells.Add(cell);
                        Add(cells);
                    }
    }

    // Adds a set; one already known would only cost time.
    void Add(const CCellSet& cells)
    {
        if (sets_.size() >= kMostSets)
            return;
        const auto k = static_cast<std::uint16_t>(sets_.size());
        sets_.push_back(cells);
        cells.ForEach([&](int i) { holding_[static_cast<std::size_t>(i)].push_back(k); });
    }

    std::size_t Size() const { return sets_.size(); }
    const CCellSet& operator[](std::size_t k) const { return sets_[k]; }
    const std::vector<std::uint16_t>& Holding(int cell) const { return holding_[static_cast<std::size_t>(cell)]; }

private:
    // A bound on the memory and time one grid may take; the sets learned
    // past it are used where they are found, not kept.
    static constexpr std::size_t kMostSets = 4096;

    std::vector<CCellSet> sets_;
    std::array<std::vector<std::uint16_t>, kCellCount> holding_;
};

// A puzzle carved from a grid: its givens, checked against the grid's
// known unavoidable sets.
class CCarving {
public:
    CCarving(const Values& grid, CUnavoidableSets& sets) : grid_(grid), sets_(sets) {}

    void Restart()
    {
        givens_ = CCellSet::All();
        placed_.fill(kNine);
    }

    bool Given(int index) const { return givens_.Has(index); }
    const CCellSet& Givens() const { return givens_; }
    Values Puzzle() const
    {
        Values puzzle{};
        givens_.ForEach([&](int i) { puzzle[static_cast<std::size_t>(i)] = grid_[static_cast<std::size_t>(i)]; });
        return puzzle;
    }

    // Takes the orbit's givens away unless a known set would be left
    // without a given.
    bool TakeAway(COrbit orbit)
    {
        Clear(orbit.first);
        Clear(orbit.second);
        if (KeepsEverySet(orbit.first) && KeepsEverySet(orbit.second))
            return true;
        PutBack(orbit);
        return false;
    }

    void PutBack(COrbit orbit)
    {
        Fill(orbit.first);
        Fill(orbit.second);
    }

    // Takes the orbit's givens away, whatever the sets say.
    void Drop(COrbit orbit)
    {
        Clear(orbit.first);
        Clear(orbit.second);
    }

    // Whether the givens decide the orbit's cells, taken away, by singles
    // alone: then the puzzle keeps its one solution without a search.
    bool Decided(COrbit orbit)
    {
        for (const auto& [first, second] : {std::pair{orbit.first, orbit.second}, {orbit.second, orbit.first}}) {
            if (!Single(first))
                continue;
            Fill(first);
            const bool decided = second == first || Single(second);
            Clear(first);
            if (decided)
                return true;
        }
        return false;
    }

    void Learn(const CCellSet& cells) { sets_.Add(cells); }

    // The known sets that hold no given.
    std::vector<std::uint16_t> Missed() const
    {
        std::vector<std::uint16_t> missed;
        for (std::size_t k = 0; k < sets_.Size(); ++k)
            if (!sets_[k].Meets(givens_))
                missed.push_back(static_cast<std::uint16_t>(k));
        return missed;
    }

    // The givens that are alone in some known set: none of them can go.
    CCellSet Needed() const
    {
        CCellSet needed;
        for (std::size_t k = 0; k < sets_.Size(); ++k) {
            const CCellSet held = sets_[k] & givens_;
            const std::uint64_t any = held.word[0] | held.word[1];
            const bool one = (held.word[0] & (held.word[0] - 1)) == 0 && (held.word[1] & (held.word[1] - 1)) == 0
                && (held.word[0] == 0 || held.word[1] == 0);
            if (any != 0 && one)
                needed |= held;
        }
        return needed;
    }

private:
    static constexpr unsigned kNine = 0x1FF;

    unsigned DigitOf(int index) const { return 1u << (grid_[static_cast<std::size_t>(index)] - 1); }
    unsigned Seen(int index) const
    {
        const auto& units = kGeometry.unitsOf[static_cast<std::size_t>(index)];
        return placed_[units[0]] | placed_[units[1]] | placed_[units[2]];
    }
    void Fill(int index)
    {
        givens_.Add(index);
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(index)])
            placed_[unit] = static_cast<std::uint16_t>(placed_[unit] | DigitOf(index));
    }
    void Clear(int index)
    {
        givens_.Remove(index);
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(index)])
            placed_[unit] = static_cast<std::uint16_t>(placed_[unit] & ~DigitOf(index));
    }
    // Whether the empty cell at index can take only its grid digit, or its
    // grid digit has no other place in one of its units.
    bool Single(int index) const
    {
        const unsigned digit = DigitOf(index);
        if ((Seen(index) | digit) == kNine)
            return true;
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(index)]) {
            bool alone = true;
            for (const std::uint8_t cell : kGeometry.unitCells[unit])
                if (cell != index && !givens_.Has(cell) && (Seen(cell) & digit) == 0)
                    alone = false;
            if (alone)
                return true;
        }
        return false;
    }

    bool KeepsEverySet(int index) const
    {
        for (const std::uint16_t k : sets_.Holding(index))
            if (!sets_[k].Meets(givens_))
                return false;
        return true;
    }

    const Values& grid_;
    CUnavoidableSets& sets_;
    CCellSet givens_;
    // The digits given in each unit, digit d at bit d - 1.
    std::array<std::uint16_t, kUnitCount> placed_{};
};

// A random solution grid.
Values SolutionGrid(CRandom& random)
{
    CSolutionSearch search;
    Values solution{};
    search.Load(Values{});
    search.FindRandom(random, solution);
    return solution;
}

template <typename T>
void Shuffle(T* items, int count, CRandom& random)
{
    for (int i = count - 1; i > 0; --i)
        std::swap(items[i], items[random.Below(static_cast<std::uint32_t>(i + 1))]);
}

// Makes puzzles from one grid.
class CMaker {
public:
    CMaker(const Values& grid, Symmetry symmetry) : grid_(grid), sets_(grid), carving_(grid_, sets_)
    {
        orbitCount_ = Orbits(symmetry, orbits_);
        for (int k = 0; k < orbitCount_; ++k)
            orbitOf_[orbits_[k].first] = orbitOf_[orbits_[k].second] = orbits_[k];
    }

    // Carves a puzzle with one solution from which no orbit can go. False
    // when stopped.
    bool Carve(CRandom& random, const std::stop_token& stop)
    {
        carving_.Restart();
        return Pass(random, stop);
    }

    // A given that can go alone with the puzzle keeping one solution, or -1
    // when there is none: the puzzle is minimal. A given alone in a known
    // set cannot go; for each other, a search for a solution with another
    // digit there tells, and what it finds is a set that shows it the next
    // time.
    int Loose(const std::stop_token& stop)
    {
        CCellSet unsure = carving_.Givens() & ~carving_.Needed();
        if (unsure.Empty())
            return -1;
        search_.Load(carving_.Puzzle());
        const CSolutionSearch::CStart loaded = search_.Saved();
        int loose = -1;
        unsure.ForEach([&](int i) {
            if (loose >= 0 || stop.stop_requested())
                return;
            search_.Restore(loaded);
            search_.Erase(i);
            Values second{};
            if (!search_.Forbid(i, grid_[static_cast<std::size_t>(i)]) || search_.Count(1, &second) == 0)
                loose = i;
            else
                carving_.Learn(Differ(grid_, second));
        });
        return loose;
    }

    // Takes the loose given and its partner away all the same, and puts
    // back instead the givens of cells where the second solutions that
    // leaves differ from the grid, one orbit at a time, drawn at random,
    // until the puzzle has one solution again; then tries the givens once
    // more. False when stopped.
    bool Swap(int loose, CRandom& random, const std::stop_token& stop)
    {
        const COrbit out = orbitOf_[static_cast<std::size_t>(loose)];
        carving_.Drop(out);
        for (;;) {
            if (stop.stop_requested())
                return false;
            // A second solution breaks a given of the puzzle before: it
            // differs in the loose cell, or else, agreeing there, in its
            // partner.
            Values second{};
            if (!SecondSolution(out.first, -1, second)
                && (out.second == out.first || !SecondSolution(out.second, out.first, second)))
                break;
            const CCellSet differ = Differ(grid_, second);
            carving_.Learn(differ);
            // The orbit put back is one that fills the most known sets the
            // givens miss, so that few have to go back; ties drawn at random.
            const std::vector<std::uint16_t> missed = carving_.Missed();
            int cells[kCellCount];
            int count = 0;
            int most = -1;
            differ.ForEach([&](int i) {
                if (i == out.first || i == out.second)
                    return;
                const COrbit orbit = orbitOf_[static_cast<std::size_t>(i)];
                int filled = 0;
                for (const std::uint16_t k : missed)
                    filled += sets_[k].Has(orbit.first) || sets_[k].Has(orbit.second);
                if (filled > most)
                    count = 0;
                if (filled >= most) {
                    most = filled;
                    cells[count++] = i;
                }
            });
            // Only the orbit taken away fills this set: it goes back, and
            // the given stays loose.
            if (count == 0) {
                carving_.PutBack(out);
                return true;
            }
            carving_.PutBack(orbitOf_[static_cast<std::size_t>(cells[random.Below(static_cast<std::uint32_t>(count))])]);
        }
        return Pass(random, stop);
    }

    Values Puzzle() const { return carving_.Puzzle(); }

    int AnyGiven(CRandom& random) const
    {
        int cells[kCellCount];
        int count = 0;
        carving_.Givens().ForEach([&](int i) { cells[count++] = i; });
        return cells[random.Below(static_cast<std::uint32_t>(count))];
    }

private:
    // Tries each orbit still given, in a random order, taking it away when
    // the puzzle keeps one solution without it.
    bool Pass(CRandom& random, const std::stop_token& stop)
    {
        Shuffle(orbits_, orbitCount_, random);
        search_.Load(carving_.Puzzle());
        loaded_ = search_.Saved();
        for (int k = 0; k < orbitCount_; ++k) {
            if (stop.stop_requested())
                return false;
            const COrbit orbit = orbits_[k];
            if (!carving_.Given(orbit.first) || !carving_.TakeAway(orbit))
                continue;
            // A second solution differs in the first cell, or else,
            // agreeing there, in the second.
            const bool unique = carving_.Decided(orbit)
                || (OnlyItsDigit(orbit.first, orbit.second)
                    && (orbit.second == orbit.first || OnlyItsDigit(orbit.second, -1)));
            search_.Restore(loaded_);
            if (!unique) {
                carving_.PutBack(orbit);
                continue;
            }
            search_.Erase(orbit.first);
            search_.Erase(orbit.second);
            loaded_ = search_.Saved();
        }
        return true;
    }

    // Whether the puzzle, with the grid's digit at given (-1 for none), has
    // a solution with another digit than the grid's at index; if so, it
    // goes to second.
    bool SecondSolution(int index, int given, Values& second)
    {
        Values puzzle = carving_.Puzzle();
        if (given >= 0)
            puzzle[static_cast<std::size_t>(given)] = grid_[static_cast<std::size_t>(given)];
        search_.Load(puzzle);
        return search_.Forbid(index, grid_[static_cast<std::size_t>(index)]) && search_.Count(1, &second) == 1;
    }

    // Whether no solution of the puzzle, less the givens of index and of
    // other (-1 for none), puts another digit than the grid's at index.
    // Ruling the grid's digit out usually contradicts at once, much sooner
    // than finding the grid's solution and then showing there is no other.
    // A solution found is a set the puzzle's other givens miss.
    bool OnlyItsDigit(int index, int other)
    {
        search_.Restore(loaded_);
        search_.Erase(index);
        if (other >= 0)
            search_.Erase(other);
        Values second{};
        if (!search_.Forbid(index, grid_[static_cast<std::size_t>(index)]) || search_.Count(1, &second) == 0)
            return true;
        carving_.Learn(Differ(grid_, second));
        return false;
    }

    const Values grid_;
    CUnavoidableSets sets_;
    CCarving carving_;
    CSolutionSearch search_;
    // Loaded with the puzzle as it stands, to start each search from.
    CSolutionSearch::CStart loaded_;
    COrbit orbits_[kCellCount];
    int orbitCount_ = 0;
    std::array<COrbit, kCellCount> orbitOf_{};
};

// Puzzles carved from one grid before the next is drawn.
constexpr int kPuzzlesPerGrid = 256;
// Swaps tried on one carved puzzle for it to become minimal before
// carving another.
constexpr int kMostSwaps = 8;
// Minimal puzzles of another level moved on from before carving another.
constexpr int kMostSteps = 64;

} // namespace

std::optional<Values> Generate(std::uint64_t seed, Level level, Symmetry symmetry, std::stop_token stop)
{
    CRandom random(seed);
    for (;;) {
        CMaker maker(SolutionGrid(random), symmetry);
        for (int draw = 0; draw < kPuzzlesPerGrid; ++draw) {
            if (!maker.Carve(random, stop))
                return std::nullopt;
            // A minimal puzzle of another level moves on by a swap of a
            // given drawn at random: the next minimal puzzle is a few swaps
            // away, where carving another takes many.
            for (int step = 0; step < kMostSteps; ++step) {
                // Without symmetry each given is an orbit of its own: no
                // given can go alone once no orbit can.
                int loose = symmetry == Symmetry::None ? -1 : maker.Loose(stop);
                for (int swaps = 0; loose >= 0 && swaps < kMostSwaps; ++swaps) {
                    if (!maker.Swap(loose, random, stop))
                        return std::nullopt;
                    loose = maker.Loose(stop);
                }
                if (stop.stop_requested())
                    return std::nullopt;
                if (loose >= 0)
                    break;
                const Values puzzle = maker.Puzzle();
                if (level == Level::Any || Grade(puzzle) == level)
                    return puzzle;
                if (!maker.Swap(maker.AnyGiven(random), random, stop))
                    return std::nullopt;
            }
        }
    }
}
