// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board.h"
#include "puzzle_text.h"
#include "safe_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <tuple>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

std::string NineLines(const std::string& cells, const std::string& end)
{
    std::string text;
    for (int row = 0; row < 9; ++row)
        text += cells.substr(static_cast<std::size_t>(row) * 9, 9) + end;
    return text;
}

std::string FileOf(const std::string& cells)
{
    std::string zeros = cells;
    for (char& c : zeros)
        if (c == '.')
            c = '0';
    return NineLines(zeros, "\r\n");
}

// Makes one chosen call fail, the rest going to the real system.
class CFailingFileSystem : public CFileSystem {
public:
    enum class Fail {
        None,
        Open,
        FirstWrite,
        ShortWriteThenFull,
        Fsync,
        Close,
        Rename,
        RenameNotPermitted,
        Read,
        Fstat
    };
    explicit CFailingFileSystem(Fail fail) : fail_(fail) {}

    int Open(const char* path, int flags, mode_t mode) override
    {
        if (fail_ == Fail::Open)
            return Refuse(EACCES);
        return CFileSystem::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* buffer, size_t size) override
    {
        ++writes_;
        if (fail_ == Fail::FirstWrite)
            return Refuse(EIO);
        if (fail_ == Fail::ShortWriteThenFull)
            return writes_ == 1 ? CFileSystem::Write(fd, buffer, size / 2) : Refuse(ENOSPC);
        return CFileSystem::Write(fd, buffer, size);
    }
    ssize_t Read(int fd, void* buffer, size_t size) override
    {
        return fail_ == Fail::Read ? Refuse(EIO) : CFileSystem::Read(fd, buffer, size);
    }
    int Fstat(int fd, struct stat* status) override
    {
        return fail_ == Fail::Fstat ? Refuse(EIO) : CFileSystem::Fstat(fd, status);
    }
    int Fsync(int fd) override { return fail_ == Fail::Fsync ? Refuse(EIO) : CFileSystem::Fsync(fd); }
    int Close(int fd) override
    {
        const int result = CFileSystem::Close(fd);
        return fail_ == Fail::Close ? Refuse(EIO) : result;
    }
    int Rename(const char* from, const char* to) override
    {
        if (fail_ == Fail::Rename)
            return Refuse(EXDEV);
        // As in a sticky folder, where only the owner may replace a file.
        return fail_ == Fail::RenameNotPermitted ? Refuse(EPERM) : CFileSystem::Rename(from, to);
    }

private:
    static int Refuse(int error)
    {
        errno = error;
        return -1;
    }
    Fail fail_;
    int writes_ = 0;
};

// What a failed load says, in a few words: the file's fault or the text's.
std::string Why(const CBoard::CLoadResult& result)
{
    static const char* const kFileErrors[] = {"none",
                                              "missing",
                                              "a folder",
                                              "not a file",
                                              "write-protected",
                                              "read-protected",
                                              "folder protected",
                                              "read-only",
                                              "disk full",
                                              "too large",
                                              "a link loop",
                                              "other"};
    if (!result.file)
        return std::string("file: ") + kFileErrors[static_cast<int>(result.file.error)];
    const CPuzzleFileError& e = result.puzzle;
    switch (e.kind) {
    case CPuzzleFileError::None: return "none";
    case CPuzzleFileError::Empty: return "empty";
    case CPuzzleFileError::LineCount: return std::to_string(e.count) + " lines";
    case CPuzzleFileError::LineLength: return "line " + std::to_string(e.line) + " has " + std::to_string(e.count);
    case CPuzzleFileError::BadCharacter:
        return "line " + std::to_string(e.line) + ", column " + std::to_string(e.column) + " is "
            + std::to_string(e.character);
    }
    return "?";
}

std::string Why(const CFileResult& result) { return Why(CBoard::CLoadResult{result, {}}); }

TEST(PuzzleFileSave, AFreshBoardWritesNineLinesOfZerosWithCrLf)
{
    CScratchFolder folder;
    CBoard board;
    EXPECT_TRUE(board.OnSave());
    const std::string text = ReadWholeFile("Zifrel.zfr");
    EXPECT_EQ(text.size(), 99u);
    EXPECT_EQ(text,
              NineLines("000000000000000000000000000000000000000000000000000000000000000000000000000000000", "\r\n"));
}

