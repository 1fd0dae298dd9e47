// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch: runs one board command on many puzzles read from standard
// input and prints each resulting board, or every step that led to it.

#include "batch_io.h"
#include "batch_puzzles.h"
#include "board.h"
#include "guidance.h"
#include "lane_engine.h"
#include "puzzle_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Says in a few words why a line is not a puzzle line.
std::string DescribeBadLine(const CLineCells& read)
{
    if (read.byteOrderMark)
        return "starts with a UTF-8 byte-order mark; save the text without it";
    switch (read.kind) {
    case CLineCells::Bad: {
        const unsigned char byte = read.bad;
        const std::string shown = (byte >= 0x20 && byte < 0x7F) ? "'" + std::string(1, static_cast<char>(byte)) + "'"
                                                                : "byte " + std::to_string(byte);
        return "cell " + std::to_string(read.count) + " is " + shown + ", not 1-9, 0, ., _, *, x or ?";
    }
    case CLineCells::TooMany: return "more than 81 cells";
    case CLineCells::Cells: break;
    }
    return "expected 81 cells, found " + std::to_string(read.count);
}

constexpr const char* kUsage =
    R"(Usage: zifrel-batch [--solve | --pass N | --cell N] [--candidates | --explain] [--aligned]
       zifrel-batch --grade [--aligned]
       zifrel-batch --generate N [--level 1-4] [--symmetry none|rotate180] [--seed S]
       zifrel-batch --hint
       zifrel-batch --help | --version

Reads puzzles from standard input. A puzzle is one line of 81 cells, row by
row from the top left, or nine lines of nine cells. A cell is 1-9 for a
given digit and 0, ., _, *, x or ? for an empty one; spaces, tabs, the box
separators | - + and box-drawing characters may stand between cells. A
trailing carriage return is ignored; lines that hold no cells are skipped.

For each puzzle, starts from a fresh board, loads the puzzle and runs:
  --solve       sweep until a sweep changes nothing (the default)
  --pass N      sweep over all cells N times
  --cell N      go back to the top left cell, then work on N cells in turn

Writes one line per puzzle: the 81 cells, each its digit or 0. With
  --candidates  the 81 cells separated by single spaces instead, each a filled
                cell's digit, an empty cell's open digits in ascending order
                (1259), or - for an empty cell with no digit left open.
  --explain     every step, in the order taken, after a line "puzzle" and the
                board as loaded; a line "board" and the board as --candidates
                writes it ends the steps, and an empty line the puzzle:
                  r3c4 -5 row r3c8         5 ruled out: it stands in r3c8
                  r3c4 -5 column r7c4      ... in the same column
                  r3c4 -5 box r2c5         ... in the same box
                  r3c4 -5 band b2          box 2 must place 5 in row 3
                  r3c4 -5 stack b8         box 8 must place 5 in column 4
                  r3c4 -5 rowpair r3c1 r3c9      the pair holds 5
                  r3c4 -5 columnpair r1c4 r6c4
                  r3c4 =6 single           6 was the only digit left
                  r3c4 =6 onlyinbox        6 had no other place in its box
  --aligned     write one line for every line read, so that output line N
                belongs to input line N: an empty line for a line that is
                not a puzzle or holds no cells, and for a puzzle of nine
                lines its board on the first and an empty line for the others.

  --grade       instead of a command, write for each puzzle one line: the
                puzzle as 81 cells (. for an empty one), the number of its
                solutions (0, 1, or 2+ for more than one) and its level (1-4,
                or - unless it has exactly one solution), with single spaces
                between them. The level is the smallest of these sets of
                rules with which sweeps until nothing changes fill every cell,
                named with the techniques learners look up elsewhere:
                  1  Singles (naked and hidden singles): the digits placed
                     in the row, column and box, one digit left (naked
                     single), no other place in the box (hidden single)
                  2  Box and line (pointing): adds a neighbouring box that
                     confines a digit to the cell's row or column
                  3  Pairs (naked pairs): all the rules, adding the pairs in
                     the row and the column; --solve finishes the puzzle
                  4  Beyond the rules: --solve does not finish it

  --generate N  write N (1 to 1000000000) new puzzles, one line of 81
                cells each (. for an empty cell), each with exactly one
                solution and minimal: taking away any given leaves more than
                one. With
  --level L     only puzzles of level L (1-4, see --grade); any by default
  --symmetry S  rotate180 (the default): givens stand where they would after
                half a turn; none: anywhere
  --seed S      the same S (0 to 18446744073709551615) gives the same
                puzzles on every machine; without it, a seed is taken from
                the clock and written to standard error, "seed S"

  --hint        instead of a command, the next step on the puzzle as loaded,
                by the easiest rules that take one: the first cell that
                sweeps with the rules of level 1 fill, or where those fill
                none, of level 2, or else all the rules (see --grade). In
                the --explain format: a line "puzzle", the digits those
                rules ruled out of that cell on the way, in order, and the
                line that fills it (=d single or =d onlyinbox), or a line
                "none" when even all the rules come to rest first; then an
                empty line. The window's hint (Ctrl+H) points at the same
                cell; unlike the window, --hint does not first look for
                contradictions.

