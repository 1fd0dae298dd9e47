// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Every sentence of every cell's explanation, read as a user reads it and
// checked against the board. On the shared puzzles, through random runs of
// Pass, Solve, Cell and edits (typing, Clear, Set, Reset, Undo, Redo), each
// line of each cell's explanation is parsed by its own grammar, written
// here apart from the code that words it, and then:
//   - a claim in the present tense must hold on the board as it is;
//   - a claim in the past tense must be the reason the cell keeps (the rule,
//     the cells and digits it names), or how the cell was filled;
//   - a "No longer so" clause must appear exactly when the evidence no
//     longer stands, and name exactly the cells that no longer bear it out,
//     each as it is now;
//   - what contradicts the board comes right after the first line: each
//     other cell of the row, column and box that holds the cell's digit
//     too, and for an empty cell with nothing open whether the givens
//     contradict each other: whether they have no solution at all, as a
//     complete count finds;
//   - the lines come in order, one for each digit a rule ruled out, and a
//     last line on counting again exactly when something no longer stands.
// The hint's explanation of the cell it fills, on the copy of the board it
// is filled on, reads the same way.
// The reasons told are also those zifrel-batch --explain tells.
// A sentence the grammar cannot read fails too, so that no new wording goes
// unchecked. Seeded: a failure names the puzzle and step that replay it.

#include "board.h"
#include "cell_explanation.h"
#include "guidance.h"
#include "explanation_tip.h"
#include "history.h"
#include "placement_check.h"
#include "puzzle_maker.h"
#include "puzzle_text.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <random>

namespace {

const char* const kBoxNames[kBoardSize] = {"top left",     "top middle",  "top right",     "middle left", "centre",
                                           "middle right", "bottom left", "bottom middle", "bottom right"};

int Index(int row, int column) { return (row - 1) * kBoardSize + column - 1; }

// "3", "3 and 8", "3, 5 and 8" as a set of digits; 0 when it is none of those.
DigitMask DigitList(const QString& text)
{
    static const QRegularExpression list(QStringLiteral("^(?:(\\d), )*(?:(\\d) and )?(\\d)$"));
    if (!list.match(text).hasMatch())
        return 0;
    DigitMask digits = 0;
    int previous = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            continue;
        const int d = c.digitValue();
        if (d < 1 || d <= previous)
            return 0; // ascending, no repeats
        previous = d;
        digits |= DigitBit(d);
    }
    return digits;
}

class CSentenceChecker {
public:
    explicit CSentenceChecker(const Grid& grid) : grid_(grid) {}

    // What is wrong with the explanation of cell, or "".
    QString Check(int cell)
    {
        cell_ = cell;
        const CCell& c = grid_[static_cast<std::size_t>(cell)];
        const QString text = Explain(grid_, cell).Text();
        if (c.GetValue() == 0 && c.ExcludedMask() == 0)
            return text.isEmpty() ? QString() : QStringLiteral("an untouched empty cell explains itself");
        QStringList lines = text.split(QLatin1Char('\n'));
        bool lapsed = false;
        if (const QString wrong = Header(lines.front(), lapsed); !wrong.isEmpty())
            return lines.front() + QStringLiteral(": ") + wrong;
        lines.removeFirst();
        if (const QString wrong = Contradictions(lines); !wrong.isEmpty())
            return wrong;
        if (const QString wrong = LeftBehind(lines); !wrong.isEmpty())
            return wrong;
        const bool onlyInBox = c.HowFilled() == Fill::OnlyInBox;
        // A digit with no other place in its box: for each other empty cell
        // of the box, why it cannot go there, instead of the cell's own.
        for (int e = 0; e < kCellCount && onlyInBox; ++e) {
            if (e == cell_ || BoxOf(e) != BoxOf(cell_) || Value(e) != 0 || Open(e, c.GetValue()))
                continue;
            if (const QString wrong = CannotGoThere(lines.value(0), e, c.GetValue(), lapsed); !wrong.isEmpty())
                return lines.value(0) + QStringLiteral(": ") + wrong;
            lines.removeFirst();
        }
        for (int d = 1; d <= 9 && !onlyInBox; ++d) {
            const bool told = c.Reason(d).rule != Rule::None || (c.GetValue() == 0 && !c.IsOpen(d));
            if (!told)
                continue;
            if (lines.isEmpty())
                return QStringLiteral("no line for %1").arg(d);
            if (const QString wrong = RuledOut(lines.front(), d, lapsed); !wrong.isEmpty())
                return lines.front() + QStringLiteral(": ") + wrong;
            lines.removeFirst();
        }
        static const QRegularExpression again(QStringLiteral(
            "^To count again from the board as it is now, press Set, then Pass \\(Set keeps the digits shown, wipes "
            "the pencil marks and makes this the board that Reset brings back\\)$"));
        if (lapsed && (lines.isEmpty() || !again.match(lines.front()).hasMatch()))
            return QStringLiteral("something no longer stands, but no line says how to count again");
        if (lapsed)
            lines.removeFirst();
        if (!lines.isEmpty())
            return lines.front() + QStringLiteral(": a line too many");
        return {};
    }

