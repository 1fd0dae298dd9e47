// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board_geometry.h"
#include "reason.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

// Masks of digits use one bit per digit, digit d at bit d - 1, everywhere
// in the engine: the lowest digit of a mask is its lowest bit.
using DigitMask = std::uint16_t;
inline constexpr DigitMask kAllDigits = 0x1FF;
constexpr DigitMask DigitBit(int digit) { return static_cast<DigitMask>(1u << (digit - 1)); }
// The lowest digit of a mask that is not empty.
constexpr int LowestDigit(unsigned mask) { return std::countr_zero(mask) + 1; }

// What a cell holding each value has ruled out: nothing for an empty cell,
// all but its own digit for a filled one. A table, since loading a puzzle
// sets every cell and the mix of empty and filled ones follows no pattern.
inline constexpr DigitMask kExcludedForValue[10] = {
    0,
    kAllDigits & ~DigitBit(1),
    kAllDigits & ~DigitBit(2),
    kAllDigits & ~DigitBit(3),
    kAllDigits & ~DigitBit(4),
    kAllDigits & ~DigitBit(5),
    kAllDigits & ~DigitBit(6),
    kAllDigits & ~DigitBit(7),
    kAllDigits & ~DigitBit(8),
    kAllDigits & ~DigitBit(9),
};

// The number of digits in a mask. A table, since the deduction counts
// candidates in its inner loops and not every processor counts bits itself.
inline constexpr auto kDigitCount = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1));
    return counts;
}();

// For a digit mask, eight bytes with 0xFF in place d - 1 for each of the
// digits d = 1 to 8 in it (its low byte), read as one word.
inline constexpr auto kFirstEightDigitBytes = [] {
    std::array<std::uint64_t, 512> words{};
    for (unsigned mask = 0; mask < words.size(); ++mask) {
        std::array<std::uint8_t, 8> bytes{};
        for (int d = 1; d <= 8; ++d)
            bytes[static_cast<std::size_t>(d - 1)] = (mask & DigitBit(d)) ? 0xFF : 0;
        words[mask] = std::bit_cast<std::uint64_t>(bytes);
    }
    return words;
}();

// Everything a cell holds: what undo keeps.
struct CCellState {
    std::int8_t value = 0;
    Fill fill = Fill::Given;
    DigitMask excluded = 0;
    std::array<DigitMask, 7> ruledBy{};
    std::array<std::uint8_t, 9> evidence{};
    std::array<std::uint8_t, 9> secondEvidence{};
    std::array<std::uint8_t, 9> pairOther{};
    bool operator==(const CCellState&) const = default;
};

// Where digit d stands in the pencil-mark grid (see DisplayText): the line
// and the character within it.
struct CCandidatePlace {
    int line;
    int column;
};
constexpr CCandidatePlace CandidatePlace(int digit) { return {(digit - 1) / 3, (digit - 1) % 3 * 3}; }

// One square of the board: its digit (0 = empty) and, for each digit 1 to 9,
// whether it has been ruled out here, how it was filled and why its digits
// went. Plain data: whoever shows it reads it (see CBoard's observer).
class CCell {
public:
    // v = 0 empties the cell like ClearCell. Otherwise the cell holds v and
    // every other digit is ruled out. Updates the display. v must be 0 to 9.
    // Drops every reason: the cell counts as given.
    void SetValue(int v);
    // Empties the cell, opens all nine digits, drops every reason and
    // updates the display.
    void ClearCell();
    // A digit the person typed after the puzzle arrived: as SetValue, but
    // the cell counts as their entry, not as a given. 0 empties the cell.
    void Enter(int v);
    // Fills the cell with v (1 to 9) as SetValue does, but as a deduction:
    // keeps the reasons its digits were ruled out for and notes how.
    void Place(int v, Fill how);
    int GetValue() const { return value_; }

    // Number of open digits; a filled cell has exactly its own one.
    int CandidateCount() const { return kDigitCount[static_cast<unsigned>(CandidateMask())]; }
    // The open digits as a DigitMask; only meaningful compared for equality.
    int CandidateMask() const { return static_cast<int>(~excluded_ & kAllDigits); }
    bool IsOpen(int digit) const { return (excluded_ & DigitBit(digit)) == 0; }
    DigitMask ExcludedMask() const { return excluded_; }

