// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_explanation.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace {

// Puts the statements of one cell's explanation into words.
class CExplanationWriter {
    Q_DECLARE_TR_FUNCTIONS(CExplanation)

public:
    CExplanationWriter(const Grid& grid, int index, Telling telling) : grid_(grid), index_(index), telling_(telling) {}

    static QString Title(int cell) { return tr("Row %1, column %2").arg(RowOf(cell) + 1).arg(ColumnOf(cell) + 1); }

    // "box 4 (middle left)": numbered row by row, and named by where it lies
    // so that no numbering needs to be known.
    static QString Box(int box)
    {
        static const char* const kWhere[kBoardSize] = {
            QT_TR_NOOP("top left"),    QT_TR_NOOP("top middle"),    QT_TR_NOOP("top right"),
            QT_TR_NOOP("middle left"), QT_TR_NOOP("centre"),        QT_TR_NOOP("middle right"),
            QT_TR_NOOP("bottom left"), QT_TR_NOOP("bottom middle"), QT_TR_NOOP("bottom right"),
        };
        return tr("box %1 (%2)").arg(box + 1).arg(tr(kWhere[box]));
    }

    QString Line(const CExplanationLine& line) const
    {
        const QString d = QString::number(line.digit);
        const bool hint = telling_ == Telling::Hint;
        switch (line.what) {
        case Statement::StillPossible: return Possible(line.digits);
        case Statement::Given: return tr("%1 is given").arg(d);
        case Statement::Entered: return tr("You entered %1").arg(d);
        case Statement::FoundSingle:
            return (hint ? tr("%1 goes here: it is the only digit left in this cell (naked single)")
                         : tr("%1 was found: it was the only digit left in this cell (naked single)"))
                .arg(d);
        case Statement::FoundOnlyInBox:
            return WithLapse((hint ? tr("%1 goes here: %2 has no other place for %1 (hidden single)")
                                   : tr("%1 was found: %2 had no other place for %1 (hidden single)"))
                                 .arg(d, Box(BoxOf(index_))),
                             line);
        case Statement::LeftBehind:
            //: A pencil mark that a later cell of the same Pass made untrue: %1 the digit, %2 "row 6, column 9".
            return tr("%1 now stands in %2, so the next Pass rules it out here").arg(d, PlaceWords(line.cited.front()));
        case Statement::CannotGoThere: return WithLapse(CannotGoThere(line), line);
        case Statement::RuledOut: return WithLapse(RuledOut(line), line);
        case Statement::RuledOutWithoutReason: return tr("%1 is ruled out, for a reason no longer kept").arg(d);
        case Statement::AlsoStands: return AlsoStands(line);
        case Statement::NoDigitLeft: return tr("No digit is left for this cell: the givens contradict each other");
        case Statement::NoDigitLeftByEntries: return ByEntries(line.cited);
        case Statement::NoDigitLeftYetGivensAllow:
            return tr("No digit is left for this cell, though the givens have a solution");
        case Statement::NoDigitLeftYetEntriesAllow:
            return tr("No digit is left for this cell, though the givens and your entries have a solution");
        }
        return {};
    }

    static QString CountAgain()
    {
        return tr("To count again from the board as it is now, press Set, then Pass (Set keeps the digits shown, "
                  "wipes the pencil marks and makes this the board that Reset brings back)");
    }

private:
    const CCell& At(int cell) const { return grid_[static_cast<std::size_t>(cell)]; }
    bool IsEntry(int cell) const { return At(cell).HowFilled() == Fill::Entered && At(cell).GetValue() != 0; }

    QString Possible(DigitMask digits) const
    {
        if (digits != 0)
            return tr("Still possible: %1").arg(DigitWords(digits));
        // Pencil marks are left, but each stands beside the cell already.
        if (At(index_).CandidateMask() != 0)
            return tr("Nothing is still possible here: each digit left stands in its row, column or box already");
        return tr("Nothing is still possible here: every digit is ruled out");
    }

    QString AlsoStands(const CExplanationLine& line) const
    {
        const int other = line.cited.front();
        return (IsEntry(other) ? tr("%1 also stands in %2, where you entered it") : tr("%1 also stands in %2"))
            .arg(line.digit)
            .arg(PlaceWords(other));
    }

    QString ByEntries(const std::vector<int>& entries) const
    {
        // "5 in row 1, column 1" for each entry.
        const auto entry = [this](int cell) {
            //: One of the person's entries: %1 the digit, %2 "row 1, column 1".
            return tr("%1 in %2").arg(At(cell).GetValue()).arg(PlaceWords(cell));
        };
        if (entries.empty())
            return tr("No digit is left for this cell: your entries together leave the givens no solution");
        if (entries.size() == 1)
            //: %1 the digit, %2 "row 1, column 1".
            return tr("No digit is left for this cell: your %1 in %2 leaves the givens no solution")
                .arg(At(entries.front()).GetValue())
                .arg(PlaceWords(entries.front()));
        QStringList each;
        for (int cell : entries)
            each << entry(cell);
        //: %1 a list of entries: "5 in row 1, column 1 and 7 in row 2, column 3".
        return tr("No digit is left for this cell: your entries %1 each leave the givens no solution")
            .arg(ListWords(each));
    }