    // How many sentences of each form were read, to show that each was.
    std::map<QString, int> seen;

private:
    const CCell& Target() const { return grid_[static_cast<std::size_t>(cell_)]; }
    int Value(int index) const { return grid_[static_cast<std::size_t>(index)].GetValue(); }
    bool Open(int index, int d) const { return grid_[static_cast<std::size_t>(index)].IsOpen(d); }
    bool Peer(int j) const
    {
        return j != cell_ && (RowOf(j) == RowOf(cell_) || ColumnOf(j) == ColumnOf(cell_) || BoxOf(j) == BoxOf(cell_));
    }
    bool Entered(int index) const { return grid_[static_cast<std::size_t>(index)].HowFilled() == Fill::Entered; }
    // The open digits of an empty cell showing pencil marks that stand
    // beside it already, each by the first cell, in board order, that holds
    // it: pencil marks a sweep has left behind.
    std::map<int, int> LeftBehindHere() const
    {
        std::map<int, int> marks;
        for (int j = 0; j < kCellCount && Target().ShowsCandidates(); ++j)
            if (Peer(j) && Value(j) != 0 && Open(cell_, Value(j)))
                marks.emplace(Value(j), j);
        return marks;
    }

    // A line for each left-behind mark, by digit.
    QString LeftBehind(QStringList& lines)
    {
        for (const auto& [d, holder] : LeftBehindHere()) {
            if (lines.value(0)
                != QStringLiteral("%1 now stands in row %2, column %3, so the next Pass rules it out here")
                       .arg(d)
                       .arg(RowOf(holder) + 1)
                       .arg(ColumnOf(holder) + 1))
                return lines.value(0) + QStringLiteral(": not where the left-behind %1 stands").arg(d);
            ++seen[QStringLiteral("left behind")];
            lines.removeFirst();
        }
        return lines.value(0).contains(QLatin1String(" now stands in "))
            ? lines.front() + QStringLiteral(": no such mark")
            : QString();
    }

    // The lines on what contradicts the board, which it takes from lines.
    QString Contradictions(QStringList& lines)
    {
        const CCell& c = Target();
        static const QRegularExpression also(
            QStringLiteral("^(\\d) also stands in row (\\d), column (\\d)(, where you entered it)?$"));
        for (int j = 0; j < kCellCount; ++j) {
            if (!Peer(j) || c.GetValue() == 0 || Value(j) != c.GetValue())
                continue;
            const auto m = also.match(lines.value(0));
            if (!m.hasMatch() || m.captured(1).toInt() != c.GetValue()
                || Index(m.captured(2).toInt(), m.captured(3).toInt()) != j || m.hasCaptured(4) != Entered(j))
                return QStringLiteral("no line that row %1, column %2 holds the digit too")
                    .arg(RowOf(j) + 1)
                    .arg(ColumnOf(j) + 1);
            ++seen[Entered(j) ? QStringLiteral("also stands, entered") : QStringLiteral("also stands")];
            lines.removeFirst();
        }
        if (also.match(lines.value(0)).hasMatch())
            return lines.front() + QStringLiteral(": no such cell, or not in order");
        static const QRegularExpression none(QStringLiteral("^No digit is left for this cell(.*)$"));
        const auto m = none.match(lines.value(0));
        const bool empty = c.GetValue() == 0 && c.CandidateMask() == 0;
        if (m.hasMatch() != empty)
            return empty ? QStringLiteral("no digit is left, and the explanation does not say what is wrong")
                         : lines.front() + QStringLiteral(": a digit is left");
        if (!empty)
            return {};
        lines.removeFirst();
        const QString wrong = Blame(m.captured(1));
        return wrong.isEmpty()
            ? QString()
            : QStringLiteral("No digit is left for this cell") + m.captured(1) + QStringLiteral(": ") + wrong;
    }