TEST(PuzzleFileSave, WritesTheValuesRowByRow)
{
    CScratchFolder folder;
    CBoard board;
    board.LoadValues(ValuesFrom(kPuzzle));
    board.OnSave();
    const std::string text = ReadWholeFile("Zifrel.zfr");
    EXPECT_EQ(text.substr(0, 11), "530070000\r\n");
    EXPECT_EQ(text, FileOf(kPuzzle));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Zifrel.zfr"});
}

TEST(PuzzleFileSave, ReplacesAnOlderFile)
{
    CScratchFolder folder;
    WriteWholeFile("Zifrel.zfr", std::string(5000, 'x'));
    CBoard board;
    EXPECT_TRUE(board.OnSave());
    EXPECT_EQ(ReadWholeFile("Zifrel.zfr").size(), 99u);
}

TEST(PuzzleFileSave, AnyFailureLeavesThePreviousFileByteForByteAndNoTemporary)
{
    using Fail = CFailingFileSystem::Fail;
    const std::pair<Fail, std::string> failures[] = {
        {Fail::Open, "file: write-protected"},
        {Fail::FirstWrite, "file: other"},
        {Fail::ShortWriteThenFull, "file: disk full"},
        {Fail::Fsync, "file: other"},
        {Fail::Close, "file: other"},
        {Fail::Rename, "file: other"},
    };
    for (const auto& [fail, why] : failures) {
        CScratchFolder folder;
        const std::string previous = FileOf(kPuzzle);
        WriteWholeFile("Zifrel.zfr", previous);
        CFailingFileSystem fs(fail);
        CBoard board(fs);
        board.Cell(8, 8).SetValue(1);
        EXPECT_EQ(Why(board.OnSave()), why) << static_cast<int>(fail);
        EXPECT_EQ(ReadWholeFile("Zifrel.zfr"), previous) << static_cast<int>(fail);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Zifrel.zfr"}) << static_cast<int>(fail);
    }
}

TEST(PuzzleFileSave, AFileThatMayNotBeReplacedIsWrittenInPlace)
{
    CScratchFolder folder;
    WriteWholeFile("Zifrel.zfr", FileOf(kPuzzle));
    CFailingFileSystem fs(CFailingFileSystem::Fail::RenameNotPermitted);
    CBoard board(fs);
    board.Cell(8, 8).SetValue(1);
    EXPECT_TRUE(board.OnSave());
    EXPECT_EQ(ReadWholeFile("Zifrel.zfr"), FormatPuzzleFile(board.WorkingValues()));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Zifrel.zfr"});
}

TEST(PuzzleFileSave, AFolderThatCannotBeWrittenLeavesThePreviousFile)
{
    CScratchFolder folder;
    const std::string previous = FileOf(kPuzzle);
    WriteWholeFile("Zifrel.zfr", previous);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    // The file itself is root's and 0644: nobody may write it, folder or not.
    EXPECT_TRUE(AsUnprivilegedUser([] { return Why(CBoard().OnSave()) == "file: write-protected"; }));
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(ReadWholeFile("Zifrel.zfr"), previous);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Zifrel.zfr"});
}

TEST(PuzzleFileRoundTrip, SaveThenLoadRestoresEveryValueAndNoPencilMark)
{
    CScratchFolder folder;
    CBoundBoard b;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnPass();
    const Values saved = b.board.WorkingValues();
    ASSERT_TRUE(b.board.OnSave());
    b.board.OnPass();
    ASSERT_TRUE(b.board.OnLoad());
    EXPECT_EQ(b.board.WorkingValues(), saved);
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = b.board.Working()[i];
        EXPECT_FALSE(cell.ShowsCandidates()) << i;
        EXPECT_EQ(cell.CandidateCount(), cell.GetValue() ? 1 : 9) << i;
        EXPECT_EQ(b.display.shown[i], cell.GetValue() ? std::to_string(cell.GetValue()) : "");
    }
}

