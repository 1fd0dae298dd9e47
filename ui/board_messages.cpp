// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_messages.h"

#include "cell_explanation.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cstring>

// The window's sentences are members of one class so that each is read
// into the catalogue under one context.
class CBoardMessages {
    Q_DECLARE_TR_FUNCTIONS(CBoardMessages)

public:
    static QString SaveFailure(const QString& path, const CFileResult& result)
    {
        switch (result.error) {
        case FileError::None:
        case FileError::Other: break;
        case FileError::Missing: return tr("Not saved: %1 cannot be made: its folder does not exist").arg(path);
        case FileError::Folder: return tr("Not saved: %1 is a folder, not a file").arg(path);
        case FileError::NotAFile: return tr("Not saved: %1 is a device or a pipe, not a file").arg(path);
        case FileError::WriteProtected: return tr("Not saved: %1 is write-protected").arg(path);
        case FileError::ReadProtected: return tr("Not saved: %1 may not be read").arg(path);
        case FileError::FolderProtected:
            return tr("Not saved: %1 cannot be made: its folder is write-protected").arg(path);
        case FileError::ReadOnlyFileSystem: return tr("Not saved: %1 is on a read-only file system").arg(path);
        case FileError::DiskFull: return tr("Not saved: %1 does not fit: the disk is full").arg(path);
        case FileError::TooLarge: return tr("Not saved: %1 is too large to be a puzzle").arg(path);
        case FileError::LinkLoop: return tr("Not saved: %1 is a symbolic link that leads round in a circle").arg(path);
        }
        //: %1 the file, %2 the system's own words for the failure.
        return tr("Not saved: %1 could not be written: %2").arg(path, SystemWords(result));
    }

    static QString FileLoadFailure(const QString& path, const CFileResult& result)
    {
        switch (result.error) {
        case FileError::None:
        case FileError::Other: break;
        case FileError::Missing: return tr("No puzzle loaded: %1 does not exist").arg(path);
        case FileError::Folder: return tr("No puzzle loaded: %1 is a folder, not a file").arg(path);
        case FileError::NotAFile: return tr("No puzzle loaded: %1 is a device or a pipe, not a file").arg(path);
        case FileError::WriteProtected: return tr("No puzzle loaded: %1 is write-protected").arg(path);
        case FileError::ReadProtected: return tr("No puzzle loaded: %1 may not be read").arg(path);
        case FileError::FolderProtected:
            return tr("No puzzle loaded: %1 cannot be made: its folder is write-protected").arg(path);
        case FileError::ReadOnlyFileSystem: return tr("No puzzle loaded: %1 is on a read-only file system").arg(path);
        case FileError::DiskFull: return tr("No puzzle loaded: %1 does not fit: the disk is full").arg(path);
        case FileError::TooLarge: return tr("No puzzle loaded: %1 is too large to be a puzzle").arg(path);
        case FileError::LinkLoop:
            return tr("No puzzle loaded: %1 is a symbolic link that leads round in a circle").arg(path);
        }
        //: %1 the file, %2 the system's own words for the failure.
        return tr("No puzzle loaded: %1 could not be read: %2").arg(path, SystemWords(result));
    }

    static QString PuzzleLoadFailure(const QString& path, const CPuzzleFileError& error)
    {
        switch (error.kind) {
        case CPuzzleFileError::None: break;
        case CPuzzleFileError::Empty: return tr("No puzzle loaded: %1 is empty").arg(path);
        case CPuzzleFileError::LineCount:
            return tr("No puzzle loaded: %1 has %2 lines, not 9").arg(path).arg(error.count);
        case CPuzzleFileError::LineLength:
            //: %1 the file; line %2 holds %3 cells where %4 (9, or 81 for a one-line file) belong.
            return tr("No puzzle loaded: %1 line %2 has %3 cells, not %4")
                .arg(path)
                .arg(error.line)
                .arg(error.count)
                // A file of one line is the 81-cell form.
                .arg(error.line == 1 && error.count > 9 ? 81 : 9);
        case CPuzzleFileError::BadCharacter: {
            const unsigned char c = error.character;
            if (c >= 0x20 && c < 0x7F)
                //: %1 the file, %2 the line, %3 the column, %4 the character found there.
                return tr("No puzzle loaded: %1 line %2, column %3 is '%4', not a digit or .")
                    .arg(path)
                    .arg(error.line)
                    .arg(error.column)
                    .arg(QChar(c));
            //: %1 the file, %2 the line, %3 the column, %4 the value of the byte found there.
            return tr("No puzzle loaded: %1 line %2, column %3 is byte %4, not a digit or .")
                .arg(path)
                .arg(error.line)
                .arg(error.column)
                .arg(c);
        }
        }
        return {};
    }

