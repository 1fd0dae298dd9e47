// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The steps the engine reports, checked as another tool would check them:
// every line of `zifrel-batch --explain` must be true of the board at the
// moment it happened, and replaying the lines on the loaded puzzle must give
// exactly the board printed at the end, which must be the board the command
// leaves. In the engine itself, each call reports its steps in rule order,
// and the cells keep the reasons that were reported.

#include "board.h"
#include "reference_deduction.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// A board rebuilt from the steps alone.
class CReplay {
public:
    explicit CReplay(const std::string& cells)
    {
        for (int i = 0; i < kCellCount; ++i) {
            value_[i] = cells[static_cast<std::size_t>(i)] - '0';
            excluded_[i] = value_[i] ? static_cast<DigitMask>(kAllDigits & ~DigitBit(value_[i])) : DigitMask{0};
        }
    }

    // Checks one step line and applies it; returns what is wrong, or "".
    std::string Step(const std::string& line)
    {
        std::istringstream words(line);
        std::string target, change, rule, first, second;
        words >> target >> change >> rule >> first >> second;
        const int x = Cell(target);
        if (x < 0 || change.size() != 2 || (change[0] != '-' && change[0] != '=') || change[1] < '1' || change[1] > '9')
            return "cannot read";
        const int d = change[1] - '0';
        if (value_[x] != 0)
            return "the cell is filled already";
        if (!Open(x, d))
            return "the digit is not open in the cell";
        if (change[0] == '=')
            return Fill(x, d, rule);
        if (const std::string why = RuledOut(x, d, rule, first, second); !why.empty())
            return why;
        excluded_[x] |= DigitBit(d);
        return {};
    }

    // The board in --candidates form.
    std::string Fields() const
    {
        std::string fields;
        for (int i = 0; i < kCellCount; ++i) {
            if (i != 0)
                fields += ' ';
            if (value_[i] != 0) {
                fields += static_cast<char>('0' + value_[i]);
                continue;
            }
            std::string open;
            for (int d = 1; d <= 9; ++d)
                if (Open(i, d))
                    open += static_cast<char>('0' + d);
            fields += open.empty() ? "-" : open;
        }
        return fields;
    }

private:
    static int Cell(const std::string& name)
    {
        if (name.size() != 4 || name[0] != 'r' || name[2] != 'c' || name[1] < '1' || name[1] > '9' || name[3] < '1'
            || name[3] > '9')
            return -1;
        return CellIndex(name[1] - '1', name[3] - '1');
    }
    static int Box(const std::string& name)
    {
        return name.size() == 2 && name[0] == 'b' && name[1] >= '1' && name[1] <= '9' ? name[1] - '1' : -1;
    }
    bool Open(int i, int d) const { return (excluded_[i] & DigitBit(d)) == 0; }
    int OpenCount(int i) const { return kDigitCount[~excluded_[i] & kAllDigits]; }

    // d is ruled out in every cell of box that passes keep.
    template <typename Keep>
    bool RuledOutInBox(int box, int d, Keep keep) const
    {
        for (int i = 0; i < kCellCount; ++i)
            if (BoxOf(i) == box && keep(i) && Open(i, d))
                return false;
        return true;
    }

    std::string RuledOut(int x, int d, const std::string& rule, const std::string& first, const std::string& second)
    {
        const int a = Cell(first);
        if (rule == "row" || rule == "column" || rule == "box") {
            const bool sameLine = rule == "row" ? a >= 0 && RowOf(a) == RowOf(x)
                : rule == "column"              ? a >= 0 && ColumnOf(a) == ColumnOf(x)
                                                : a >= 0 && BoxOf(a) == BoxOf(x);
            if (!sameLine || a == x || value_[a] != d)
                return "the cited cell does not hold the digit in the " + rule;
            return {};
        }
        if (rule == "band" || rule == "stack") {
            const int box = Box(first);
            const bool row = rule == "band";
            const bool neighbour =
                box >= 0 && box != BoxOf(x) && (row ? box / 3 == BoxOf(x) / 3 : box % 3 == BoxOf(x) % 3);
            if (!neighbour)
                return "the box is not a neighbour in the " + rule;
            const bool confined =
                RuledOutInBox(box, d, [&](int i) { return row ? RowOf(i) != RowOf(x) : ColumnOf(i) != ColumnOf(x); });
            return confined ? std::string() : "the box does not confine the digit to the cell's line";
        }
        if (rule == "rowpair" || rule == "columnpair") {
            const int b = Cell(second);
            const bool row = rule == "rowpair";
            const auto line = [row](int i) { return row ? RowOf(i) : ColumnOf(i); };
            if (a < 0 || b < 0 || a == x || b == x || a >= b || line(a) != line(x) || line(b) != line(x))
                return "the pair is not two other cells of the line";
            if (OpenCount(a) != 2 || excluded_[a] != excluded_[b] || !Open(a, d))
                return "the cells are no pair holding the digit";
            return {};
        }
        return "unknown rule " + rule;
    }