TEST(PuzzleFileRoundTrip, LoadLeavesTheSnapshotAndTheCursorAlone)
{
    CScratchFolder folder;
    CBoard board;
    board.LoadValues(ValuesFrom(kPuzzle));
    board.OnSave();
    board.OnClear();
    board.Cell(0, 0).SetValue(9);
    board.OnSet();
    board.OnCellStep();
    ASSERT_TRUE(board.OnLoad());
    EXPECT_EQ(board.CursorColumn(), 0);
    board.OnReset();
    Values expected{};
    expected[0] = 9;
    EXPECT_EQ(board.WorkingValues(), expected);
}

TEST(PuzzleFileLoad, AcceptsBothLineEndsAndTheOneLineForm)
{
    const std::string dotted = kPuzzle;
    std::string zeros = FileOf(kPuzzle);
    const std::vector<std::pair<std::string, std::string>> accepted = {
        {"CR LF, as saved", FileOf(kPuzzle)},
        {"LF", NineLines(dotted, "\n")},
        {"dots for empty cells", NineLines(dotted, "\r\n")},
        {"no final line end", NineLines(dotted, "\n").substr(0, 89)},
        {"trailing blank lines", NineLines(dotted, "\r\n") + "\r\n\n\r\n"},
        {"one line of 81", dotted},
        {"one line of 81 with CR LF", dotted + "\r\n"},
        {"one line of 81 with LF and a blank line", dotted + "\n\n"},
    };
    for (const auto& [name, text] : accepted) {
        CScratchFolder folder;
        WriteWholeFile("Zifrel.zfr", text);
        CBoard board;
        EXPECT_TRUE(board.OnLoad()) << name;
        EXPECT_EQ(board.WorkingValues(), ValuesFrom(kPuzzle)) << name;
    }
}

TEST(PuzzleFileLoad, AnythingElseLeavesTheBoardExactlyAsItWas)
{
    const std::string good = FileOf(kPuzzle);
    std::string letter = good;
    letter[40] = 'x';
    std::string nul = good;
    nul[5] = '\0';
    std::string spaces = good;
    spaces[2] = ' ';
    std::string shortLine = good;
    shortLine.erase(3, 1);
    std::string longLine = good;
    longLine.insert(3, "1");
    // Each refused text with what the load says is wrong with it.
    const std::vector<std::tuple<std::string, std::string, std::string>> refused = {
        {"empty file", "", "empty"},
        {"only line ends", "\r\n\r\n", "empty"},
        {"eight lines", good.substr(0, 88), "8 lines"},
        {"one line short", shortLine, "line 1 has 8"},
        {"one line long", longLine, "line 1 has 10"},
        {"a tenth line", good + "123456789\r\n", "10 lines"},
        {"a letter", letter, "line 4, column 8 is 120"},
        {"a NUL byte", nul, "line 1, column 6 is 0"},
        {"a space for a zero", spaces, "line 1, column 3 is 32"},
        {"a UTF-8 BOM", "\xEF\xBB\xBF" + good, "line 1 has 12"},
        {"a blank line between rows", good.substr(0, 22) + "\r\n" + good.substr(22), "10 lines"},
        {"a bare CR line end", NineLines(kPuzzle, "\r"), "line 1 has 90"},
        {"80 cells on one line", kPuzzle.substr(0, 80), "line 1 has 80"},
        {"82 cells on one line", kPuzzle + "1", "line 1 has 82"},
        {"81 cells and more", kPuzzle + "\n1", "2 lines"},
        {"a leading blank line", "\r\n" + good, "10 lines"},
        {"too large to be a puzzle", good + std::string(5000, '\n'), "file: too large"},
    };
    for (const auto& [name, text, why] : refused) {
        CScratchFolder folder;
        WriteWholeFile("Zifrel.zfr", text);
        CBoundBoard b;
        b.board.Cell(3, 3).SetValue(2);
        b.board.Cell(4, 4).RuleOut(DigitBit(7));
        const Grid before = b.board.Working();
        b.board.UpdateDisplay();
        b.display.told = {};
        const CBoard::CLoadResult loaded = b.board.OnLoad();
        EXPECT_FALSE(loaded) << name;
        EXPECT_EQ(Why(loaded), why) << name;
        for (int i = 0; i < kCellCount; ++i) {
            EXPECT_EQ(b.board.Working()[i].GetValue(), before[i].GetValue()) << name;
            EXPECT_EQ(b.board.Working()[i].ExcludedMask(), before[i].ExcludedMask()) << name;
        }
        EXPECT_EQ(b.display.Told(), 0) << name;
    }
}

