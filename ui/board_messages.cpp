// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_messages.h"

#include "cell_explanation.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

QString Tr(const char* text, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("CBoardMessages", text, disambiguation, n);
}

// The clause after the file's name for a failure of the file itself.
QString FileClause(const CFileResult& result, bool saving)
{
    switch (result.error) {
    case FileError::None: break;
    case FileError::Missing:
        return saving ? Tr("cannot be made: its folder does not exist") : Tr("does not exist");
    case FileError::Folder: return Tr("is a folder, not a file");
    case FileError::NotAFile: return Tr("is a device or a pipe, not a file");
    case FileError::WriteProtected: return Tr("is write-protected");
    case FileError::ReadProtected: return Tr("may not be read");
    case FileError::FolderProtected: return Tr("cannot be made: its folder is write-protected");
    case FileError::ReadOnlyFileSystem: return Tr("is on a read-only file system");
    case FileError::DiskFull: return Tr("does not fit: the disk is full");
    case FileError::TooLarge: return Tr("is too large to be a puzzle");
    case FileError::LinkLoop: return Tr("is a symbolic link that leads round in a circle");
    case FileError::Other: break;
    }
    const QString why = QString::fromLocal8Bit(std::strerror(result.systemError));
    return saving ? Tr("could not be written: %1").arg(why) : Tr("could not be read: %1").arg(why);
}

QString PuzzleClause(const CPuzzleFileError& error)
{
    switch (error.kind) {
    case CPuzzleFileError::None: break;
    case CPuzzleFileError::Empty: return Tr("is empty");
    case CPuzzleFileError::LineCount: return Tr("has %1 lines, not 9").arg(error.count);
    case CPuzzleFileError::LineLength:
        // A file of one line is the 81-cell form.
        return Tr("line %1 has %2 cells, not %3").arg(error.line).arg(error.count).arg(error.line == 1 && error.count > 9 ? 81 : 9);
    case CPuzzleFileError::BadCharacter: {
        const unsigned char c = error.character;
        const QString shown = c >= 0x20 && c < 0x7F ? QStringLiteral("'%1'").arg(QChar(c)) : Tr("byte %1").arg(c);
        return Tr("line %1, column %2 is %3, not a digit or .").arg(error.line).arg(error.column).arg(shown);
    }
    }
    return {};
}

QString Cells(int n)
{
    return n == 1 ? Tr("1 cell") : Tr("%1 cells").arg(n);
}

QString Digits(int n)
{
    return n == 1 ? Tr("1 digit") : Tr("%1 digits").arg(n);
}

} // namespace

QString SaveFailure(const QString& path, const CFileResult& result)
{
    return Tr("Not saved: %1 %2").arg(path, FileClause(result, true));
}

QString LoadFailure(const QString& path, const CBoard::CLoadResult& result)
{
    if (!result.file)
        return Tr("No puzzle loaded: %1 %2").arg(path, FileClause(result.file, false));
    return Tr("No puzzle loaded: %1 %2").arg(path, PuzzleClause(result.puzzle));
}

CBoardChange CountChange(const CBoardState& before, const CBoardState& after)
{
    CBoardChange change;
    for (std::size_t i = 0; i < after.working.size(); ++i) {
        const CCellState& was = before.working[i];
        const CCellState& is = after.working[i];
        change.filled += was.value == 0 && is.value != 0;
        change.emptied += was.value != 0 && is.value == 0;
        if (was.value == 0 && is.value == 0)
            change.ruledOut += std::popcount(static_cast<unsigned>(is.excluded & ~was.excluded));
        change.open += is.value == 0;
    }
    change.givens = static_cast<int>(after.working.size()) - change.open;
    return change;
}

QString SolveSentence(int sweeps, const CBoardChange& change)
{
    const QString swept = sweeps == 1 ? Tr("1 sweep") : Tr("%1 sweeps").arg(sweeps);
    return Tr("Solve: %1, %2 filled, %3 open").arg(swept, Cells(change.filled)).arg(change.open);
}