    static QString PasteRefusal(const CPasteRefusal& why)
    {
        switch (why.kind) {
        case CPasteRefusal::None: break;
        case CPasteRefusal::NotACell:
            if (why.character.empty())
                //: %1 the value of a byte that is no character.
                return tr("Not pasted: the clipboard's text is not a puzzle: byte %1 is not a cell").arg(why.byte);
            //: %1 the character that stands where a cell should.
            return tr("Not pasted: the clipboard's text is not a puzzle: '%1' is not a cell")
                .arg(QString::fromStdString(why.character));
        case CPasteRefusal::TooManyInLine:
            return tr("Not pasted: the clipboard's text is not a puzzle: more than 81 cells in a line");
        case CPasteRefusal::MoreThanOnePuzzle:
            return tr("Not pasted: the clipboard's text is not a puzzle: more than one puzzle");
        case CPasteRefusal::MoreThanNineRows:
            return tr("Not pasted: the clipboard's text is not a puzzle: more than 9 rows");
        case CPasteRefusal::NotEightyOne:
            return tr("Not pasted: the clipboard's text is not a puzzle: %1 cells, not 81").arg(why.count);
        case CPasteRefusal::ShortRow:
            return tr("Not pasted: the clipboard's text is not a puzzle: a row of %1 cells").arg(why.count);
        case CPasteRefusal::NoCells: return tr("Not pasted: the clipboard's text is not a puzzle: no cells");
        case CPasteRefusal::NotNineRows:
            return tr("Not pasted: the clipboard's text is not a puzzle: %1 rows of 9, not 9").arg(why.count);
        }
        return {};
    }

    static QString SolveSentence(int sweeps, const CBoardChange& change)
    {
        //: Part of "Solve: 3 sweeps, 41 cells filled, 12 open": how often the rules went over the board.
        const QString swept = tr("%n sweeps", nullptr, sweeps);
        //: %1 "3 sweeps", %n the cells filled, %2 the cells still open.
        return tr("Solve: %1, %n cells filled, %2 open", nullptr, change.filled).arg(swept).arg(change.open);
    }

    static QString PassSentence(const CBoardChange& change)
    {
        //: Part of "Pass: 4 cells filled, 24 digits ruled out, 12 open".
        const QString digits = tr("%n digits", nullptr, change.ruledOut);
        //: %n the cells filled, %1 "24 digits", %2 the cells still open.
        return tr("Pass: %n cells filled, %1 ruled out, %2 open", nullptr, change.filled).arg(digits).arg(change.open);
    }

    static QString BoardSentence(Arrival how, const CBoardChange& change, const QString& detail)
    {
        const int n = change.givens;
        switch (how) {
        case Arrival::Reset:
            //: %n the cells that hold a digit, %1 the cells still open.
            return tr("Reset: %n cells filled, %1 open", nullptr, n).arg(change.open);
        case Arrival::Paste:
            //: %n the cells that hold a digit, %1 the cells still open.
            return tr("Paste: %n cells filled, %1 open", nullptr, n).arg(change.open);
        case Arrival::Drop:
            //: %n the cells that hold a digit, %1 the cells still open.
            return tr("Drop: %n cells filled, %1 open", nullptr, n).arg(change.open);
        case Arrival::Load:
            //: %1 the file's name, %n the cells that hold a digit, %2 the cells still open.
            return tr("Loaded %1: %n cells filled, %2 open", nullptr, n).arg(detail).arg(change.open);
        case Arrival::NewPuzzle:
            //: %1 the level, as "level 2, Box and Line (pointing)"; %n the cells that hold a digit, %2 the cells
            //: still open.
            return tr("New puzzle, %1: %n cells filled, %2 open", nullptr, n).arg(detail).arg(change.open);
        }
        return {};
    }

    static QString ArrivalName(Arrival how)
    {
        switch (how) {
        case Arrival::Reset: return tr("Reset");
        case Arrival::Paste: return tr("Paste");
        case Arrival::Drop: return tr("Drop");
        case Arrival::Load: return tr("Load");
        case Arrival::NewPuzzle: return tr("New Puzzle");
        }
        return {};
    }