    // Rules out the digits of mask; returns true if any of them was open.
    // Digits are only ever ruled out here, never reopened.
    bool RuleOut(DigitMask mask)
    {
        const DigitMask added = mask & kAllDigits & ~excluded_;
        excluded_ |= added;
        return added != 0;
    }

    // Why digit (1 to 9) is ruled out here; rule None when no rule did it
    // (the digit is open, or went when the cell was filled).
    CReason Reason(int digit) const;
    // Notes that rule ruled out digit, on the evidence a and b; for a
    // pair, other is the pair's other digit (see CReason).
    void NoteReason(int digit, Rule rule, std::uint8_t a, std::uint8_t b = 0, std::uint8_t other = 0)
    {
        ruledBy_[static_cast<unsigned>(rule) - 1] |= DigitBit(digit);
        evidence_[static_cast<unsigned>(digit - 1)] = a;
        secondEvidence_[static_cast<unsigned>(digit - 1)] = b;
        pairOther_[static_cast<unsigned>(digit - 1)] = other;
    }
    // Notes that rule ruled out digits, leaving their evidence to be noted.
    void NoteRule(Rule rule, DigitMask digits) { ruledBy_[static_cast<unsigned>(rule) - 1] |= digits; }
    // Notes the evidence of four sets of digits that have no digit in
    // common, one evidence per set: set k on evidence[k]. Costs the same
    // whatever the sets hold.
    void NoteEvidence(const DigitMask (&sets)[4], const std::uint8_t (&evidence)[4]);
    // Rules 1, 2 and 3 ruled out the digits of bits 0, 16 and 32 up of
    // owed, on the evidence byRow, byColumn and byBox: nine bytes each, the
    // evidence of digit d at d - 1. One note for all three rules.
    void NoteRowColumnBox(std::uint64_t owed, const std::uint8_t* byRow, const std::uint8_t* byColumn,
                          const std::uint8_t* byBox);
    // How a filled cell was filled; Given for an empty one.
    Fill HowFilled() const { return fill_; }

    CCellState State() const
    {
        return {static_cast<std::int8_t>(value_), fill_, excluded_, ruledBy_, evidence_, secondEvidence_, pairOther_};
    }
    // Takes state over whole and updates the display.
    void Restore(const CCellState& state);

    // Notes that what the cell shows has changed: the board it belongs to
    // tells its observer at the end of the command (see CBoard).
    void UpdateDisplay() { displayChanged_ = true; }
    // Whether the display changed since this was last asked; forgets it.
    bool TakeDisplayChange()
    {
        const bool changed = displayChanged_;
        displayChanged_ = false;
        return changed;
    }

    // What the cell shows: the digit of a filled cell and "" for an empty
    // cell with nothing ruled out, both at the size of a digit; otherwise
    // three lines of seven characters with each open digit at its keypad
    // place ("1  2   \r\n   5   \r\n      9"), in small print.
    std::string DisplayText() const;
    // True when the display is the pencil-mark grid.
    bool ShowsCandidates() const { return value_ == 0 && excluded_ != 0; }

private:
    // evidence_[d - 1] takes byte d - 1 of firstEight (d = 1 to 8), or ninth
    // for d = 9, for each digit d of digits.
    void BlendEvidence(DigitMask digits, std::uint64_t firstEight, std::uint8_t ninth)
    {
        std::uint64_t into = 0;
        std::memcpy(&into, evidence_.data(), sizeof into);
        const std::uint64_t take = kFirstEightDigitBytes[digits & kAllDigits];
        into = (into & ~take) | (firstEight & take);
        std::memcpy(evidence_.data(), &into, sizeof into);
        const auto takeNinth = static_cast<std::uint8_t>(-((digits & DigitBit(9)) >> 8));
        evidence_[8] = static_cast<std::uint8_t>((evidence_[8] & ~takeNinth) | (ninth & takeNinth));
    }
    std::int32_t value_ = 0;
    DigitMask excluded_ = 0;
    Fill fill_ = Fill::Given;
    // The digits each rule ruled out (by rule - 1; no digit under two rules),
    // and each digit's evidence (by digit - 1).
    std::array<DigitMask, 7> ruledBy_{};
    std::array<std::uint8_t, 9> evidence_{};
    std::array<std::uint8_t, 9> secondEvidence_{};
    std::array<std::uint8_t, 9> pairOther_{};
    bool displayChanged_ = false;
};

using Grid = std::array<CCell, kCellCount>;
using Values = std::array<int, kCellCount>;