    // Who a cell with no digit left blames, against complete counts: the
    // givens when they have no solution; else the entries when the givens
    // have none with them, naming each that alone leaves none; else no one.
    QString Blame(const QString& said)
    {
        std::vector<int> entries;
        for (int i = 0; i < kCellCount; ++i)
            if (Entered(i) && Value(i) != 0)
                entries.push_back(i);
        const auto solvable = [&](const std::vector<int>& with) {
            Values values{};
            for (int i = 0; i < kCellCount; ++i)
                if (grid_[static_cast<std::size_t>(i)].HowFilled() == Fill::Given
                    || std::count(with.begin(), with.end(), i))
                    values[static_cast<std::size_t>(i)] = Value(i);
            return CountSolutions(values, 1).count > 0;
        };
        QStringList named;
        for (int i : entries)
            if (!solvable({i}))
                named << QStringLiteral("%1 in row %2, column %3").arg(Value(i)).arg(RowOf(i) + 1).arg(ColumnOf(i) + 1);
        const QString last = named.isEmpty() ? QString() : named.takeLast();
        const auto [who, expected] = !solvable({})
            ? std::pair{"the givens", QStringLiteral(": the givens contradict each other")}
            : solvable(entries) && entries.empty()
            ? std::pair{"no one", QStringLiteral(", though the givens have a solution")}
            : solvable(entries)
            ? std::pair{"no one", QStringLiteral(", though the givens and your entries have a solution")}
            : last.isEmpty()
            ? std::pair{"entries together", QStringLiteral(": your entries together leave the givens no solution")}
            : named.isEmpty()
            ? std::pair{"an entry", QStringLiteral(": your %1 leaves the givens no solution").arg(last)}
            : std::pair{"entries",
                        QStringLiteral(": your entries %1 and %2 each leave the givens no solution")
                            .arg(named.join(QStringLiteral(", ")), last)};
        ++seen[QStringLiteral("no digit left: ") + QLatin1String(who)];
        return said == expected ? QString() : QStringLiteral("should be \"%1\"").arg(expected);
    }

    QString Header(const QString& line, bool& lapsed)
    {
        const CCell& c = Target();
        static const QRegularExpression possible(QStringLiteral("^Still possible: (.*)$"));
        static const QRegularExpression none(
            QStringLiteral("^Nothing is still possible here: every digit is ruled out$"));
        static const QRegularExpression allLeftBehind(QStringLiteral(
            "^Nothing is still possible here: each digit left stands in its row, column or box already$"));
        static const QRegularExpression given(QStringLiteral("^(\\d) is given$"));
        static const QRegularExpression entered(QStringLiteral("^You entered (\\d)$"));
        static const QRegularExpression single(
            QStringLiteral("^(\\d) was found: it was the only digit left in this cell \\(naked single\\)$"));
        static const QRegularExpression onlyInBox(QStringLiteral(
            "^(\\d) was found: box (\\d) \\(([a-z ]+)\\) had no other place for \\1 \\(hidden single\\)(?:\\. No longer so: (.*))?$"));
        if (c.GetValue() == 0) {
            // What is possible: the open digits that stand nowhere beside it.
            auto possibleHere = static_cast<DigitMask>(c.CandidateMask());
            for (const auto& [d, holder] : LeftBehindHere())
                possibleHere &= static_cast<DigitMask>(~DigitBit(d));
            if (const auto m = possible.match(line); m.hasMatch()) {
                ++seen[QStringLiteral("still possible")];
                return DigitList(m.captured(1)) == possibleHere ? QString() : QStringLiteral("not the possible digits");
            }
            if (none.match(line).hasMatch()) {
                ++seen[QStringLiteral("nothing possible")];
                return c.CandidateMask() == 0 ? QString() : QStringLiteral("a digit is open");
            }
            if (allLeftBehind.match(line).hasMatch())
                return c.CandidateMask() != 0 && possibleHere == 0 ? QString() : QStringLiteral("not so");
            return QStringLiteral("an empty cell must begin with what is still possible");
        }
        const auto holds = [&](const QRegularExpressionMatch& m) { return m.captured(1).toInt() == c.GetValue(); };
        if (const auto m = given.match(line); m.hasMatch()) {
            ++seen[QStringLiteral("given")];
            return holds(m) && c.HowFilled() == Fill::Given ? QString() : QStringLiteral("not a given of that digit");
        }
        if (const auto m = entered.match(line); m.hasMatch()) {
            ++seen[QStringLiteral("entered")];
            return holds(m) && c.HowFilled() == Fill::Entered ? QString()
                                                              : QStringLiteral("not an entry of that digit");
        }
        if (const auto m = single.match(line); m.hasMatch()) {
            ++seen[QStringLiteral("found single")];
            return holds(m) && c.HowFilled() == Fill::Single ? QString() : QStringLiteral("not found that way");
        }
        if (const auto m = onlyInBox.match(line); m.hasMatch()) {
            ++seen[QStringLiteral("found only in box")];
            const int box = m.captured(2).toInt() - 1;
            if (!holds(m) || c.HowFilled() != Fill::OnlyInBox || box != BoxOf(cell_) || m.captured(3) != kBoxNames[box])
                return QStringLiteral("not found that way in that box");
            std::vector<int> lapsedCells;
            for (int i = 0; i < kCellCount; ++i)
                if (i != cell_ && BoxOf(i) == box && Open(i, c.GetValue()))
                    lapsedCells.push_back(i);
            return Lapse(QStringLiteral("found only in box"), m.captured(4),
                         line.contains(QLatin1String("No longer so")), lapsedCells, lapsed);
        }
        return QStringLiteral("a filled cell must begin with how it was filled");
    }

