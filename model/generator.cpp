// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// New puzzles: a random solution grid, then its givens taken away in a
// random order for as long as the puzzle keeps exactly one solution.
//
// The grid's unavoidable sets, sets of cells that can be filled another way
// with the rest of the grid as it is, tell most givens that cannot go at
// once: a puzzle with no given in such a set has a second solution. The
// sets where two digits swap are known from the start; each second
// solution a search finds is a new set. A given that is the only one in
// some set cannot go alone either, which settles most of the check for
// minimality; one that singles decide without it can, which settles more.
//
// With the half turn, givens go in pairs, and a puzzle from which no pair
// can go mostly still has a given that could go alone (after the first
// carving about 49 puzzles in 50 have some, 6 in the middle). Rather than
// carve another, the pair of that given is swapped: taken away, and a pair
// from the cells of the second solution this leaves put back in its place,
// then whatever pairs can go taken away. Swaps that leave the puzzle with
// fewer givens lead to a minimal one soonest.
#include "board_geometry.h"
#include "puzzle_maker.h"
#include "random.h"
#include "solution_search.h"

#include <algorithm>
#include <span>
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
        cells.AddIf(other[static_cast<std::size_t>(i)] != grid[static_cast<std::size_t>(i)], i);
    return cells;
}

// Unavoidable sets of one grid, each with the cells it holds listed the
// other way round: for each cell, the sets that hold it.
class CUnavoidableSets {
public:
    // The sets of two digits: the cells holding either of two digits, linked
    // where they hold both in one row, column or box; the two digits can
    // swap in each group of linked cells. The smallest are rectangles of
    // four cells within two boxes. All eighteen cells make no set of their
    // own when they split into groups.
    explicit CUnavoidableSets(const Values& grid)
    {
        const CUnitDigits cells = UnitDigits(grid);
        for (int a = 1; a <= kBoardSize; ++a)
            for (int b = a + 1; b <= kBoardSize; ++b)
                AddSwapsOf(cells, a, b);
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
    // The cell of each digit (1 to 9 at 0 to 8) in each unit.
    using CUnitDigits = std::array<std::array<std::uint8_t, kBoardSize>, kUnitCount>;

    static CUnitDigits UnitDigits(const Values& grid)
    {
        CUnitDigits cells{};
        for (int u = 0; u < kUnitCount; ++u)
            for (const std::uint8_t cell : kGeometry.unitCells[static_cast<std::size_t>(u)])
                cells[static_cast<std::size_t>(u)][static_cast<std::size_t>(grid[cell] - 1)] = cell;
        return cells;
    }

    void AddSwapsOf(const CUnitDigits& cells, int a, int b)
    {
        // The eighteen cells by row: a's in row r at 2r, b's at 2r + 1.
        const auto node = [](int cell, int which) { return 2 * (cell / kBoardSize) + which; };
        std::array<std::uint8_t, 2 * kBoardSize> group{};
        for (std::size_t k = 0; k < group.size(); ++k)
            group[k] = static_cast<std::uint8_t>(k);
        const auto root = [&](int k) {
            while (group[static_cast<std::size_t>(k)] != k)
                k = group[static_cast<std::size_t>(k)] = group[group[static_cast<std::size_t>(k)]];
            return k;
        };
        for (const auto& unit : cells)
            group[static_cast<std::size_t>(root(node(unit[static_cast<std::size_t>(a - 1)], 0)))] =
                static_cast<std::uint8_t>(root(node(unit[static_cast<std::size_t>(b - 1)], 1)));
        std::array<CCellSet, 2 * kBoardSize> groups{};
        for (const auto& row : std::span(cells).first<kBoardSize>())
            for (const int which : {0, 1}) {
                const int cell = row[static_cast<std::size_t>((which == 0 ? a : b) - 1)];
                groups[static_cast<std::size_t>(root(node(cell, which)))].Add(cell);
            }
        for (const CCellSet& set : groups)
            if (!set.Empty())
                Add(set);
    }

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
    CCarving(const Values& grid, CUnavoidableSets& sets) : grid_(grid), sets_(sets)
    {
        for (int i = 0; i < kCellCount; ++i)
            digitCells_[static_cast<std::size_t>(grid[static_cast<std::size_t>(i)] - 1)].Add(i);
    }

    void Restart()
    {
        givens_ = CCellSet::All();
        placed_.fill(kNine);
    }

    bool Given(int index) const { return givens_.Has(index); }
    const CCellSet& Givens() const { return givens_; }

    // The givens as they stand, to go back to.
    struct CSaved {
        CCellSet givens;
        std::array<std::uint16_t, kUnitCount> placed;
    };
    CSaved Saved() const { return {givens_, placed_}; }
    void Restore(const CSaved& saved)
    {
        givens_ = saved.givens;
        placed_ = saved.placed;
    }
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

    // Whether the given at index, taken away alone, is decided by singles:
    // then it can go.
    bool DecidedAlone(int index)
    {
        Clear(index);
        const bool decided = Single(index);
        Fill(index);
        return decided;
    }

    void Learn(const CCellSet& cells) { sets_.Add(cells); }

    // The known sets that hold no given, into missed.
    void Missed(std::vector<std::uint16_t>& missed) const
    {
        missed.clear();
        for (std::size_t k = 0; k < sets_.Size(); ++k)
            if (!sets_[k].Meets(givens_))
                missed.push_back(static_cast<std::uint16_t>(k));
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
        // The empty cells its digit can go to: none that sees a given of it.
        const auto d = static_cast<std::size_t>(grid_[static_cast<std::size_t>(index)] - 1);
        CCellSet places = ~givens_;
        (givens_ & digitCells_[d]).ForEach([&](int i) { places &= ~kGeometry.peers[static_cast<std::size_t>(i)]; });
        CCellSet self;
        self.Add(index);
        for (const std::uint8_t unit : kGeometry.unitsOf[static_cast<std::size_t>(index)])
            if ((kGeometry.unitSet[unit] & places) == self)
                return true;
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
    // The cells of each digit in the grid (1 to 9 at 0 to 8).
    std::array<CCellSet, kBoardSize> digitCells_{};
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
    // set cannot go; one that singles decide without it can. For each
    // other, a search for a solution with another digit there tells, and
    // what it finds is a set that shows it the next time.
    int Loose(const std::stop_token& stop)
    {
        const CCellSet unsure = carving_.Givens() & ~carving_.Needed();
        int loose = -1;
        unsure.ForEach([&](int i) {
            if (loose < 0 && carving_.DecidedAlone(i))
                loose = i;
        });
        if (loose >= 0 || unsure.Empty())
            return loose;
        // Givens in few known sets first: they go alone most often, and the
        // search stops at the first that does.
        // Ties in the order of the cells: the number of sets above the cell.
        int order[kCellCount];
        int count = 0;
        unsure.ForEach([&](int i) { order[count++] = static_cast<int>(sets_.Holding(i).size()) * kCellCount + i; });
        std::sort(order, order + count);
        search_.Load(carving_.Puzzle());
        const CSolutionSearch::CStart loaded = search_.Saved();
        for (int k = 0; k < count && loose < 0 && !stop.stop_requested(); ++k) {
            const int i = order[k] % kCellCount;
            search_.Restore(loaded);
            search_.Erase(i);
            Values second{};
            if (!search_.Forbid(i, grid_[static_cast<std::size_t>(i)]) || !search_.FindNear(grid_, second))
                loose = i;
            else
                carving_.Learn(Differ(grid_, second));
        }
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
        search_.Load(carving_.Puzzle());
        swapped_ = search_.Saved();
        for (;;) {
            if (stop.stop_requested())
                return false;
            // A second solution breaks a given of the puzzle before: it
            // differs in the loose cell, or else, agreeing there, in its
            // partner.
            // A known set the givens miss shows a second solution without a
            // search; the orbit put back is one of its cells.
            carving_.Missed(missed_);
            CCellSet differ = missed_.empty() ? CCellSet{} : sets_[missed_.front()];
            if (missed_.empty()) {
                Values second{};
                if (!SecondSolution(out.first, -1, second)
                    && (out.second == out.first || !SecondSolution(out.second, out.first, second)))
                    break;
                differ = Differ(grid_, second);
                carving_.Learn(differ);
                carving_.Missed(missed_);
            }
            // The orbit put back is one whose cells each fill a known set
            // the givens miss that the other does not, so that neither
            // could go alone again; and then one that fills the most such
            // sets, so that few have to go back. Ties drawn at random.
            // Counted for each cell: the missed sets that hold it, and for
            // the first cell of an orbit of two, those that hold both.
            std::array<std::uint16_t, kCellCount> holding{}, both{};
            for (const std::uint16_t k : missed_) {
                sets_[k].ForEach([&](int i) {
                    const auto cell = static_cast<std::size_t>(i);
                    holding[cell] = static_cast<std::uint16_t>(holding[cell] + 1);
                    const COrbit orbit = orbitOf_[cell];
                    if (orbit.first == i && orbit.second != i && sets_[k].Has(orbit.second))
                        both[cell] = static_cast<std::uint16_t>(both[cell] + 1);
                });
            }
            int cells[kCellCount];
            int count = 0;
            int most = -1;
            differ.ForEach([&](int i) {
                if (i == out.first || i == out.second)
                    return;
                const COrbit orbit = orbitOf_[static_cast<std::size_t>(i)];
                const int shared = both[orbit.first];
                const int firstAlone = holding[orbit.first] - shared;
                const int secondAlone = holding[orbit.second] - shared;
                int filled = orbit.first == orbit.second ? firstAlone : firstAlone + secondAlone + shared;
                if (orbit.first == orbit.second || (firstAlone > 0 && secondAlone > 0))
                    filled += kCellCount;
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
            const COrbit in =
                orbitOf_[static_cast<std::size_t>(cells[random.Below(static_cast<std::uint32_t>(count))])];
            carving_.PutBack(in);
            search_.Restore(swapped_);
            search_.Give(in.first, grid_[in.first]);
            search_.Give(in.second, grid_[in.second]);
            swapped_ = search_.Saved();
        }
        return Pass(random, stop);
    }

    Values Puzzle() const { return carving_.Puzzle(); }
    int Size() const { return carving_.Givens().Count(); }
    CCarving::CSaved Saved() const { return carving_.Saved(); }
    void Restore(const CCarving::CSaved& saved) { carving_.Restore(saved); }

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

    // Whether the puzzle being swapped (swapped_), with the grid's digit at
    // given (-1 for none), has a solution with another digit than the
    // grid's at index; if so, it goes to second.
    bool SecondSolution(int index, int given, Values& second)
    {
        search_.Restore(swapped_);
        if (given >= 0)
            search_.Give(given, grid_[static_cast<std::size_t>(given)]);
        return search_.Forbid(index, grid_[static_cast<std::size_t>(index)]) && search_.FindNear(grid_, second);
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
        if (!search_.Forbid(index, grid_[static_cast<std::size_t>(index)]) || !search_.FindNear(grid_, second))
            return true;
        carving_.Learn(Differ(grid_, second));
        return false;
    }

    const Values grid_;
    CUnavoidableSets sets_;
    CCarving carving_;
    CSolutionSearch search_;
    // Loaded with the puzzle as it stands, to start each search from; and
    // while a swap puts orbits back, with the puzzle as it then stands.
    CSolutionSearch::CStart loaded_;
    CSolutionSearch::CStart swapped_;
    // The known sets a swap's givens miss, kept to save allocating them.
    std::vector<std::uint16_t> missed_;
    COrbit orbits_[kCellCount];
    int orbitCount_ = 0;
    std::array<COrbit, kCellCount> orbitOf_{};
};

// Puzzles carved from one grid before the next is drawn: a few, since on
// some grids a level comes out rarely, and staying long on one of them made
// the slowest of a thousand calls for a level 30 to 50 times the median
// (with four, about 10 times). Ten times is what drawing gives: a minimal
// puzzle comes about once in twenty swaps and its level is close to an
// independent draw, so the swaps a call takes are close to geometric in
// number; even any level, where the first minimal puzzle will do, has the
// slowest of a thousand calls 7 to 15 times the median. One to eight
// puzzles per grid, 20 to 120 swaps and a patience of 2 to 8 all measured
// 7 to 19 times at each level.
constexpr int kPuzzlesPerGrid = 4;
// Swaps tried from one carved puzzle, toward a minimal one of the level
// asked, before carving another.
constexpr int kMostSwaps = 60;
// Swaps in a row undone for leaving more givens, after which the next is
// kept all the same.
constexpr int kPatience = 4;

enum class CWalkEnd { Found, GaveUp, Stopped };

// Swaps orbits of a carved puzzle until it is minimal and of the level
// asked; the puzzle found goes to puzzle. A given that can go alone is
// swapped away; a swap that leaves more givens is undone, since a puzzle
// with fewer givens is much more often minimal (at 24 half-turn givens
// about one in three, at 28 one in a thousand), but after kPatience undone
// in a row one is kept, so as not to stay where no swap helps. A minimal
// puzzle of another level moves on by a swap of a given drawn at random:
// the next minimal puzzle is a few swaps away, where carving another takes
// many.
CWalkEnd Walk(CMaker& maker, Level level, Symmetry symmetry, CRandom& random, const std::stop_token& stop,
              Values& puzzle)
{
    // Without symmetry each given is an orbit of its own: no given can go
    // alone once no orbit can.
    const auto loose = [&] { return symmetry == Symmetry::None ? -1 : maker.Loose(stop); };
    int given = loose();
    int size = maker.Size();
    int undone = 0;
    for (int swaps = 0; swaps < kMostSwaps; ++swaps) {
        if (stop.stop_requested())
            return CWalkEnd::Stopped;
        const bool minimal = given < 0;
        if (minimal) {
            puzzle = maker.Puzzle();
            if (level == Level::Any || Grade(puzzle) == level)
                return CWalkEnd::Found;
        }
        const CCarving::CSaved before = maker.Saved();
        if (!maker.Swap(minimal ? maker.AnyGiven(random) : given, random, stop))
            return CWalkEnd::Stopped;
        if (!minimal && maker.Size() > size && undone < kPatience) {
            maker.Restore(before);
            ++undone;
            continue;
        }
        undone = maker.Size() < size || undone == kPatience ? 0 : undone + 1;
        size = maker.Size();
        given = loose();
    }
    return CWalkEnd::GaveUp;
}

} // namespace

std::optional<Values> Generate(std::uint64_t seed, Level level, Symmetry symmetry, std::stop_token stop)
{
    CRandom random(seed);
    for (;;) {
        CMaker maker(SolutionGrid(random), symmetry);
        for (int draw = 0; draw < kPuzzlesPerGrid; ++draw) {
            if (!maker.Carve(random, stop))
                return std::nullopt;
            Values puzzle{};
            switch (Walk(maker, level, symmetry, random, stop, puzzle)) {
            case CWalkEnd::Found: return puzzle;
            case CWalkEnd::Stopped: return std::nullopt;
            case CWalkEnd::GaveUp: break;
            }
        }
    }
}