TEST(PuzzleFileLoad, WhatIsNotARegularFileIsNotRead)
{
    CScratchFolder folder;
    CBoard board;
    board.Cell(0, 0).SetValue(4);
    EXPECT_EQ(Why(board.OnLoad()), "file: missing") << "no file";
    std::filesystem::create_directory("Zifrel.zfr");
    EXPECT_EQ(Why(board.OnLoad()), "file: a folder") << "a directory";
    std::filesystem::remove("Zifrel.zfr");
    ASSERT_EQ(::mkfifo("Zifrel.zfr", 0644), 0);
    EXPECT_EQ(Why(board.OnLoad()), "file: not a file") << "a named pipe with no writer";
    std::filesystem::remove("Zifrel.zfr");
    std::filesystem::create_symlink("Zifrel.zfr", "Zifrel.zfr");
    EXPECT_EQ(Why(board.OnLoad()), "file: a link loop") << "a link to itself";
    EXPECT_EQ(board.Cell(0, 0).GetValue(), 4);
}

TEST(PuzzleFileLoad, AHugeOrUnreadableFileChangesNothing)
{
    CScratchFolder folder;
    CBoard board;
    board.Cell(0, 0).SetValue(4);
    // 100 MB, most of it a hole, that starts like a valid puzzle.
    WriteWholeFile("Zifrel.zfr", FileOf(kPuzzle));
    std::filesystem::resize_file("Zifrel.zfr", 100'000'000);
    EXPECT_EQ(Why(board.OnLoad()), "file: too large") << "100 MB";
    WriteWholeFile("Zifrel.zfr", FileOf(kPuzzle));
    ASSERT_EQ(::chmod("Zifrel.zfr", 0), 0);
    EXPECT_TRUE(AsUnprivilegedUser([] { return Why(CBoard().OnLoad()) == "file: read-protected"; }))
        << "no read permission";
    EXPECT_EQ(board.Cell(0, 0).GetValue(), 4);
}

// A disk that fills up: a 4 KiB tmpfs holding one old puzzle file and junk
// that leaves too little room for the new one. Needs the right to mount.
TEST(PuzzleFileSave, AFullDiskLeavesThePreviousFile)
{
    CScratchFolder folder;
    std::filesystem::create_directory("disk");
    if (::geteuid() != 0 || std::system("mount -t tmpfs -o size=8k tmpfs disk 2>/dev/null") != 0)
        GTEST_SKIP() << "cannot mount a small disk here; the injected short write covers this";
    const std::string previous = FileOf(kPuzzle);
    WriteWholeFile("disk/Zifrel.zfr", previous);
    std::string filler(8192, 'x');
    WriteWholeFile("disk/filler", filler); // cut short by the full disk
    ::chdir("disk");
    CBoard board;
    const std::string saved = Why(board.OnSave());
    ::chdir("..");
    const std::string after = ReadWholeFile("disk/Zifrel.zfr");
    const auto entries = FolderEntries("disk");
    std::system("umount disk");
    EXPECT_EQ(saved, "file: disk full");
    EXPECT_EQ(after, previous);
    EXPECT_EQ(entries, (std::vector<std::string>{"Zifrel.zfr", "filler"}));
}

TEST(PuzzleFileLoad, AFailedOpenStatOrReadChangesNothing)
{
    using Fail = CFailingFileSystem::Fail;
    const std::pair<Fail, std::string> failures[] = {
        {Fail::Open, "file: read-protected"}, {Fail::Fstat, "file: other"}, {Fail::Read, "file: other"}};
    for (const auto& [fail, why] : failures) {
        CScratchFolder folder;
        WriteWholeFile("Zifrel.zfr", FileOf(kPuzzle));
        CFailingFileSystem fs(fail);
        CBoard board(fs);
        board.Cell(0, 0).SetValue(4);
        EXPECT_EQ(Why(board.OnLoad()), why) << static_cast<int>(fail);
        EXPECT_EQ(board.Cell(0, 0).GetValue(), 4);
    }
}

TEST(PuzzleLine, ReadsDigitsDotsAndZerosAndIgnoresATrailingCr)
{
    const auto values = ParsePuzzleLine(kPuzzle + "\r");
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, ValuesFrom(kPuzzle));
}