    QString RuledOut(const QString& line, int d, bool& lapsed)
    {
        const CReason reason = expected_.value_or(Target().Reason(d));
        static const QRegularExpression form(QStringLiteral("^(\\d) (is|was) ruled out(?:: |, )(.*)$"));
        const auto m = form.match(line);
        if (!m.hasMatch() || m.captured(1).toInt() != d)
            return QStringLiteral("the line for %1 must begin \"%1 is ruled out\" or \"%1 was ruled out\"").arg(d);
        const bool present = m.captured(2) == QLatin1String("is");
        const QString rest = m.captured(3);
        // Present: the cell has the digit ruled out now.
        if (present && Open(cell_, d))
            return QStringLiteral("the digit is open");

        static const QRegularExpression unit(QStringLiteral(
            "^(row|column|box) (\\d)(?: \\(([a-z ]+)\\))? (holds|held) (\\d)(?: already)?, in (?:row (\\d), column (\\d)|column (\\d)|row (\\d))(?:\\. No longer so: (.*))?$"));
        static const QRegularExpression confined(QStringLiteral(
            "^box (\\d) \\(([a-z ]+)\\) (has|had) no place for (\\d) outside (row|column) (\\d), so its \\4 (goes|had to go) in \\5 \\6, not here \\(pointing\\)(?:\\. No longer so: (.*))?$"));
        static const QRegularExpression pair(QStringLiteral(
            "^in (row|column) (\\d), (columns|rows) (\\d) and (\\d) both had only (\\d) and (\\d) left, so one of them had to take (\\d) \\(naked pair\\)(?:\\. No longer so: (.*))?$"));
        static const QRegularExpression unkept(QStringLiteral("^for a reason no longer kept$"));

        if (const auto u = unit.match(rest); u.hasMatch()) {
            const QString kind = u.captured(1);
            const int number = u.captured(2).toInt();
            int row = RowOf(cell_) + 1;
            int column = ColumnOf(cell_) + 1;
            if (kind == QLatin1String("row"))
                column = u.captured(8).toInt(), row = number;
            else if (kind == QLatin1String("column"))
                row = u.captured(9).toInt(), column = number;
            else
                row = u.captured(6).toInt(), column = u.captured(7).toInt();
            if (row < 1 || column < 1)
                return QStringLiteral("the cited cell's place is not said as it should be");
            const int holder = Index(row, column);
            const bool sameUnit = kind == QLatin1String("row") ? number == RowOf(cell_) + 1
                : kind == QLatin1String("column")
                ? number == ColumnOf(cell_) + 1
                : number - 1 == BoxOf(cell_) && BoxOf(holder) == BoxOf(cell_) && u.captured(3) == kBoxNames[number - 1];
            if (!sameUnit || u.captured(5).toInt() != d || holder == cell_)
                return QStringLiteral("not this cell's %1, or not the digit").arg(kind);
            const Rule rule = kind == QLatin1String("row") ? Rule::Row
                : kind == QLatin1String("column")          ? Rule::Column
                                                           : Rule::Box;
            if (reason.rule != rule || reason.a != holder)
                return QStringLiteral("not the reason kept");
            const bool tensesAgree = (u.captured(4) == QLatin1String("holds")) == present;
            if (!tensesAgree)
                return QStringLiteral("tenses disagree");
            ++seen[QStringLiteral("%1 %2").arg(kind, present ? QStringLiteral("now") : QStringLiteral("then"))];
            const std::vector<int> lapsedCells = Value(holder) == d ? std::vector<int>{} : std::vector<int>{holder};
            // Present: the cell holds the digit now.
            if (present && !lapsedCells.empty())
                return QStringLiteral("the cited cell does not hold the digit");
            return Lapse(kind, u.captured(10), line.contains(QLatin1String("No longer so")), lapsedCells, lapsed,
                         present);
        }
        if (const auto c = confined.match(rest); c.hasMatch()) {
            const int box = c.captured(1).toInt() - 1;
            const bool inRow = c.captured(5) == QLatin1String("row");
            const int line_ = c.captured(6).toInt() - 1;
            const bool tense = c.captured(3) == QLatin1String("has");
            if (tense != present || (c.captured(7) == QLatin1String("goes")) != present)
                return QStringLiteral("tenses disagree");
            if (c.captured(2) != kBoxNames[box] || c.captured(4).toInt() != d)
                return QStringLiteral("box named wrongly, or not the digit");
            const bool neighbour =
                box != BoxOf(cell_) && (inRow ? box / 3 == BoxOf(cell_) / 3 : box % 3 == BoxOf(cell_) % 3);
            if (!neighbour || line_ != (inRow ? RowOf(cell_) : ColumnOf(cell_)))
                return QStringLiteral("not a box beside this cell, or not its line");
            if (reason.rule != (inRow ? Rule::Band : Rule::Stack) || reason.a != box)
                return QStringLiteral("not the reason kept");
            ++seen[QStringLiteral("box and line %1").arg(present ? QStringLiteral("now") : QStringLiteral("then"))];
            std::vector<int> lapsedCells;
            for (int i = 0; i < kCellCount; ++i)
                if (BoxOf(i) == box && (inRow ? RowOf(i) : ColumnOf(i)) != line_ && Open(i, d))
                    lapsedCells.push_back(i);
            // Present: the box has the digit ruled out outside the line.
            if (present && !lapsedCells.empty())
                return QStringLiteral("the box has a place for the digit outside the line");
            return Lapse(QStringLiteral("box and line"), c.captured(8), line.contains(QLatin1String("No longer so")),
                         lapsedCells, lapsed, present);
        }
        if (const auto p = pair.match(rest); p.hasMatch()) {
            if (present)
                return QStringLiteral("a pair is told in the past");
            const bool inRow = p.captured(1) == QLatin1String("row");
            if (p.captured(3) != (inRow ? QLatin1String("columns") : QLatin1String("rows")))
                return QStringLiteral("cells named wrongly");
            const int line_ = p.captured(2).toInt();
            const int first = inRow ? Index(line_, p.captured(4).toInt()) : Index(p.captured(4).toInt(), line_);
            const int second = inRow ? Index(line_, p.captured(5).toInt()) : Index(p.captured(5).toInt(), line_);
            const int low = p.captured(6).toInt();
            const int high = p.captured(7).toInt();
            if (line_ != (inRow ? RowOf(cell_) : ColumnOf(cell_)) + 1 || first >= second || low >= high
                || (low != d && high != d) || p.captured(8).toInt() != d)
                return QStringLiteral("not this cell's line, or the digits do not agree");
            const int other = low == d ? high : low;
            if (reason.rule != (inRow ? Rule::RowPair : Rule::ColumnPair) || std::min(reason.a, reason.b) != first
                || std::max(reason.a, reason.b) != second || reason.other != other)
                return QStringLiteral("not the reason kept");
            ++seen[QStringLiteral("pair")];
            std::vector<int> lapsedCells;
            for (int i : {first, second}) {
                const auto open = static_cast<DigitMask>(grid_[static_cast<std::size_t>(i)].CandidateMask());
                if (open == 0 || (open & ~(DigitBit(d) | DigitBit(other))) != 0)
                    lapsedCells.push_back(i);
            }
            return Lapse(QStringLiteral("pair"), p.captured(9), line.contains(QLatin1String("No longer so")),
                         lapsedCells, lapsed);
        }
        if (unkept.match(rest).hasMatch()) {
            ++seen[QStringLiteral("unkept")];
            return present && reason.rule == Rule::None ? QString() : QStringLiteral("a reason is kept");
        }
        return QStringLiteral("a sentence the checker cannot read");
    }