Options go as in GNU tools: --pass 3 or --pass=3, a unique beginning of a
name for the whole (--gen 5), and -- ends the options.

A line that is not a puzzle is named on standard error with its number, and
the other lines are still processed.
Exit status: 0 when every line was a puzzle, 1 when one was not, 2 on a bad
option, 3 when the output could not be written, 4 when the input could not
be read.
)";

enum ExitStatus { kAllPuzzles = 0, kBadLine = 1, kBadOption = 2, kWriteError = 3, kReadError = 4 };

// A line that holds more text than this besides spacing and separators,
// and is not a puzzle, is called too long rather than described.
constexpr std::uint64_t kMaxLineText = 512;

enum class Command { Solve, Pass, Cell };

struct Options {
    Command command = Command::Solve;
    unsigned long long count = 0;
    bool candidates = false;
    bool explain = false;
    bool hint = false;
    bool aligned = false;
    bool help = false;
    bool version = false;
    CPuzzleOptions puzzles;
};

void Say(const std::string& message)
{
    const std::string line = "zifrel-batch: " + message + "\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
}

// The count after --pass or --cell, or a message saying what is wrong with it.
std::optional<unsigned long long> ParseCount(std::string_view option, const char* text, std::string& error)
{
    const std::string what = option == "--pass" ? "sweeps" : "cells";
    if (text == nullptr) {
        error = std::string(option) + " needs a number of " + what + "; try --help";
        return std::nullopt;
    }
    const std::string_view digits = text;
    unsigned long long value = 0;
    const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (!digits.empty() && digits[0] == '-' && digits.size() > 1)
        error = std::string(option) + " takes a count of 0 or more, not '" + text + "'";
    else if (failure == std::errc::result_out_of_range && end == digits.data() + digits.size())
        error = std::string(option) + " " + text + " is too large (at most 18446744073709551615)";
    else if (digits.empty() || failure != std::errc() || end != digits.data() + digits.size())
        error = std::string(option) + " takes a whole number of " + what + ", not '" + text + "'";
    else
        return value;
    return std::nullopt;
}

// The options, with what each says when its value is missing. Long
// options go as in every GNU tool: --pass 3 or --pass=3, a unique prefix
// (--gen) for the whole name, and -- ending the options.
struct CBatchOption {
    const char* name;
    const char* needs;
};
constexpr CBatchOption kOptions[] = {
    {"help", nullptr},
    {"version", nullptr},
    {"candidates", nullptr},
    {"explain", nullptr},
    {"aligned", nullptr},
    {"hint", nullptr},
    {"solve", nullptr},
    {"pass", "a number of sweeps"},
    {"cell", "a number of cells"},
    {"grade", nullptr},
    {"generate", "a number of puzzles"},
    {"level", "a level, 1 to 4"},
    {"symmetry", "none or rotate180"},
    {"seed", "a number"},
};
constexpr int kOptionCount = static_cast<int>(std::size(kOptions));
// getopt_long reports option k as kFirstCode + k, and -h as 'h'.
constexpr int kFirstCode = 256;

const std::array<option, kOptionCount + 1>& LongOptions()
{
    static const std::array<option, kOptionCount + 1> table = [] {
        std::array<option, kOptionCount + 1> built{};
        for (int k = 0; k < kOptionCount; ++k)
            built[static_cast<std::size_t>(k)] = {kOptions[k].name, kOptions[k].needs ? required_argument : no_argument,
                                                  nullptr, kFirstCode + k};
        return built;
    }();
    return table;
}