    static QString CellSentence(int index, const CCellState& before, const CCellState& after)
    {
        const QString place = PlaceWords(index);
        if (before.value == 0 && after.value != 0)
            //: %1 "row 3, column 4", %2 the digit.
            return tr("Cell: %1 filled with %2").arg(place).arg(after.value);
        const auto gone = static_cast<DigitMask>(after.excluded & ~before.excluded);
        if (gone == 0)
            return tr("Cell: %1, nothing changed").arg(place);
        //: %1 "row 3, column 4", %2 the digits, as "3 and 8".
        return tr("Cell: %1: %2 ruled out").arg(place, DigitWords(gone));
    }

private:
    static QString SystemWords(const CFileResult& result)
    {
        return QString::fromLocal8Bit(std::strerror(result.systemError));
    }
};

QString SaveFailure(const QString& path, const CFileResult& result)
{
    return CBoardMessages::SaveFailure(path, result);
}

QString LoadFailure(const QString& path, const CBoard::CLoadResult& result)
{
    if (!result.file)
        return CBoardMessages::FileLoadFailure(path, result.file);
    return CBoardMessages::PuzzleLoadFailure(path, result.puzzle);
}

QString PasteRefusal(const CPasteRefusal& why) { return CBoardMessages::PasteRefusal(why); }

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

QString SolveSentence(int sweeps, const CBoardChange& change) { return CBoardMessages::SolveSentence(sweeps, change); }

QString PassSentence(const CBoardChange& change) { return CBoardMessages::PassSentence(change); }

QString CellSentence(int index, const CCellState& before, const CCellState& after)
{
    return CBoardMessages::CellSentence(index, before, after);
}

QString BoardSentence(Arrival how, const CBoardChange& change, const QString& detail)
{
    return CBoardMessages::BoardSentence(how, change, detail);
}

QString ArrivalName(Arrival how) { return CBoardMessages::ArrivalName(how); }

QString LevelWords(Level level)
{
    switch (level) {
    case Level::Any: break;
    case Level::Singles: return CBoardMessages::tr("level 1, Singles (naked and hidden singles)");
    case Level::BoxAndLine: return CBoardMessages::tr("level 2, Box and Line (pointing)");
    case Level::Pairs: return CBoardMessages::tr("level 3, Pairs (naked pairs)");
    case Level::BeyondTheRules: return CBoardMessages::tr("level 4, Beyond the Rules");
    }
    return CBoardMessages::tr("any level");
}

QString CheckSentence(const CPuzzleCheck& check, const Values& values)
{
    const bool full = std::find(values.begin(), values.end(), 0) == values.end();
    if (check.solutions == 0)
        return full ? CBoardMessages::tr(
                   "Check Puzzle: the board is full, and wrong: a digit stands twice in a row, column or box")
                    : CBoardMessages::tr("Check Puzzle: the digits on the board have no solution");
    if (check.solutions > 1)
        return CBoardMessages::tr("Check Puzzle: the digits on the board have more than one solution");
    if (full)
        return CBoardMessages::tr("Check Puzzle: the board is full and right");
    if (check.level == Level::BeyondTheRules)
        return CBoardMessages::tr(
            "Check Puzzle: exactly one solution, beyond Zifrel's rules (level 4): Solve leaves cells open");
    return CBoardMessages::tr("Check Puzzle: exactly one solution, and Zifrel's rules finish it: %1")
        .arg(LevelWords(check.level));
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
        told = n == 1 ? CBoardMessages::tr("Your entry agrees with the puzzle's solution")
                      : CBoardMessages::tr("All %n of your entries agree with the puzzle's solution", nullptr, n);
    else if (n == 1)
        told = CBoardMessages::tr(
            "Your entry differs from the puzzle's solution: Check Puzzle again (Ctrl+K) outlines it");
    else if (differing == 1)
        told = CBoardMessages::tr(
            "1 of your %n entries differs from the puzzle's solution: Check Puzzle again (Ctrl+K) outlines it", nullptr,
            n);
    else
        //: %1 how many entries differ, %n how many there are.
        told = CBoardMessages::tr(
                   "%1 of your %n entries differ from the puzzle's solution: Check Puzzle again (Ctrl+K) outlines them",
                   nullptr, n)
                   .arg(differing);
    //: Two sentences one after the other.
    return CBoardMessages::tr("%1. %2").arg(sentence, told);
}