    QString RuledOut(const CExplanationLine& line) const
    {
        const QString d = QString::number(line.digit);
        const CReason& r = line.reason;
        // Present tense only while the evidence stands on the board as it is.
        const bool stands = line.lapsed.empty();
        switch (r.rule) {
        case Rule::Row:
            return (stands ? tr("%1 is ruled out: row %2 holds %1 already, in column %3")
                           : tr("%1 was ruled out: row %2 held %1, in column %3"))
                .arg(d)
                .arg(RowOf(r.a) + 1)
                .arg(ColumnOf(r.a) + 1);
        case Rule::Column:
            return (stands ? tr("%1 is ruled out: column %2 holds %1 already, in row %3")
                           : tr("%1 was ruled out: column %2 held %1, in row %3"))
                .arg(d)
                .arg(ColumnOf(r.a) + 1)
                .arg(RowOf(r.a) + 1);
        case Rule::Box:
            return (stands ? tr("%1 is ruled out: %2 holds %1 already, in row %3, column %4")
                           : tr("%1 was ruled out: %2 held %1, in row %3, column %4"))
                .arg(d, Box(BoxOf(r.a)))
                .arg(RowOf(r.a) + 1)
                .arg(ColumnOf(r.a) + 1);
        case Rule::Band:
            return (stands
                        ? tr(
                            "%1 is ruled out: %2 has no place for %1 outside row %3, so its %1 goes in row %3, not here (pointing)")
                        : tr(
                            "%1 was ruled out: %2 had no place for %1 outside row %3, so its %1 had to go in row %3, not here (pointing)"))
                .arg(d, Box(r.a))
                .arg(RowOf(index_) + 1);
        case Rule::Stack:
            return (stands
                        ? tr(
                            "%1 is ruled out: %2 has no place for %1 outside column %3, so its %1 goes in column %3, not here (pointing)")
                        : tr(
                            "%1 was ruled out: %2 had no place for %1 outside column %3, so its %1 had to go in column %3, not here (pointing)"))
                .arg(d, Box(r.a))
                .arg(ColumnOf(index_) + 1);
        case Rule::RowPair:
        case Rule::ColumnPair: {
            // A pair is a moment's evidence: its cells fill soon after.
            const auto [first, second, pair] = Pair(line);
            if (r.rule == Rule::RowPair)
                return tr("%1 was ruled out: in row %2, columns %3 and %4 both had only %5 left, so one of them had to take %1 (naked pair)")
                    .arg(d)
                    .arg(RowOf(index_) + 1)
                    .arg(ColumnOf(first) + 1)
                    .arg(ColumnOf(second) + 1)
                    .arg(pair);
            return tr("%1 was ruled out: in column %2, rows %3 and %4 both had only %5 left, so one of them had to take %1 (naked pair)")
                .arg(d)
                .arg(ColumnOf(index_) + 1)
                .arg(RowOf(first) + 1)
                .arg(RowOf(second) + 1)
                .arg(pair);
        }
        case Rule::None: break;
        }
        return {};
    }