TEST(PuzzleLine, SaysWhatIsWrong)
{
    CLineCells read;
    EXPECT_FALSE(ParsePuzzleLine(kPuzzle.substr(1), &read));
    EXPECT_EQ(read.kind, CLineCells::Cells);
    EXPECT_EQ(read.count, 80);
    std::string bad = kPuzzle;
    for (const char c : {'q', '\x01'}) {
        bad[9] = c;
        EXPECT_FALSE(ParsePuzzleLine(bad, &read));
        EXPECT_EQ(read.kind, CLineCells::Bad);
        EXPECT_EQ(read.count, 10);
        EXPECT_EQ(read.bad, static_cast<unsigned char>(c));
    }
    EXPECT_FALSE(ParsePuzzleLine(kPuzzle + "1", &read));
    EXPECT_EQ(read.kind, CLineCells::TooMany);
    EXPECT_FALSE(ParsePuzzleLine(kPuzzle + ",1234", &read));
}

// The reader zifrel-batch streams lines through reads each line, in any
// two pieces, as the whole line is read: runs of cells of every length,
// broken anywhere by a separator, a mark, a bad byte, a box-drawing
// character or a carriage return, and lines with too many cells.
TEST(PuzzleLine, ReadInPiecesAsTheWholeLine)
{
    std::vector<std::string> lines;
    const std::string digits = kPuzzle + "123456789" + kPuzzle;
    for (std::size_t length : {0, 15, 16, 17, 31, 32, 33, 64, 80, 81, 82, 97, 170})
        lines.push_back(digits.substr(0, length));
    for (std::size_t at = 0; at <= kPuzzle.size(); ++at)
        for (const std::string_view insert : {" ", "?", "q", "\x01", "\xE2\x94\x80", "\r", "9"})
            lines.push_back(kPuzzle.substr(0, at) + std::string(insert) + kPuzzle.substr(at));
    for (const std::string& line : lines) {
        Values whole{};
        const std::string_view text = line;
        const CLineCells expected = ReadLineCells(text.ends_with('\r') ? text.substr(0, text.size() - 1) : text, whole);
        for (std::size_t split = 0; split <= line.size(); split += line.size() > 40 ? 7 : 1) {
            CLineCellReader reader;
            reader.Start();
            reader.Add(text.substr(0, split));
            reader.Add(text.substr(split));
            const CLineCells read = reader.End();
            ASSERT_EQ(std::tie(read.kind, read.count, read.bad, read.byteOrderMark),
                      std::tie(expected.kind, expected.count, expected.bad, expected.byteOrderMark))
                << line << " split at " << split;
            const int kept =
                std::min(expected.kind == CLineCells::Cells ? expected.count : expected.count - 1, kCellCount);
            for (int i = 0; i < kept; ++i)
                ASSERT_EQ(reader.Cells()[static_cast<std::size_t>(i)], whole[static_cast<std::size_t>(i)])
                    << line << " split at " << split << ", cell " << i;
        }
    }
}