CExplanation DifferingEntries(const Grid& grid, const CEntryCheck& entries)
{
    CExplanation shown;
    shown.title = CBoardMessages::tr("Check Puzzle");
    char16_t mark = u'A';
    for (int cell : entries.differing) {
        //: %1 the digit, %2 "row 1, column 1".
        const QString line = CBoardMessages::tr("Your %1 in %2 differs from the puzzle's solution")
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
        ? CBoardMessages::tr("Look at %1: one digit has no other place in its box (hidden single)")
              .arg(PlaceWords(hint.cell))
        : CBoardMessages::tr("Look at %1: every digit but one can be ruled out there (naked single)")
              .arg(PlaceWords(hint.cell));
}

QString HintHere(const CHint& hint)
{
    return hint.how == Fill::OnlyInBox
        ? CBoardMessages::tr("Hint: one digit has no other place in its box (hidden single)")
        : CBoardMessages::tr("Hint: every digit but one can be ruled out there (naked single)");
}

QString HintPasses(const CHint& hint)
{
    switch (hint.passes) {
    case 0: return {};
    case 1: return CBoardMessages::tr("The next Pass fills it");
    case 2: return CBoardMessages::tr("Two Passes fill it");
    default: return CBoardMessages::tr("%n Passes fill it", nullptr, hint.passes);
    }
}

QString NothingToFill(const Grid& grid)
{
    Values values{};
    for (std::size_t i = 0; i < grid.size(); ++i)
        values[i] = grid[i].GetValue();
    const bool full = std::find(values.begin(), values.end(), 0) == values.end();
    if (full && !Contradicts(FindConflicts(grid)))
        return CBoardMessages::tr("Every cell holds its digit and nothing contradicts: the puzzle is solved");
    switch (CountSolutions(values, 2).count) {
    case 0:
        return CBoardMessages::tr("Zifrel's rules fill no further cell, and the digits on the board have no solution");
    case 1:
        return CBoardMessages::tr(
            "Zifrel's rules fill no further cell: the puzzle has exactly one solution, but it needs a technique "
            "beyond Zifrel's rules (level 4)");
    default:
        return CBoardMessages::tr(
            "Zifrel's rules fill no further cell, and the digits on the board have more than one solution");
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

bool IsEntry(const Grid& grid, int cell) { return grid[static_cast<std::size_t>(cell)].HowFilled() == Fill::Entered; }

// A digit twice: the person's entry named first where one of the two is.
QString TwiceSentence(const Grid& grid, int cell, int other)
{
    const int digit = grid[static_cast<std::size_t>(cell)].GetValue();
    if (!IsEntry(grid, cell) && IsEntry(grid, other))
        std::swap(cell, other);
    if (!IsEntry(grid, cell))
        return CBoardMessages::tr("The board contradicts itself: %1 stands in %2 and in %3")
            .arg(digit)
            .arg(PlaceWords(cell), PlaceWords(other));
    //: %1 the digit, %2 and %3 "row 1, column 1": the person typed the first.
    return (IsEntry(grid, other)
                ? CBoardMessages::tr("The board contradicts itself: your %1 in %2 clashes with your %1 in %3")
                : CBoardMessages::tr("The board contradicts itself: your %1 in %2 clashes with the %1 in %3"))
        .arg(digit)
        .arg(PlaceWords(cell), PlaceWords(other));
}

// No digit left, and the entry to blame for it, if one is.
QString EmptiedSentence(const Grid& grid, int cell)
{
    const CBlame blame = Blame(grid);
    if (blame.who == CBlame::Who::Givens)
        return CBoardMessages::tr(
                   "The board contradicts itself: no digit is left for %1, and the givens contradict each other")
            .arg(PlaceWords(cell));
    if (blame.who == CBlame::Who::NoOne)
        return CBoardMessages::tr("The board contradicts itself: no digit is left for %1").arg(PlaceWords(cell));
    if (blame.entries.empty())
        return CBoardMessages::tr(
                   "The board contradicts itself: no digit is left for %1, because of your entries taken together")
            .arg(PlaceWords(cell));
    const int entry = blame.entries.front();
    //: %1 "row 3, column 4", the empty cell; %2 the digit the person typed in %3.
    return CBoardMessages::tr("The board contradicts itself: no digit is left for %1, because of your %2 in %3")
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