    // After a digit placed as the only place in its box: why it cannot go
    // in e, another empty cell of the box, read as the line for the digit
    // ruled out of e. The reason told is the digit standing in e's row,
    // else its column, outside the box, as the board is now; else e's own.
    QString CannotGoThere(const QString& line, int e, int d, bool& lapsed)
    {
        static const QRegularExpression form(
            QStringLiteral("^Row (\\d), column (\\d) (cannot|could not) take (\\d)(: |, )(.*)$"));
        const auto m = form.match(line);
        if (!m.hasMatch() || Index(m.captured(1).toInt(), m.captured(2).toInt()) != e || m.captured(4).toInt() != d)
            return QStringLiteral("not why row %1, column %2 cannot take %3")
                .arg(RowOf(e) + 1)
                .arg(ColumnOf(e) + 1)
                .arg(d);
        expected_ = grid_[static_cast<std::size_t>(e)].Reason(d);
        for (const Rule rule : {Rule::Column, Rule::Row})
            for (int k = kBoardSize - 1; k >= 0; --k)
                if (const int i = rule == Rule::Row ? CellIndex(RowOf(e), k) : CellIndex(k, ColumnOf(e));
                    BoxOf(i) != BoxOf(cell_) && Value(i) == d)
                    expected_ = CReason{rule, static_cast<std::uint8_t>(i)};
        ++seen[QStringLiteral("cannot go there")];
        const int filled = std::exchange(cell_, e);
        const QString tense = m.captured(3) == QLatin1String("cannot") ? QStringLiteral("is") : QStringLiteral("was");
        const QString wrong =
            RuledOut(QStringLiteral("%1 %2 ruled out%3%4").arg(d).arg(tense, m.captured(5), m.captured(6)), d, lapsed);
        cell_ = filled;
        expected_.reset();
        return wrong;
    }