// Text as people paste it: what is a puzzle and what is not.
TEST(PuzzleText, AcceptsThePastedFormsAndNothingElse)
{
    std::string rows, forum, spaced;
    for (int row = 0; row < 9; ++row) {
        const std::string cells = kPuzzle.substr(static_cast<std::size_t>(row) * 9, 9);
        rows += cells + "\n";
        if (row % 3 == 0 && row > 0)
            forum += "------+-------+------\r\n";
        for (int c = 0; c < 9; ++c)
            forum += std::string(c == 0 ? "" : c % 3 == 0 ? " | " : " ") + cells[static_cast<std::size_t>(c)];
        forum += "\r\n";
    }
    for (char c : kPuzzle)
        spaced += std::string(1, c) + " \t";
    std::string marks = kPuzzle;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i] == '.')
            marks[i] = "0_*x?"[i % 5];
    // A grid drawn with box-drawing characters, as web pages and puzzle
    // programs print them.
    std::string drawn = "┌───────┬───────┬───────┐\n";
    for (int row = 0; row < 9; ++row) {
        if (row == 3 || row == 6)
            drawn += "├───────┼───────┼───────┤\n";
        for (int c = 0; c < 9; ++c)
            drawn += std::string(c % 3 == 0 ? "│ " : "") + kPuzzle[static_cast<std::size_t>(row * 9 + c)] + " ";
        drawn += "│\n";
    }
    drawn += "└───────┴───────┴───────┘\n";
    const std::string solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    const std::vector<std::pair<std::string, std::string>> accepted = {
        {"81 cells", kPuzzle},
        {"81 cells and a line end", kPuzzle + "\n"},
        {"spaces and tabs between cells", spaced + "\r\n"},
        {"nine lines of nine", rows},
        {"a forum grid with separators", forum},
        {"blank lines around", "\n\n" + rows + "\n\n"},
        {"a byte-order mark", "\xEF\xBB\xBF" + kPuzzle},
        {"a boxed line", "|" + kPuzzle + "|"},
        {"0, _, *, x and ? for empty cells", marks},
        {"a grid of box-drawing characters", drawn},
        {"a CSV line of puzzle and solution", kPuzzle + "," + solution + "\n"},
        {"a tab-separated line of puzzle and solution", kPuzzle + "\t" + solution},
        {"a CSV line with a third field", kPuzzle + "," + solution + ",expert\r\n"},
    };
    for (const auto& [name, text] : accepted) {
        const auto values = ParsePuzzleText(text);
        ASSERT_TRUE(values) << name;
        EXPECT_EQ(*values, ValuesFrom(kPuzzle)) << name;
    }
    // Each refusal says why: the first fault, with its count or character.
    using R = CPasteRefusal;
    const std::vector<std::tuple<std::string, std::string, R::Kind, int, std::string>> refused = {
        {"nothing", "", R::NoCells, 0, ""},
        {"a word", "hello", R::NotACell, 0, "h"},
        {"80 cells", kPuzzle.substr(1), R::NotEightyOne, 80, ""},
        {"82 cells", kPuzzle + "5", R::TooManyInLine, 0, ""},
        {"eight rows", rows.substr(10), R::NotNineRows, 8, ""},
        {"ten rows", rows + "123456789\n", R::MoreThanNineRows, 0, ""},
        {"rows of 27", kPuzzle.substr(0, 27) + "\n" + kPuzzle.substr(27, 27) + "\n" + kPuzzle.substr(54),
         R::NotEightyOne, 27, ""},
        {"a row of 5", rows.substr(0, 10) + "12345\n", R::ShortRow, 5, ""},
        {"a puzzle with a caption", "Puzzle 12: " + kPuzzle, R::NotACell, 0, "P"},
        {"two puzzles", kPuzzle + "\n" + kPuzzle, R::MoreThanOnePuzzle, 0, ""},
        {"a letter among the cells", kPuzzle.substr(0, 40) + "q" + kPuzzle.substr(41), R::NotACell, 0, "q"},
        {"a character beyond ASCII", kPuzzle.substr(0, 40) + "é" + kPuzzle.substr(41), R::NotACell, 0, "é"},
        {"a byte that is no character", kPuzzle.substr(0, 40) + "\x01" + kPuzzle.substr(41), R::NotACell, 0, ""},
        {"a line then rows", kPuzzle + "\n" + rows, R::MoreThanOnePuzzle, 0, ""},
        {"a CSV line whose first field is no puzzle", "puzzle,solution", R::NotACell, 0, "p"},
        {"two CSV lines", kPuzzle + "," + solution + "\n" + kPuzzle + "," + solution, R::MoreThanOnePuzzle, 0, ""},
    };
    for (const auto& [name, text, kind, count, character] : refused) {
        R why;
        EXPECT_FALSE(ParsePuzzleText(text, &why)) << name;
        EXPECT_EQ(why.kind, kind) << name;
        EXPECT_EQ(why.count, count) << name;
        EXPECT_EQ(why.character, character) << name;
    }
}

TEST(PuzzleText, LineAndGridFormsReadBack)
{
    const Values values = ValuesFrom(kPuzzle);
    EXPECT_EQ(FormatPuzzleLine(values), kPuzzle);
    EXPECT_EQ(FormatPuzzleGrid(values).substr(0, 10), "53..7....\n");
    EXPECT_EQ(ParsePuzzleText(FormatPuzzleGrid(values)), values);
    EXPECT_EQ(ParsePuzzleText(FormatPuzzleLine(values)), values);
}

} // namespace
