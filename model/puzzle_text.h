// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The puzzle file: nine lines of nine digits, top row first, "0" for an
// empty cell, each line ended by CR LF: 99 bytes in all, on every system.
std::string FormatPuzzleFile(const Values& values);

// Why a file's text is not a puzzle: the first fault, reading from the top.
struct CPuzzleFileError {
    enum Kind {
        None,
        Empty,        // nothing but line ends
        LineCount,    // count lines, neither 9 nor 1
        LineLength,   // line holds count characters, not 9 (or 81 for a one-line file)
        BadCharacter, // the character at column of line is no cell
    } kind = None;
    int line = 0;
    int count = 0;
    int column = 0;
    unsigned char character = 0;
};

// Reads a puzzle file. Accepts nine lines of nine characters, or one line of
// 81, with CR LF or LF line ends, the last line end optional and followed by
// nothing but empty lines; "0" or "." is an empty cell, "1" to "9" a digit.
// Anything else gives nullopt, and says why in why, if given.
std::optional<Values> ParsePuzzleFile(std::string_view text, CPuzzleFileError* why = nullptr);

// Puzzle text as people paste it and other programs print it. A cell is a
// digit "1" to "9", or "0", ".", "_", "*", "x" or "?" for an empty one;
// spaces, tabs, the box separators "|", "-" and "+" and the box-drawing
// characters (U+2500 to U+257F, in UTF-8) may stand between cells.

// What one line of puzzle text holds.
struct CLineCells {
    enum Kind { Cells, Bad, TooMany } kind = Cells;
    // Cells: how many the line holds (0 for a blank or separator line);
    // Bad: the 1-based number of the cell the bad character stands for.
    int count = 0;
    unsigned char bad = 0; // Bad: the character
    // The line starts with a UTF-8 byte-order mark.
    bool byteOrderMark = false;
    // CLineCellReader only: the characters of the line other than spacing
    // and separators (box-drawing characters among them), bad ones
    // included, and those after them.
    std::uint64_t text = 0;
};
// Reads the cells of one line (no line end in it) into cells, in order,
// stopping at the first character that is neither a cell nor a separator,
// or once there are more than 81.
CLineCells ReadLineCells(std::string_view line, Values& cells);

// The cells of one line, read a piece at a time as the text arrives. Only
// the cells are kept, at most 81, never the text itself, so memory stays
// the same whatever the length of the line. Reads as ReadLineCells does,
// with one difference: a carriage return at the very end of the line is
// not part of it.
class CLineCellReader {
public:
    // Starts a new line. The cells of the last stay until overwritten:
    // only the first count of them are the line's.
    void Start()
    {
        read_ = {};
        carriageReturn_ = false;
        markMatched_ = 0;
        boxDrawing_ = 0;
    }
    // More of the line, without its LF.
    void Add(std::string_view piece);
    // The line has ended: what it held. Its cells are in Cells().
    CLineCells End();
    const Values& Cells() const { return cells_; }

private:
    // Takes one character, whatever came before it.
    void Take(char c);
    // Takes a character that is a cell or no cell at all, in a line that
    // has been all cells so far.
    void TakeText(unsigned char byte, int kind);
    // The box-drawing character begun was none.
    void NotBoxDrawing();

    CLineCells read_;
    Values cells_{};
    // A carriage return not yet known to be the last character.
    bool carriageReturn_ = false;
    // How many characters of the byte-order mark the line starts with so
    // far; -1 once it cannot start with the mark.
    int markMatched_ = 0;
    // How many bytes of a box-drawing character have come, 0 for none.
    int boxDrawing_ = 0;
};

// Why pasted text is no puzzle: the first fault, reading from the top.
struct CPasteRefusal {
    enum Kind {
        None,
        NotACell,          // character (or byte, where it starts no UTF-8 character) stands for a cell
        TooManyInLine,     // a line holds more than 81 cells
        MoreThanOnePuzzle, // cells follow a whole puzzle
        MoreThanNineRows,  // a tenth row of nine
        NotEightyOne,      // the first line of cells holds count, neither 9 nor 81
        ShortRow,          // a later line holds count cells, not 9
        NoCells,           // nothing but blank and separator lines
        NotNineRows,       // count rows of nine, and then the text ends
    } kind = None;
    int count = 0;
    std::string character;  // NotACell: the whole UTF-8 character, or empty
    unsigned char byte = 0; // NotACell: the byte, where character is empty
};

// A puzzle in pasted text: one line of 81 cells, or nine lines of nine, with
// blank and separator lines anywhere, CR LF or LF line ends, and a UTF-8
// byte-order mark at the start ignored. A line of a CSV or tab-separated
// file counts by its first field, as in files that hold each puzzle with
// its solution. Anything else gives nullopt, and says why in why, if given.
std::optional<Values> ParsePuzzleText(std::string_view text, CPasteRefusal* why = nullptr);

// Reads one line of 81 cells (a trailing CR ignored). On failure returns
// nullopt and, if read is given, what the line held instead.
std::optional<Values> ParsePuzzleLine(std::string_view line, CLineCells* read = nullptr);

// The board as one line of 81 characters, "." for an empty cell, and as nine
// lines of nine with LF line ends.
std::string FormatPuzzleLine(const Values& values);
std::string FormatPuzzleGrid(const Values& values);
