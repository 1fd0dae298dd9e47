// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell_control.h"

#include <array>
#include <cstdint>
#include <string>

// Masks of digits use one bit per digit, digit 1 in the highest of nine bits
// and digit 9 in the lowest, so that an open-digit mask is CandidateMask().
using DigitMask = std::uint16_t;
inline constexpr DigitMask kAllDigits = 0x1FF;
constexpr DigitMask DigitBit(int digit) { return static_cast<DigitMask>(1u << (9 - digit)); }

// The number of digits in a mask. A table, since the deduction counts
// candidates in its inner loops and not every processor counts bits itself.
inline constexpr auto kDigitCount = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1));
    return counts;
}();

// One square of the board: its digit (0 = empty) and, for each digit 1 to 9,
// whether it has been ruled out here. A bound cell keeps its control showing
// its state; an unbound one (a snapshot) only holds it.
class CCell {
public:
    // v = 0 empties the cell like ClearCell. Otherwise the cell holds v and
    // every other digit is ruled out. Rewrites the display. v must be 0 to 9.
    void SetValue(int v);
    // Empties the cell, opens all nine digits and rewrites the display.
    void ClearCell();
    int GetValue() const { return value_; }

    // Takes the value from the control's text: a one-character text gives its
    // digit, or 0 if that character is not a digit; any other length gives 0.
    // Stores and returns it, leaving the ruled-out digits and the display
    // alone. Without a control the value is returned unchanged.
    int ReadFromControl();

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

    void AttachFonts(FontHandle valueFont, FontHandle candidateFont);
    void AttachControl(CCellControl* control) { control_ = control; }
    CCellControl* Control() const { return control_; }

    // Writes font and text to the control, if one is bound (see DisplayText).
    void UpdateDisplay();

    // What the control shows: the digit of a filled cell and "" for an empty
    // cell with nothing ruled out, both in the value font; otherwise three
    // lines of seven characters with each open digit at its keypad place
    // ("1  2   \r\n   5   \r\n      9"), in the candidate font.
    std::string DisplayText() const;
    FontHandle DisplayFont() const;
    // True when the display is the pencil-mark grid.
    bool ShowsCandidates() const { return value_ == 0 && excluded_ != 0; }

private:
    std::int32_t value_ = 0;
    DigitMask excluded_ = 0;
    CCellControl* control_ = nullptr;
    FontHandle valueFont_ = kNoFont;
    FontHandle candidateFont_ = kNoFont;
};

inline constexpr int kBoardSize = 9;
inline constexpr int kCellCount = kBoardSize * kBoardSize;
using Grid = std::array<CCell, kCellCount>;
using Values = std::array<int, kCellCount>;

constexpr int CellIndex(int row, int column) { return row * kBoardSize + column; }