    // The "No longer so" clause (saying, whether it is there) against the
    // cells that no longer bear the statement out. A present statement has
    // none; a past one of a rule told in the present while it stands must.
    QString Lapse(const QString& kind, const QString& clause, bool saying, const std::vector<int>& lapsedCells,
                  bool& lapsed, std::optional<bool> present = std::nullopt)
    {
        if (saying != !lapsedCells.empty())
            return saying ? QStringLiteral("says \"no longer\" while the evidence stands")
                          : QStringLiteral("the evidence no longer stands, and the line does not say so");
        if (present.has_value() && !*present && lapsedCells.empty())
            return QStringLiteral("told in the past while its evidence stands");
        if (!saying)
            return {};
        lapsed = true;
        ++seen[QStringLiteral("no longer: ") + kind];
        const QStringList parts = clause.split(QStringLiteral("; "));
        if (parts.size() != static_cast<qsizetype>(lapsedCells.size()))
            return QStringLiteral("names other cells than those that no longer bear it out");
        static const QRegularExpression now(QStringLiteral(
            "^row (\\d), column (\\d) (?:holds (\\d) now|(is empty now, nothing ruled out)|(has no digit possible now)|has (.*) possible now)$"));
        for (qsizetype k = 0; k < parts.size(); ++k) {
            const auto m = now.match(parts[k]);
            if (!m.hasMatch())
                return QStringLiteral("a cell's state the checker cannot read");
            const int i = Index(m.captured(1).toInt(), m.captured(2).toInt());
            const CCell& c = grid_[static_cast<std::size_t>(i)];
            if (i != lapsedCells[static_cast<std::size_t>(k)])
                return QStringLiteral("names other cells than those that no longer bear it out");
            const bool right = m.capturedLength(3) ? c.GetValue() == m.captured(3).toInt()
                : m.capturedLength(4)              ? c.GetValue() == 0 && c.ExcludedMask() == 0
                : m.capturedLength(5)
                ? c.GetValue() == 0 && c.CandidateMask() == 0
                : c.GetValue() == 0 && c.ExcludedMask() != 0 && DigitList(m.captured(6)) == c.CandidateMask();
            if (!right)
                return QStringLiteral("says wrongly what row %1, column %2 is now").arg(m.captured(1), m.captured(2));
        }
        return {};
    }

    const Grid& grid_;
    int cell_ = 0;
    // The reason a line must tell, where it is not the cell's own.
    std::optional<CReason> expected_;
};

std::vector<std::string> Puzzles()
{
    std::vector<std::string> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"}) {
        QFile file(QStringLiteral(ZIFREL_PUZZLE_DIR "/%1.csv").arg(QLatin1String(set)));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read the %s puzzles", set);
        while (!file.atEnd())
            puzzles.push_back(file.readLine().left(kCellCount).toStdString());
    }
    return puzzles;
}

} // namespace