// What getopt_long refused, in the words zifrel-batch uses.
std::string Refused(int code, const char* given)
{
    const std::string_view arg = given;
    if (code == ':' && optopt >= kFirstCode)
        return "--" + std::string(kOptions[optopt - kFirstCode].name) + " needs " + kOptions[optopt - kFirstCode].needs
            + "; try --help";
    const std::string name(arg.substr(0, arg.find('=')));
    if (optopt >= kFirstCode)
        return "option '" + name + "' takes no value; try --help";
    if (arg.starts_with("--") && name.size() > 2) {
        int matches = 0;
        for (const CBatchOption& option : kOptions)
            matches += std::string_view(option.name).starts_with(std::string_view(name).substr(2));
        if (matches > 1)
            return "option '" + name + "' is ambiguous; try --help";
    }
    return "unknown option '" + (arg.starts_with("--") ? name : "-" + std::string(1, static_cast<char>(optopt)))
        + "'; try --help";
}

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error)
{
    Options options;
    bool commandGiven = false;
    // "-": other arguments come in order, as code 1; ":": a missing value
    // comes as ':'. Messages are ours.
    opterr = 0;
    for (int code; (code = getopt_long(argc, argv, "-:h", LongOptions().data(), nullptr)) != -1;) {
        if (code == 1) {
            error = "unexpected argument '" + std::string(optarg) + "'; try --help";
            return std::nullopt;
        }
        if (code == '?' || code == ':') {
            error = Refused(code, argv[optind - 1]);
            return std::nullopt;
        }
        const std::string arg = code == 'h' ? "--help" : "--" + std::string(kOptions[code - kFirstCode].name);
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--candidates") {
            options.candidates = true;
        } else if (arg == "--explain") {
            options.explain = true;
        } else if (arg == "--aligned") {
            options.aligned = true;
        } else if (arg == "--hint") {
            options.hint = true;
        } else if (arg == "--solve" || arg == "--pass" || arg == "--cell") {
            if (commandGiven) {
                error = "give only one of --solve, --pass and --cell";
                return std::nullopt;
            }
            commandGiven = true;
            if (arg == "--solve")
                continue;
            options.command = arg == "--pass" ? Command::Pass : Command::Cell;
            const auto count = ParseCount(arg, optarg, error);
            if (!count)
                return std::nullopt;
            options.count = *count;
        } else if (TakePuzzleOption(arg, optarg, options.puzzles, error) == OptionTaken::Wrong) {
            return std::nullopt;
        }
    }
    // After --, every argument is an operand, and zifrel-batch takes none.
    if (optind < argc) {
        error = "unexpected argument '" + std::string(argv[optind]) + "'; try --help";
        return std::nullopt;
    }
    if (options.explain && options.aligned) {
        error = "--aligned and --explain do not go together: --explain writes many lines per puzzle";
        return std::nullopt;
    }
    const CPuzzleOptions& puzzles = options.puzzles;
    if (puzzles.generate
        && (commandGiven || options.candidates || options.explain || options.aligned || puzzles.grade
            || options.hint)) {
        error = "--generate reads no puzzles: it goes only with --level, --symmetry and --seed";
        return std::nullopt;
    }
    if (!puzzles.generate && (puzzles.level || puzzles.symmetry || puzzles.seed)) {
        error = std::string(puzzles.level          ? "--level"
                                : puzzles.symmetry ? "--symmetry"
                                                   : "--seed")
            + " goes with --generate N";
        return std::nullopt;
    }
    if (options.hint && (commandGiven || options.candidates || options.explain || options.aligned || puzzles.grade)) {
        error = "--hint goes alone: it runs no command and writes its own lines";
        return std::nullopt;
    }
    if (puzzles.grade && (commandGiven || options.candidates || options.explain)) {
        error = "--grade runs no command: it goes only with --aligned";
        return std::nullopt;
    }
    return options;
}

