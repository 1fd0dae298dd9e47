// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// New puzzles: a random solution grid, then its givens taken away in a
// random order for as long as the puzzle keeps exactly one solution.
#include "puzzle_maker.h"
#include "random.h"
#include "solution_search.h"

#include <algorithm>

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

// A set of cells, cell i at bit i % 64 of word i / 64.
struct CCells {
    std::uint64_t word[2] = {0, 0};
    void Add(int i) { word[i / 64] |= std::uint64_t{1} << (i % 64); }
    void Remove(int i) { word[i / 64] &= ~(std::uint64_t{1} << (i % 64)); }
    bool Meets(const CCells& other) const { return ((word[0] & other.word[0]) | (word[1] & other.word[1])) != 0; }
};

// A solution grid and the puzzles carved out of it by taking givens away.
//
// Each second solution found on the way is remembered by the cells where
// it differs from the grid: a puzzle with no given among them has that
// second solution too. Most removals that fail, and most checks that a
// given cannot go, then fail on one of these sets at once instead of in a
// search, however many puzzles are carved from the grid.
class CCarver {
public:
    explicit CCarver(const Values& solution) : solution_(solution) { Restart(); }

    // Back to the full grid.
    void Restart()
    {
        puzzle_ = solution_;
        givens_.word[0] = ~std::uint64_t{0};
        givens_.word[1] = (std::uint64_t{1} << (kCellCount - 64)) - 1;
        search_.Load(puzzle_);
        loaded_ = search_.Saved();
    }

    const Values& Puzzle() const { return puzzle_; }
    bool Given(int index) const { return puzzle_[static_cast<std::size_t>(index)] != 0; }

    // Whether the puzzle keeps only the grid as its solution when the givens
    // of orbit go; if so, and take is set, they go.
    bool TakeAway(COrbit orbit, bool take = true)
    {
        Clear(orbit.first);
        Clear(orbit.second);
        // A second solution differs in the first cell of the orbit, or
        // else, agreeing there, in the second.
        bool unique = !MissesKnownSet() && OnlyItsDigit(orbit.first, orbit.second);
        if (unique && orbit.second != orbit.first) {
            Restore(orbit.first);
            unique = OnlyItsDigit(orbit.second, orbit.second);
            Clear(orbit.first);
        }
        if (!unique || !take) {
            Restore(orbit.first);
            Restore(orbit.second);
        } else {
            search_.Restore(loaded_);
            search_.Erase(orbit.first);
            search_.Erase(orbit.second);
            loaded_ = search_.Saved();
        }
        return unique;
    }

private:
    void Clear(int index)
    {
        puzzle_[static_cast<std::size_t>(index)] = 0;
        givens_.Remove(index);
    }
    void Restore(int index)
    {
        puzzle_[static_cast<std::size_t>(index)] = solution_[static_cast<std::size_t>(index)];
        givens_.Add(index);
    }

    bool MissesKnownSet() const
    {
        for (std::size_t k = 0; k < known_; ++k)
            if (!givens_.Meets(unavoidable_[k]))
                return true;
        return false;
    }

    // Whether no solution of the puzzle puts another digit than the grid's
    // at index, an empty cell; other is another cell that may have been
    // emptied since the puzzle was loaded. Ruling the grid's digit out
    // usually contradicts at once, much sooner than finding the grid's
    // solution and then showing there is no other.
    bool OnlyItsDigit(int index, int other)
    {
        search_.Restore(loaded_);
        search_.Erase(index);
        if (!Given(other))
            search_.Erase(other);
        Values second{};
        if (!search_.Forbid(index, solution_[static_cast<std::size_t>(index)]) || search_.Count(1, &second) == 0)
            return true;
        CCells differ;
        for (int i = 0; i < kCellCount; ++i)
            if (second[static_cast<std::size_t>(i)] != solution_[static_cast<std::size_t>(i)])
                differ.Add(i);
        // The oldest set makes room when all places are taken.
        unavoidable_[next_] = differ;
        next_ = (next_ + 1) % unavoidable_.size();
        known_ = std::min(known_ + 1, unavoidable_.size());
        return false;
    }

    const Values solution_;
    Values puzzle_;
    // Loaded with the puzzle as it stands, to start each search from.
    CSolutionSearch search_;
    CSolutionSearch::CStart loaded_;
    CCells givens_;
    std::array<CCells, 128> unavoidable_{};
    std::size_t known_ = 0;
    std::size_t next_ = 0;
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

// Takes the givens away, orbit by orbit in a random order, for as long as
// the puzzle keeps one solution. False when stopped.
bool Carve(CCarver& carver, CRandom& random, Symmetry symmetry, const std::stop_token& stop)
{
    COrbit orbits[kCellCount];
    const int count = Orbits(symmetry, orbits);
    for (int i = count - 1; i > 0; --i)
        std::swap(orbits[i], orbits[random.Below(static_cast<std::uint32_t>(i + 1))]);
    for (int k = 0; k < count; ++k) {
        if (stop.stop_requested())
            return false;
        carver.TakeAway(orbits[k]);
    }
    return true;
}

// Whether no single given can go with the puzzle keeping one solution.
// Taking cells away one at a time never leaves one that could go, since a
// cell that could not go from a larger puzzle cannot go from a smaller; a
// pair that could not go together may still hold one that could alone.
bool Minimal(CCarver& carver)
{
    for (int i = 0; i < kCellCount; ++i)
        if (carver.Given(i) && carver.TakeAway({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)}, false))
            return false;
    return true;
}

// Puzzles carved from one grid before the next is drawn.
constexpr int kPuzzlesPerGrid = 16;

} // namespace

std::optional<Values> Generate(std::uint64_t seed, Level level, Symmetry symmetry, std::stop_token stop)
{
    CRandom random(seed);
    for (;;) {
        CCarver carver(SolutionGrid(random));
        for (int draw = 0; draw < kPuzzlesPerGrid; ++draw) {
            carver.Restart();
            if (!Carve(carver, random, symmetry, stop))
                return std::nullopt;
            if (symmetry != Symmetry::None && !Minimal(carver))
                continue;
            if (level != Level::Any && Grade(carver.Puzzle()) != level)
                continue;
            return carver.Puzzle();
        }
    }
}