class ExplanationTest : public QObject {
    Q_OBJECT

private slots:
    void everySentenceHoldsOnTheBoard()
    {
        const std::vector<std::string> puzzles = Puzzles();
        QVERIFY(puzzles.size() >= 400);
        std::map<QString, int> seen;
        long long lines = 0;
        for (std::size_t n = 0; n < puzzles.size(); ++n) {
            std::mt19937 random(static_cast<unsigned>(n));
            const auto below = [&random](int limit) {
                return static_cast<int>(random() % static_cast<unsigned>(limit));
            };
            CBoard board;
            CHistory history;
            board.LoadValues(*ParsePuzzleLine(puzzles[n]));
            board.OnSet();
            QString done = QStringLiteral("load");
            for (int step = 0; step < 12; ++step) {
                const CBoardState before = board.State();
                // Each run starts with a Pass and a Solve, then goes at random.
                const int choice = step == 0 ? 0 : step == 1 ? 3 : below(16);
                if (choice <= 2) {
                    board.OnPass();
                    done += QStringLiteral(", pass");
                } else if (choice == 3) {
                    board.OnSolve();
                    done += QStringLiteral(", solve");
                } else if (choice == 4) {
                    for (int k = below(30); k >= 0; --k)
                        board.OnCellStep();
                    done += QStringLiteral(", cells");
                } else if (choice <= 8) {
                    // Typing: mostly 0 over a filled cell, the edit that
                    // leaves evidence behind, else any digit anywhere.
                    int cell = below(kCellCount);
                    for (int tries = 0; tries < 20 && board.Working()[static_cast<std::size_t>(cell)].GetValue() == 0;
                         ++tries)
                        cell = below(kCellCount);
                    const int digit = below(3) ? 0 : below(10);
                    // Typed as the person's entry, or put in as a given.
                    const bool entry = below(2);
                    if (entry)
                        board.SetValue(RowOf(cell), ColumnOf(cell), digit);
                    else
                        board.Working()[static_cast<std::size_t>(cell)].SetValue(digit);
                    done += QStringLiteral(", %1 %2 in cell %3").arg(digit).arg(entry ? "entered" : "given").arg(cell);
                } else if (choice == 9) {
                    board.OnClear();
                    done += QStringLiteral(", clear");
                } else if (choice == 10) {
                    board.OnSet();
                    done += QStringLiteral(", set");
                } else if (choice == 11) {
                    board.OnReset();
                    done += QStringLiteral(", reset");
                } else if (choice <= 14) {
                    history.Undo(board);
                    done += QStringLiteral(", undo");
                } else {
                    history.Redo(board);
                    done += QStringLiteral(", redo");
                }
                if (choice <= 11)
                    history.Record("change", before, board.State());

                CSentenceChecker checker(board.Working());
                for (int i = 0; i < kCellCount; ++i) {
                    const QString wrong = checker.Check(i);
                    if (!wrong.isEmpty())
                        QFAIL(qPrintable(QStringLiteral("puzzle %1 after %2, row %3, column %4: %5")
                                             .arg(n)
                                             .arg(done)
                                             .arg(i / 9 + 1)
                                             .arg(i % 9 + 1)
                                             .arg(wrong)));
                }
                for (const auto& [form, count] : checker.seen) {
                    seen[form] += count;
                    lines += count;
                }
                // The hint's explanation of its cell, on the copy it rests on.
                const CHint hint = FindHint(board.Working());
                if (hint.cell >= 0) {
                    CSentenceChecker told(hint.grid);
                    if (const QString wrong = told.Check(hint.cell); !wrong.isEmpty())
                        QFAIL(qPrintable(QStringLiteral("puzzle %1 after %2, the hint at row %3, column %4: %5")
                                             .arg(n)
                                             .arg(done)
                                             .arg(hint.cell / 9 + 1)
                                             .arg(hint.cell % 9 + 1)
                                             .arg(wrong)));
                    ++seen[QStringLiteral("hint")];
                }
            }
        }
        // Every form was read, often: the checks above cannot pass by
        // seeing none.
        for (const char* form : {"still possible",
                                 "given",
                                 "found single",
                                 "found only in box",
                                 "row now",
                                 "row then",
                                 "column now",
                                 "column then",
                                 "box now",
                                 "box then",
                                 "box and line now",
                                 "box and line then",
                                 "pair",
                                 "no longer: row",
                                 "no longer: column",
                                 "no longer: box",
                                 "no longer: box and line",
                                 "no longer: pair",
                                 "no longer: found only in box",
                                 "also stands",
                                 "no digit left: the givens",
                                 "no digit left: no one",
                                 "hint",
                                 "entered",
                                 "also stands, entered",
                                 "left behind",
                                 "cannot go there",
                                 "no digit left: an entry"})
            QVERIFY2(seen[QString::fromLatin1(form)] >= 20, form);
        QVERIFY(seen[QStringLiteral("no digit left: entries")] > 0);
        for (const auto& [form, count] : seen)
            qInfo("%s: %d", qPrintable(form), count);
        qInfo("%lld sentences read", lines);
    }

    // The window tells the reasons zifrel-batch --explain tells: after the
    // same command on the same puzzle, every digit a cell has ruled out is
    // the one --explain last wrote for it, with the same rule and cells,
    // and every sentence of the window holds as above.
    void windowAndBatchTellTheSameReasons()
    {
        const std::vector<std::string> puzzles = Puzzles();
        QByteArray input;
        for (const std::string& puzzle : puzzles)
            input += QByteArray::fromStdString(puzzle) + '\n';
        const auto name = [](int i) { return QStringLiteral("r%1c%2").arg(i / 9 + 1).arg(i % 9 + 1); };
        for (const char* command : {"--solve", "--pass"}) {
            QProcess batch;
            QStringList arguments{QStringLiteral("--explain"), QString::fromLatin1(command)};
            if (QLatin1String(command) == QLatin1String("--pass"))
                arguments << QStringLiteral("1");
            batch.start(QStringLiteral(ZIFREL_BATCH), arguments);
            QVERIFY(batch.waitForStarted());
            batch.write(input);
            batch.closeWriteChannel();
            QVERIFY(batch.waitForFinished(60000));
            QCOMPARE(batch.exitCode(), 0);
            const QStringList lines = QString::fromLatin1(batch.readAllStandardOutput()).split(QLatin1Char('\n'));
            qsizetype at = 0;
            for (const std::string& puzzle : puzzles) {
                QVERIFY(lines.value(at++).startsWith(QStringLiteral("puzzle ")));
                // The last step written for each cell and digit: "row r1c5".
                std::map<std::pair<int, int>, QString> told;
                for (; at < lines.size() && !lines[at].startsWith(QStringLiteral("board ")); ++at) {
                    const QStringList words = lines[at].split(QLatin1Char(' '));
                    if (words.value(1).startsWith(QLatin1Char('-')))
                        told[{Index(words[0].mid(1, 1).toInt(), words[0].mid(3, 1).toInt()), words[1].mid(1).toInt()}] =
                            words.mid(2).join(QLatin1Char(' '));
                }
                at += 2;
                CBoard board;
                board.LoadValues(*ParsePuzzleLine(puzzle));
                if (QLatin1String(command) == QLatin1String("--solve"))
                    board.OnSolve();
                else
                    board.OnPass();
                CSentenceChecker checker(board.Working());
                for (int i = 0; i < kCellCount; ++i) {
                    const QString wrong = checker.Check(i);
                    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
                    for (int d = 1; d <= 9; ++d) {
                        const CReason r = board.Working()[static_cast<std::size_t>(i)].Reason(d);
                        const QString box = QStringLiteral("b%1").arg(r.a + 1);
                        const QString expected = r.rule == Rule::Row ? QStringLiteral("row ") + name(r.a)
                            : r.rule == Rule::Column                 ? QStringLiteral("column ") + name(r.a)
                            : r.rule == Rule::Box                    ? QStringLiteral("box ") + name(r.a)
                            : r.rule == Rule::Band                   ? QStringLiteral("band ") + box
                            : r.rule == Rule::Stack                  ? QStringLiteral("stack ") + box
                            : r.rule == Rule::RowPair    ? QStringLiteral("rowpair %1 %2").arg(name(r.a), name(r.b))
                            : r.rule == Rule::ColumnPair ? QStringLiteral("columnpair %1 %2").arg(name(r.a), name(r.b))
                                                         : QString();
                        const auto found = told.find({i, d});
                        QCOMPARE(found == told.end() ? QString() : found->second, expected);
                    }
                }
            }
        }
    }