QString PassSentence(const CBoardChange& change)
{
    return Tr("Pass: %1 filled, %2 ruled out, %3 open").arg(Cells(change.filled), Digits(change.ruledOut)).arg(change.open);
}

QString CellSentence(int index, const CCellState& before, const CCellState& after)
{
    const QString place = PlaceWords(index);
    if (before.value == 0 && after.value != 0)
        return Tr("Cell: %1 filled with %2").arg(place).arg(after.value);
    const auto gone = static_cast<DigitMask>(after.excluded & ~before.excluded);
    if (gone == 0)
        return Tr("Cell: %1, nothing changed").arg(place);
    return Tr("Cell: %1: %2 ruled out").arg(place, DigitWords(gone));
}

QString BoardSentence(const QString& what, const CBoardChange& change)
{
    return Tr("%1: %2 filled, %3 open").arg(what, Cells(change.givens)).arg(change.open);
}

QString LevelWords(Level level)
{
    switch (level) {
    case Level::Any: break;
    case Level::Singles: return Tr("level 1, Singles (naked and hidden singles)");
    case Level::BoxAndLine: return Tr("level 2, Box and Line (pointing)");
    case Level::Pairs: return Tr("level 3, Pairs (naked pairs)");
    case Level::BeyondTheRules: return Tr("level 4, Beyond the Rules");
    }
    return Tr("any level");
}

QString CheckSentence(const CPuzzleCheck& check, const Values& values)
{
    const bool full = std::find(values.begin(), values.end(), 0) == values.end();
    if (check.solutions == 0)
        return full ? Tr("Check Puzzle: the board is full, and wrong: a digit stands twice in a row, column or box")
                    : Tr("Check Puzzle: the digits on the board have no solution");
    if (check.solutions > 1)
        return Tr("Check Puzzle: the digits on the board have more than one solution");
    if (full)
        return Tr("Check Puzzle: the board is full and right");
    if (check.level == Level::BeyondTheRules)
        return Tr("Check Puzzle: exactly one solution, beyond Zifrel's rules (level 4): Solve leaves cells open");
    return Tr("Check Puzzle: exactly one solution, and Zifrel's rules finish it: %1").arg(LevelWords(check.level));
}

QString WithEntries(const QString& sentence, const CEntryCheck& entries)
{
    const int n = entries.entries;
    const auto differing = static_cast<int>(entries.differing.size());
    if (!entries.oneSolution || n == 0)
        return sentence;
    // English needs its own sentence for one; %n gives other languages
    // their plural forms.
    QString told;
    if (differing == 0)
        told = n == 1 ? Tr("Your entry agrees with the solution")
                      : Tr("All %n of your entries agree with the solution", nullptr, n);
    else if (n == 1)
        told = Tr("Your entry differs from the solution: Check Puzzle again (Ctrl+K) outlines it");
    else if (differing == 1)
        told = Tr("1 of your %n entries differs from the solution: Check Puzzle again (Ctrl+K) outlines it", nullptr, n);
    else
        //: %1 how many entries differ, %n how many there are.
        told = Tr("%1 of your %n entries differ from the solution: Check Puzzle again (Ctrl+K) outlines them", nullptr, n)
                   .arg(differing);
    //: Two sentences one after the other.
    return Tr("%1. %2").arg(sentence, told);
}

CExplanation DifferingEntries(const Grid& grid, const CEntryCheck& entries)
{
    CExplanation shown;
    shown.title = Tr("Check Puzzle");
    char16_t mark = u'A';
    for (int cell : entries.differing) {
        //: %1 the digit, %2 "row 1, column 1".
        const QString line = Tr("Your %1 in %2 differs from the solution")
                                 .arg(grid[static_cast<std::size_t>(cell)].GetValue())
                                 .arg(PlaceWords(cell));
        shown.lines.push_back({line, QChar(mark), {cell}});
        shown.marks[static_cast<std::size_t>(cell)] = QChar(mark++);
    }
    return shown;
}