    // Why the digit of a cell filled as the only place in its box cannot go
    // in another empty cell of that box: "Row 5, column 4 cannot take 4:
    // row 5 holds 4 already, in column 8".
    QString CannotGoThere(const CExplanationLine& line) const
    {
        const QString e = Title(line.about);
        const QString d = QString::number(line.digit);
        const CReason& r = line.reason;
        const bool stands = line.lapsed.empty();
        const int row = RowOf(line.about) + 1;
        const int column = ColumnOf(line.about) + 1;
        switch (r.rule) {
        case Rule::Row:
            return (stands ? tr("%1 cannot take %2: row %3 holds %2 already, in column %4")
                           : tr("%1 could not take %2: row %3 held %2, in column %4"))
                .arg(e, d)
                .arg(row)
                .arg(ColumnOf(r.a) + 1);
        case Rule::Column:
            return (stands ? tr("%1 cannot take %2: column %3 holds %2 already, in row %4")
                           : tr("%1 could not take %2: column %3 held %2, in row %4"))
                .arg(e, d)
                .arg(column)
                .arg(RowOf(r.a) + 1);
        case Rule::Box:
            return (stands ? tr("%1 cannot take %2: %3 holds %2 already, in row %4, column %5")
                           : tr("%1 could not take %2: %3 held %2, in row %4, column %5"))
                .arg(e, d, Box(BoxOf(r.a)))
                .arg(RowOf(r.a) + 1)
                .arg(ColumnOf(r.a) + 1);
        case Rule::Band:
            return (stands
                        ? tr(
                            "%1 cannot take %2: %3 has no place for %2 outside row %4, so its %2 goes in row %4, not here (pointing)")
                        : tr(
                            "%1 could not take %2: %3 had no place for %2 outside row %4, so its %2 had to go in row %4, not here (pointing)"))
                .arg(e, d, Box(r.a))
                .arg(row);
        case Rule::Stack:
            return (stands
                        ? tr(
                            "%1 cannot take %2: %3 has no place for %2 outside column %4, so its %2 goes in column %4, not here (pointing)")
                        : tr(
                            "%1 could not take %2: %3 had no place for %2 outside column %4, so its %2 had to go in column %4, not here (pointing)"))
                .arg(e, d, Box(r.a))
                .arg(column);
        case Rule::RowPair:
        case Rule::ColumnPair: {
            const auto [first, second, pair] = Pair(line);
            if (r.rule == Rule::RowPair)
                return tr("%1 could not take %2: in row %3, columns %4 and %5 both had only %6 left, so one of them had to take %2 (naked pair)")
                    .arg(e, d)
                    .arg(row)
                    .arg(ColumnOf(first) + 1)
                    .arg(ColumnOf(second) + 1)
                    .arg(pair);
            return tr("%1 could not take %2: in column %3, rows %4 and %5 both had only %6 left, so one of them had to take %2 (naked pair)")
                .arg(e, d)
                .arg(column)
                .arg(RowOf(first) + 1)
                .arg(RowOf(second) + 1)
                .arg(pair);
        }
        case Rule::None: break;
        }
        return tr("%1 cannot take %2, for a reason no longer kept").arg(e, d);
    }

    // A pair's two cells in board order, and its digits in words.
    static std::tuple<int, int, QString> Pair(const CExplanationLine& line)
    {
        const CReason& r = line.reason;
        const auto pair = static_cast<DigitMask>(DigitBit(line.digit) | (r.other ? DigitBit(r.other) : 0));
        return {std::min(r.a, r.b), std::max(r.a, r.b), DigitWords(pair)};
    }

    // The statement, and what no longer bears it out: each such cell as it
    // is now.
    QString WithLapse(const QString& statement, const CExplanationLine& line) const
    {
        if (line.lapsed.empty())
            return statement;
        QStringList now;
        for (int cell : line.lapsed)
            now << Now(cell);
        return tr("%1. No longer so: %2").arg(statement, now.join(QLatin1String("; ")));
    }

    // A cell as the board shows it now.
    QString Now(int cell) const
    {
        const CCell& c = At(cell);
        if (c.GetValue() != 0)
            return tr("%1 holds %2 now").arg(PlaceWords(cell)).arg(c.GetValue());
        if (c.ExcludedMask() == 0)
            return tr("%1 is empty now, nothing ruled out").arg(PlaceWords(cell));
        if (c.CandidateMask() == 0)
            return tr("%1 has no digit possible now").arg(PlaceWords(cell));
        return tr("%1 has %2 possible now")
            .arg(PlaceWords(cell), DigitWords(static_cast<DigitMask>(c.CandidateMask())));
    }

    const Grid& grid_;
    int index_;
    Telling telling_;
};

} // namespace

CExplanation Explain(const Grid& grid, int index, Telling telling)
{
    CExplanation explanation;
    explanation.title = CExplanationWriter::Title(index);
    const CCellExplanation statements = ExplainCell(grid, index);
    const CExplanationWriter writer(grid, index, telling);
    char16_t nextMark = u'A';
    for (const CExplanationLine& statement : statements.lines) {
        CExplanation::CLine line{writer.Line(statement), QChar(), statement.cited};
        if (!line.cited.empty()) {
            line.mark = QChar(nextMark++);
            for (int cell : line.cited)
                explanation.marks[static_cast<std::size_t>(cell)] += line.mark;
        }
        explanation.lines.push_back(std::move(line));
    }
    if (statements.AnyLapsed())
        explanation.lines.push_back({CExplanationWriter::CountAgain(), QChar(), {}});
    return explanation;
}

QString PlaceWords(int cell)
{
    return QCoreApplication::translate("CExplanation", "row %1, column %2")
        .arg(RowOf(cell) + 1)
        .arg(ColumnOf(cell) + 1);
}

QString ListWords(QStringList words)
{
    if (words.size() < 2)
        return words.join(QString());
    const QString last = words.takeLast();
    return QCoreApplication::translate("CExplanation", "%1 and %2").arg(words.join(QLatin1String(", ")), last);
}

QString DigitWords(DigitMask digits)
{
    QStringList each;
    for (int d = 1; d <= 9; ++d)
        if (digits & DigitBit(d))
            each << QString::number(d);
    return ListWords(each);
}

QString CExplanation::Text() const
{
    QStringList texts;
    for (const CLine& line : lines)
        texts << line.text;
    return texts.join(QLatin1Char('\n'));
}