// A sweep or a run of 81 cell steps that changes nothing leaves the board
// exactly as it was, so every later one would change nothing too: stopping
// there gives the same board, and the same steps, as running all N.
void RunCommand(CBoard& board, const Options& options)
{
    switch (options.command) {
    case Command::Solve: board.OnSolve(); break;
    case Command::Pass:
        for (unsigned long long i = 0; i < options.count && board.DoPass(); ++i) {
        }
        break;
    case Command::Cell: {
        board.OnStart();
        unsigned long long unchanged = 0;
        for (unsigned long long i = 0; i < options.count && unchanged < kCellCount; ++i)
            unchanged = board.OnCellStep() ? 0 : unchanged + 1;
        break;
    }
    }
}

// An empty cell's field in --candidates form, for every set of open digits.
const std::array<std::string, 512>& OpenDigitFields()
{
    static const std::array<std::string, 512> fields = [] {
        std::array<std::string, 512> built;
        for (unsigned open = 0; open < built.size(); ++open) {
            for (int d = 1; d <= 9; ++d)
                if (open & DigitBit(d))
                    built[open] += static_cast<char>('0' + d);
            if (built[open].empty())
                built[open] = "-";
        }
        return built;
    }();
    return fields;
}

// Writes a board whose cell i has the value and open digits cell(i) gives.
template <typename Cell>
void WriteCells(COutput& out, bool candidates, Cell cell)
{
    if (!candidates) {
        char line[kCellCount + 1];
        for (int i = 0; i < kCellCount; ++i)
            line[i] = static_cast<char>('0' + cell(i).first);
        line[kCellCount] = '\n';
        out.Append(std::string_view(line, sizeof line));
        return;
    }
    const auto& fields = OpenDigitFields();
    for (int i = 0; i < kCellCount; ++i) {
        const auto [value, open] = cell(i);
        if (i != 0)
            out.Append(' ');
        if (value != 0)
            out.Append(static_cast<char>('0' + value));
        else
            out.Append(fields[open]);
    }
    out.Append('\n');
}

void WriteBoard(COutput& out, const Grid& grid, bool candidates)
{
    WriteCells(out, candidates, [&grid](int i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        return std::pair{cell.GetValue(), static_cast<unsigned>(cell.CandidateMask())};
    });
}

void WriteBoard(COutput& out, const CLaneBoard& board, bool candidates)
{
    if (!candidates) {
        // Eight cells at a time: a value is at most 9, so adding '0' to
        // each byte never carries into the next.
        char line[kCellCount + 1];
        for (int i = 0; i + 8 <= kCellCount; i += 8) {
            std::uint64_t eight;
            std::memcpy(&eight, board.value + i, sizeof eight);
            eight += 0x3030303030303030;
            std::memcpy(line + i, &eight, sizeof eight);
        }
        line[kCellCount - 1] = static_cast<char>('0' + board.value[kCellCount - 1]);
        line[kCellCount] = '\n';
        out.Append(std::string_view(line, sizeof line));
        return;
    }
    WriteCells(out, candidates, [&board](int i) {
        return std::pair{int{board.value[i]}, ~unsigned{board.excluded[i]} & kAllDigits};
    });
}

std::string CellName(int index)
{
    return "r" + std::to_string(index / kBoardSize + 1) + "c" + std::to_string(index % kBoardSize + 1);
}

// Writes each step of the deduction as a line of --explain.
class CExplainer : public CDeductionObserver {
public:
    explicit CExplainer(COutput& out) : out_(out) {}

    void OnRuledOut(int cell, int digit, const CReason& reason) override
    {
        std::string line = CellName(cell) + " -" + std::to_string(digit) + " ";
        switch (reason.rule) {
        case Rule::Row: line += "row " + CellName(reason.a); break;
        case Rule::Column: line += "column " + CellName(reason.a); break;
        case Rule::Box: line += "box " + CellName(reason.a); break;
        case Rule::Band: line += "band b" + std::to_string(reason.a + 1); break;
        case Rule::Stack: line += "stack b" + std::to_string(reason.a + 1); break;
        case Rule::RowPair: line += "rowpair " + CellName(reason.a) + " " + CellName(reason.b); break;
        case Rule::ColumnPair: line += "columnpair " + CellName(reason.a) + " " + CellName(reason.b); break;
        case Rule::None: line += "unknown"; break;
        }
        out_.Append(line + "\n");
    }

    void OnFilled(int cell, int digit, Fill how) override
    {
        out_.Append(CellName(cell) + " =" + std::to_string(digit)
                    + (how == Fill::Single ? " single\n" : " onlyinbox\n"));
    }

private:
    COutput& out_;
};