QString HintPointer(const CHint& hint)
{
    return hint.how == Fill::OnlyInBox
        ? Tr("Look at %1: one digit has no other place in its box (hidden single)").arg(PlaceWords(hint.cell))
        : Tr("Look at %1: every digit but one can be ruled out there (naked single)").arg(PlaceWords(hint.cell));
}

QString HintPasses(const CHint& hint)
{
    switch (hint.passes) {
    case 0: return {};
    case 1: return Tr("The next Pass fills it");
    case 2: return Tr("Two Passes fill it");
    default: return Tr("%n Passes fill it", nullptr, hint.passes);
    }
}

QString NothingToFill(const Grid& grid)
{
    Values values{};
    for (std::size_t i = 0; i < grid.size(); ++i)
        values[i] = grid[i].GetValue();
    const bool full = std::find(values.begin(), values.end(), 0) == values.end();
    if (full && !Contradicts(FindConflicts(grid)))
        return Tr("Every cell holds its digit and nothing contradicts: the puzzle is solved");
    switch (CountSolutions(values, 2).count) {
    case 0: return Tr("Zifrel's rules fill no further cell, and the digits on the board have no solution");
    case 1:
        return Tr("Zifrel's rules fill no further cell: the puzzle has exactly one solution, but it needs a technique "
                  "beyond Zifrel's rules (level 4)");
    default: return Tr("Zifrel's rules fill no further cell, and the digits on the board have more than one solution");
    }
}

int FirstConflict(const Conflicts& conflicts)
{
    for (int i = 0; i < kCellCount; ++i)
        if (conflicts[static_cast<std::size_t>(i)].Any())
            return i;
    return -1;
}

namespace {

bool IsEntry(const Grid& grid, int cell)
{
    return grid[static_cast<std::size_t>(cell)].HowFilled() == Fill::Entered;
}

// A digit twice: the person's entry named first where one of the two is.
QString TwiceSentence(const Grid& grid, int cell, int other)
{
    const int digit = grid[static_cast<std::size_t>(cell)].GetValue();
    if (!IsEntry(grid, cell) && IsEntry(grid, other))
        std::swap(cell, other);
    if (!IsEntry(grid, cell))
        return Tr("The board contradicts itself: %1 stands in %2 and in %3").arg(digit).arg(PlaceWords(cell), PlaceWords(other));
    //: %1 the digit, %2 and %3 "row 1, column 1": the person typed the first.
    return (IsEntry(grid, other) ? Tr("The board contradicts itself: your %1 in %2 clashes with your %1 in %3")
                                 : Tr("The board contradicts itself: your %1 in %2 clashes with the %1 in %3"))
        .arg(digit)
        .arg(PlaceWords(cell), PlaceWords(other));
}

// No digit left, and the entry to blame for it, if one is.
QString EmptiedSentence(const Grid& grid, int cell)
{
    const CBlame blame = Blame(grid);
    if (blame.who == CBlame::Who::Givens)
        return Tr("The board contradicts itself: no digit is left for %1, and the givens contradict each other")
            .arg(PlaceWords(cell));
    if (blame.who == CBlame::Who::NoOne)
        return Tr("The board contradicts itself: no digit is left for %1").arg(PlaceWords(cell));
    if (blame.entries.empty())
        return Tr("The board contradicts itself: no digit is left for %1, because of your entries taken together")
            .arg(PlaceWords(cell));
    const int entry = blame.entries.front();
    //: %1 "row 3, column 4", the empty cell; %2 the digit the person typed in %3.
    return Tr("The board contradicts itself: no digit is left for %1, because of your %2 in %3")
        .arg(PlaceWords(cell))
        .arg(grid[static_cast<std::size_t>(entry)].GetValue())
        .arg(PlaceWords(entry));
}

} // namespace

QString ContradictionSentence(const Grid& grid, const Conflicts& conflicts)
{
    const int cell = FirstConflict(conflicts);
    if (cell < 0)
        return {};
    const CConflict& conflict = conflicts[static_cast<std::size_t>(cell)];
    if (conflict.noDigitLeft)
        return EmptiedSentence(grid, cell);
    return TwiceSentence(grid, cell, conflict.sameDigit.front());
}