    std::string Fill(int x, int d, const std::string& how)
    {
        if (how == "single" && OpenCount(x) != 1)
            return "more than one digit is left";
        if (how == "onlyinbox" && !RuledOutInBox(BoxOf(x), d, [x](int i) { return i != x; }))
            return "the digit has another place in the box";
        if (how != "single" && how != "onlyinbox")
            return "unknown fill " + how;
        value_[x] = d;
        excluded_[x] = static_cast<DigitMask>(kAllDigits & ~DigitBit(d));
        return {};
    }

    std::array<int, kCellCount> value_{};
    std::array<DigitMask, kCellCount> excluded_{};
};

std::string Zeroed(std::string cells)
{
    for (char& c : cells)
        if (c == '.')
            c = '0';
    return cells;
}

class ExplainedCommand : public testing::TestWithParam<const char*> {};

TEST_P(ExplainedCommand, EveryLineHoldsAndReplayingThemGivesTheFinalBoard)
{
    std::string input;
    std::vector<std::string> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set)) {
            input += puzzle.puzzle + "\n";
            puzzles.push_back(puzzle.puzzle);
        }
    const BatchRun explained = RunBatch(std::string("--explain ") + GetParam(), input);
    const BatchRun plain = RunBatch(std::string("--candidates ") + GetParam(), input);
    ASSERT_EQ(explained.status, 0) << explained.err;
    const auto finals = Lines(plain.out);
    ASSERT_EQ(finals.size(), puzzles.size());

    const auto lines = Lines(explained.out);
    std::size_t at = 0;
    long long steps = 0;
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        ASSERT_LT(at, lines.size());
        ASSERT_EQ(lines[at], "puzzle " + Zeroed(puzzles[n])) << "puzzle " << n;
        CReplay replay(Zeroed(puzzles[n]));
        for (++at; at < lines.size() && !lines[at].starts_with("board "); ++at, ++steps) {
            const std::string wrong = replay.Step(lines[at]);
            ASSERT_EQ(wrong, "") << "puzzle " << n << ", output line " << at + 1 << ": " << lines[at];
        }
        ASSERT_LT(at, lines.size());
        EXPECT_EQ(lines[at], "board " + replay.Fields()) << "puzzle " << n;
        EXPECT_EQ(lines[at], "board " + finals[n]) << "puzzle " << n;
        ASSERT_EQ(lines[at + 1], "") << "puzzle " << n;
        at += 2;
    }
    EXPECT_EQ(at, lines.size());
    std::cout << steps << " steps checked\n";
}

INSTANTIATE_TEST_SUITE_P(Commands, ExplainedCommand, testing::Values("--solve", "--pass 1", "--cell 200"));

// A step of the reference deduction as --explain writes it.
std::string ExplainLine(const CReferenceStep& step)
{
    const auto name = [](int i) { return "r" + std::to_string(RowOf(i) + 1) + "c" + std::to_string(ColumnOf(i) + 1); };
    static const char* const kRule[] = {"",        " row ",    " column ",  " box ",
                                        " band b", " stack b", " rowpair ", " columnpair "};
    const CReason& r = step.reason;
    const std::string line = name(step.cell) + (r.rule == Rule::None ? " =" : " -") + std::to_string(step.digit)
        + kRule[static_cast<int>(r.rule)];
    if (r.rule == Rule::None)
        return line + (step.how == Fill::Single ? " single" : " onlyinbox");
    if (r.rule == Rule::Band || r.rule == Rule::Stack)
        return line + std::to_string(r.a + 1);
    return line + name(r.a) + (r.rule >= Rule::RowPair ? " " + name(r.b) : std::string());
}