// Whether --solve and --pass run in the lane engine. ZIFREL_LANES=off
// runs them one puzzle at a time instead, for tests that compare the two.
bool UseLanes(const Options& options)
{
    const char* asked = std::getenv("ZIFREL_LANES");
    return !options.explain && !options.hint && options.command != Command::Cell
        && (asked == nullptr || std::string_view(asked) != "off");
}

// Runs the command on each puzzle and writes what it should.
class CBatch {
public:
    CBatch(const Options& options, COutput& out)
        : options_(options), out_(out), explainer_(out), lanes_(UseLanes(options))
    {
        if (options.explain)
            board_.SetObserver(&explainer_);
        else
            board_.SetReasons(Reasons::Skipped);
    }

    void Puzzle(const Values& values)
    {
        if (lanes_) {
            Wait(values);
            return;
        }
        if (options_.puzzles.grade) {
            WriteGradeLine(out_, values, CheckPuzzle(values));
            return;
        }
        board_.LoadValues(values);
        if (options_.hint) {
            Hint();
            return;
        }
        if (options_.explain) {
            out_.Append("puzzle ");
            WriteBoard(out_, board_.Working(), false);
        }
        RunCommand(board_, options_);
        if (options_.explain)
            out_.Append("board ");
        WriteBoard(out_, board_.Working(), options_.candidates || options_.explain);
        if (options_.explain)
            out_.Append('\n');
    }

    void NotAPuzzle(unsigned long long line, const std::string& why)
    {
        Say("line " + std::to_string(line) + ": " + why);
        status_ = kBadLine;
        Blank();
    }

    // The line written, under --aligned, for a line that gets no other.
    void Blank()
    {
        if (options_.aligned)
            Write("\n");
    }

    // Writes text after every board read so far.
    void Write(std::string_view text)
    {
        if (waiting_.empty())
            out_.Append(text);
        else
            after_[waiting_.size() - 1].append(text);
    }

    // Solves the boards waiting for the lanes and writes them, with the
    // text that came between them, in input order.
    void Finish()
    {
        if (waiting_.empty())
            return;
        RunLanes(waiting_, options_.command == Command::Solve ? kUntilUnchanged : options_.count, ChosenLaneSet());
        for (std::size_t k = 0; k < waiting_.size(); ++k) {
            if (options_.puzzles.grade)
                WriteGradeLine(out_, givens_[k], CheckSolvedPuzzle(givens_[k], waiting_[k]));
            else
                WriteBoard(out_, waiting_[k], options_.candidates);
            out_.Append(after_[k]);
            after_[k].clear();
        }
        waiting_.clear();
        givens_.clear();
    }

    int Status() const { return status_; }

private:
    // The hint on the board as loaded, in the lines --explain writes.
    void Hint()
    {
        out_.Append("puzzle ");
        WriteBoard(out_, board_.Working(), false);
        const CHint hint = FindHint(board_.Working());
        if (hint.cell < 0)
            out_.Append("none\n");
        for (const auto& [digit, reason] : hint.steps)
            explainer_.OnRuledOut(hint.cell, digit, reason);
        if (hint.cell >= 0)
            explainer_.OnFilled(hint.cell, hint.digit, hint.how);
        out_.Append('\n');
    }

    // Enough boards to keep the lanes full all but at the very end, and
    // few enough that they stay in the processor's cache from the line
    // read to the board written (1,024 ran 5 to 7 % slower here).
    static constexpr std::size_t kLaneBlock = 256;

    void Wait(const Values& values)
    {
        // --grade starts from Solve run in the lanes.
        if (options_.puzzles.grade)
            givens_.push_back(values);
        CLaneBoard& board = waiting_.emplace_back();
        for (int i = 0; i < kCellCount; ++i) {
            const auto v = static_cast<std::uint8_t>(values[static_cast<std::size_t>(i)]);
            board.value[i] = v;
            board.excluded[i] = kExcludedForValue[v];
        }
        if (after_.size() < waiting_.size())
            after_.emplace_back();
        if (waiting_.size() == kLaneBlock)
            Finish();
    }

