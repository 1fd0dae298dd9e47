// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <optional>
#include <string>
#include <string_view>

// The puzzle file: nine lines of nine digits, top row first, "0" for an
// empty cell, each line ended by CR LF: 99 bytes in all, on every system.
std::string FormatPuzzleFile(const Values& values);

// Reads a puzzle file. Accepts nine lines of nine characters, or one line of
// 81, with CR LF or LF line ends, the last line end optional and followed by
// nothing but empty lines; "0" or "." is an empty cell, "1" to "9" a digit.
// Anything else gives nullopt.
std::optional<Values> ParsePuzzleFile(std::string_view text);

// Reads one puzzle line of the batch format: 81 characters of "1" to "9",
// "0" or ".", a trailing CR ignored. On failure returns nullopt and, if
// error is given, says what is wrong in a few words.
std::optional<Values> ParsePuzzleLine(std::string_view line, std::string* error = nullptr);
