// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <cstdint>

// The rule that ruled a digit out of a cell, in the order the deduction
// applies them; None for a digit that is open, or that was ruled out by the
// cell being filled.
enum class Rule : std::uint8_t { None, Row, Column, Box, Band, Stack, RowPair, ColumnPair };

// Why one digit is ruled out of a cell, with the evidence the rule used at
// that moment:
//   Row, Column, Box      a = index of the cell that holds the digit;
//   Band, Stack           a = the box (0-8, row by row) whose other six
//                         cells have the digit ruled out;
//   RowPair, ColumnPair   a, b = indices of the two cells of the pair, and
//                         other = the pair's other digit: the two cells had
//                         only the ruled-out digit and other left.
struct CReason {
    Rule rule = Rule::None;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    std::uint8_t other = 0;
    bool operator==(const CReason&) const = default;
};

// How a cell came to hold its digit: on the board when the puzzle arrived
// (loaded, pasted, made, set or reset: Given), filled by the deduction
// because one digit was left (Single) or the digit had no other place in the
// box (OnlyInBox), or typed by the person after the puzzle arrived (Entered).
enum class Fill : std::uint8_t { Given, Single, OnlyInBox, Entered };