    const Options& options_;
    COutput& out_;
    CExplainer explainer_;
    CBoard board_;
    int status_ = kAllPuzzles;
    bool lanes_;
    // The boards waiting for the lanes, and the text to write after each.
    std::vector<CLaneBoard> waiting_;
    std::vector<std::string> after_;
    // Under --grade, the puzzles as read of the boards waiting.
    std::vector<Values> givens_;
};

// Nine lines of nine cells, gathered until the ninth, with the lines
// without cells among them.
class CBlock {
public:
    bool Started() const { return rows_ > 0; }
    unsigned long long FirstLine() const { return firstLine_; }
    int Rows() const { return rows_; }
    // Lines read since the first row, that one included.
    unsigned long long Lines() const { return lines_; }
    // Adds a row; true when it was the ninth.
    bool Add(const Values& cells, unsigned long long line)
    {
        if (rows_ == 0)
            firstLine_ = line;
        std::copy_n(cells.begin(), kBoardSize, values_.begin() + CellIndex(rows_++, 0));
        lines_ = line - firstLine_ + 1;
        return rows_ == kBoardSize;
    }
    void AddBlank(unsigned long long line) { lines_ = line - firstLine_ + 1; }
    const Values& Take()
    {
        rows_ = 0;
        return values_;
    }
    void Drop() { rows_ = 0; }

private:
    Values values_{};
    int rows_ = 0;
    unsigned long long firstLine_ = 0;
    unsigned long long lines_ = 0;
};

// Writes, under --aligned, an empty line for each line of a block but the
// first, which holds the block's board or, for a bad block, another empty line.
void BlankAfterFirst(const CBlock& block, CBatch& batch)
{
    for (unsigned long long k = 1; k < block.Lines(); ++k)
        batch.Blank();
}

void EndBlockEarly(CBlock& block, CBatch& batch)
{
    if (!block.Started())
        return;
    batch.NotAPuzzle(block.FirstLine(), "a 9x9 block stops after " + std::to_string(block.Rows()) + " rows");
    BlankAfterFirst(block, batch);
    block.Drop();
}

int WriteFailed(const COutput& out)
{
    Say(std::string("write error: ") + std::strerror(out.ErrorNumber()));
    return kWriteError;
}

} // namespace

int main(int argc, char** argv)
{
    COutput out(STDOUT_FILENO);
    std::string error;
    const auto options = ParseOptions(argc, argv, error);
    if (!options) {
        Say(error);
        return kBadOption;
    }
    if (options->help || options->version) {
        out.Append(options->help ? kUsage : "zifrel-batch " ZIFREL_VERSION "\n");
        return out.Flush() ? kAllPuzzles : WriteFailed(out);
    }

    if (options->puzzles.generate)
        return RunGenerate(options->puzzles, out, Say) ? kAllPuzzles : WriteFailed(out);

    CBatch batch(*options, out);
    CBlock block;
    CLineReader in(STDIN_FILENO);
    CLineCellReader line;
    for (;;) {
        // Before waiting for more input, answer every line read so far.
        const auto read = in.Next(line, [&] {
            batch.Finish();
            out.Flush();
        });
        if (out.Failed())
            return WriteFailed(out);
        if (read == CLineReader::Status::End)
            break;
        if (read == CLineReader::Status::Error) {
            batch.Finish();
            out.Flush();
            Say(std::string("read error: ") + std::strerror(in.ErrorNumber()));
            return kReadError;
        }
        const CLineCells found = line.End();
        const Values& cells = line.Cells();
        if (found.kind == CLineCells::Cells && found.count == 0) {
            if (block.Started())
                block.AddBlank(in.Number());
            else
                batch.Blank();
            continue;
        }
        if (found.kind == CLineCells::Cells && found.count == kBoardSize) {
            if (block.Add(cells, in.Number())) {
                batch.Puzzle(block.Take());
                BlankAfterFirst(block, batch);
            }
            continue;
        }
        EndBlockEarly(block, batch);
        if (found.kind == CLineCells::Cells && found.count == kCellCount)
            batch.Puzzle(cells);
        else
            batch.NotAPuzzle(in.Number(), found.text > kMaxLineText ? "too long" : DescribeBadLine(found));
    }
    EndBlockEarly(block, batch);
    batch.Finish();
    return out.Flush() ? batch.Status() : WriteFailed(out);
}