// zifrel-batch --hint names the first fill of the easiest rules that make
// one (the rules of level 1, else of level 2, else all), as the reference
// deduction makes it, with exactly the lines --explain would write for that
// cell up to it; every step the reference took on the way holds when
// replayed in order. A board the rules fill nothing of has no hint.
TEST(ExplainedHint, IsTheEasiestRulesFirstFillAndItsLinesHoldByReplay)
{
    std::vector<std::string> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set))
            puzzles.push_back(puzzle.puzzle);
    // Nothing to fill: an empty board, a solved one.
    puzzles.push_back(std::string(kCellCount, '.'));
    puzzles.push_back(LoadPuzzleSet("easy")[0].solution);
    // One digit short of solved: the hint is that cell, at once.
    std::string almost = LoadPuzzleSet("easy")[0].solution;
    almost[40] = '.';
    puzzles.push_back(almost);
    std::string input;
    for (const std::string& puzzle : puzzles)
        input += puzzle + "\n";
    const BatchRun hinted = RunBatch("--hint", input);
    ASSERT_EQ(hinted.status, 0) << hinted.err;
    const auto hints = Lines(hinted.out);
    std::size_t h = 0;
    int none = 0;
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        const std::string what = "puzzle " + std::to_string(n);
        ASSERT_LT(h, hints.size());
        ASSERT_EQ(hints[h], "puzzle " + Zeroed(puzzles[n])) << what;
        std::vector<std::string> hint;
        for (++h; h < hints.size() && !hints[h].empty(); ++h)
            hint.push_back(hints[h]);
        ++h;
        CReferenceFill first;
        for (const Rules rules : {Rules::Singles, Rules::BoxAndLine, Rules::All}) {
            CBoard board;
            board.LoadValues(ValuesFrom(puzzles[n]));
            if ((first = ReferenceFirstFill(board.Working(), rules)).cell >= 0)
                break;
        }
        if (first.cell < 0) {
            EXPECT_EQ(hint, std::vector<std::string>{"none"}) << what;
            ++none;
            continue;
        }
        CReplay replay(Zeroed(puzzles[n]));
        std::vector<std::string> expected;
        for (const CReferenceStep& step : first.log) {
            ASSERT_EQ(replay.Step(ExplainLine(step)), "") << what << ": " << ExplainLine(step);
            if (step.cell == first.cell)
                expected.push_back(ExplainLine(step));
        }
        EXPECT_EQ(hint, expected) << what;
    }
    EXPECT_EQ(h, hints.size());
    EXPECT_EQ(none, 2);
}

// Collects the steps of one call at a time.
class CStepLog : public CDeductionObserver {
public:
    struct Step {
        int cell;
        int digit;
        CReason reason; // rule None for a fill
        Fill how;
    };
    void OnRuledOut(int cell, int digit, const CReason& reason) override { steps.push_back({cell, digit, reason, {}}); }
    void OnFilled(int cell, int digit, Fill how) override { steps.push_back({cell, digit, {}, how}); }
    std::vector<Step> steps;
};

TEST(ExplainInEngine, EachCallReportsInRuleOrderAndTheCellsKeepWhatWasReported)
{
    for (const char* set : {"simple", "easy", "intermediate", "expert"}) {
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set)) {
            CBoard board;
            board.LoadValues(ValuesFrom(puzzle.puzzle));
            CStepLog log;
            std::map<std::pair<int, int>, CStepLog::Step> last;
            // Sweeps driven a call at a time, as Solve drives them.
            for (bool changed = true; changed;) {
                changed = false;
                CSweep sweep(board.Working(), &log);
                for (int i = 0; i < kCellCount; ++i) {
                    log.steps.clear();
                    changed |= sweep.UpdateCell(i / kBoardSize, i % kBoardSize);
                    for (std::size_t k = 0; k < log.steps.size(); ++k) {
                        const CStepLog::Step& step = log.steps[k];
                        ASSERT_EQ(step.cell, i);
                        const bool fill = step.reason.rule == Rule::None;
                        ASSERT_TRUE(!fill || k + 1 == log.steps.size()) << "a fill comes last";
                        if (k > 0 && !fill) {
                            const CStepLog::Step& before = log.steps[k - 1];
                            ASSERT_TRUE(before.reason.rule < step.reason.rule
                                        || (before.reason.rule == step.reason.rule && before.digit < step.digit))
                                << set << " cell " << i;
                        }
                        last[{step.cell, step.digit}] = step;
                    }
                }
            }
            for (int i = 0; i < kCellCount; ++i) {
                const CCell& cell = board.Working()[i];
                for (int d = 1; d <= 9; ++d) {
                    const auto found = last.find({i, d});
                    const bool ruledOut = found != last.end() && found->second.reason.rule != Rule::None;
                    EXPECT_EQ(cell.Reason(d), ruledOut ? found->second.reason : CReason{}) << set << " cell " << i;
                }
                const auto filled = cell.GetValue() ? last.find({i, cell.GetValue()}) : last.end();
                const Fill expected = filled != last.end() ? filled->second.how : Fill::Given;
                EXPECT_EQ(cell.HowFilled(), expected) << set << " cell " << i;
            }
        }
    }
}

} // namespace