    // Tips placed among random windows and cells on small screens, some
    // not at the origin: on the screen, beside the window when there is
    // room, and clear of every cell to keep clear whenever any place at the
    // widths tried is (found here by trying every position).
    void tipsKeepClearWhereverTheyCan()
    {
        std::mt19937 random(7);
        const auto between = [&random](int low, int high) {
            return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
        };
        int clear = 0;
        int beside = 0;
        for (int run = 0; run < 1000; ++run) {
            const QRect screen(between(-400, 400), between(-300, 300), between(150, 420), between(120, 320));
            // Half the time the window fills the screen, as on a small one,
            // and the tip can only go between cells.
            const QRect window = run % 2
                ? screen
                : QRect(screen.left() + between(-20, screen.width() / 2),
                        screen.top() + between(-20, screen.height() / 3), between(screen.width() / 3, screen.width()),
                        between(screen.height() / 2, screen.height()));
            // Cells on a grid in the window, as on the board, some cited.
            std::vector<QRect> keepClear;
            const QSize cell(window.width() / 10, window.height() / 11);
            for (int k = between(1, 20); k > 0; --k)
                keepClear.emplace_back(window.left() + cell.width() / 2 + between(0, 8) * cell.width(),
                                       window.top() + cell.height() / 2 + between(0, 8) * cell.height(),
                                       cell.width() - 2, cell.height() - 2);
            // A text of so many characters, 6 pixels wide and 12 high each,
            // in lines as wide as it may be.
            const int characters = between(20, run % 2 ? 150 : 600);
            const auto sizeFor = [characters](int width) {
                const int perLine = std::max(1, width / 6);
                return QSize(std::min(characters, perLine) * 6, (characters + perLine - 1) / perLine * 12);
            };
            const int widest = between(60, 200);
            const int narrowest = between(30, widest);
            const QRect place = PlaceTip(screen, window, keepClear, sizeFor, widest, narrowest);
            const QString where = QStringLiteral("run %1").arg(run);
            if (place.height() <= screen.height())
                QVERIFY2(screen.contains(place), qPrintable(where));
            const bool covers =
                std::any_of(keepClear.begin(), keepClear.end(), [&](const QRect& k) { return k.intersects(place); });
            if (covers) {
                const CClearRoom room(screen, keepClear, kClearance);
                for (int width : TipWidths(screen, narrowest))
                    QVERIFY2(!room.Fits(sizeFor(width)),
                             qPrintable(where + QStringLiteral(": covers a cell it need not")));
            } else {
                ++clear;
            }
            const int right = screen.right() - window.right() - 4;
            if (right >= narrowest && sizeFor(std::min(widest, right)).height() <= screen.height()
                && window.top() >= screen.top() && window.bottom() <= screen.bottom()) {
                QVERIFY2(place.left() > window.right(), qPrintable(where + QStringLiteral(": not beside the window")));
                ++beside;
            }
        }
        QVERIFY(clear > 500);
        QVERIFY(beside > 20);
    }
};

QTEST_GUILESS_MAIN(ExplanationTest)
#include "explanation_test.moc"
