// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_explanation.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// Puts the statements of one cell's explanation into words.
class CExplanationWriter {
    Q_DECLARE_TR_FUNCTIONS(CExplanation)

public:
    CExplanationWriter(const Grid& grid, int index) : grid_(grid), index_(index) {}

    static QString Title(int cell)
    {
        return tr("Row %1, column %2").arg(RowOf(cell) + 1).arg(ColumnOf(cell) + 1);
    }

    // "box 4 (middle left)": numbered row by row, and named by where it lies
    // so that no numbering needs to be known.
    static QString Box(int box)
    {
        static const char* const kWhere[kBoardSize] = {
            QT_TR_NOOP("top left"),    QT_TR_NOOP("top middle"), QT_TR_NOOP("top right"),
            QT_TR_NOOP("middle left"), QT_TR_NOOP("centre"),     QT_TR_NOOP("middle right"),
            QT_TR_NOOP("bottom left"), QT_TR_NOOP("bottom middle"), QT_TR_NOOP("bottom right"),
        };
        return tr("box %1 (%2)").arg(box + 1).arg(tr(kWhere[box]));
    }

    QString Line(const CExplanationLine& line) const
    {
        const QString d = QString::number(line.digit);
        switch (line.what) {
        case Statement::StillPossible:
            return line.digits ? tr("Still possible: %1").arg(DigitWords(line.digits))
                               : tr("Nothing is still possible here: every digit is ruled out");
        case Statement::Given: return tr("%1 is given").arg(d);
        case Statement::FoundSingle: return tr("%1 was found: it was the only digit left in this cell").arg(d);
        case Statement::FoundOnlyInBox:
            return WithLapse(tr("%1 was found: %2 had no other place for %1").arg(d, Box(BoxOf(index_))), line);
        case Statement::RuledOut: return WithLapse(RuledOut(line), line);
        case Statement::RuledOutWithoutReason: return tr("%1 is ruled out, for a reason no longer kept").arg(d);
        case Statement::AlsoStands: return tr("%1 also stands in %2").arg(d, PlaceWords(line.cited.front()));
        case Statement::NoDigitLeft: return tr("No digit is left for this cell: the givens contradict each other");
        case Statement::NoDigitLeftYetGivensAllow:
            return tr("No digit is left for this cell, though the givens have a solution");
        }
        return {};
    }

    static QString CountAgain()
    {
        return tr("To count again from the board as it is now, press Set, then Pass (Set keeps the digits shown, "
                  "wipes the pencil marks and makes this the board that Reset brings back)");
    }

private:
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
                .arg(d).arg(RowOf(r.a) + 1).arg(ColumnOf(r.a) + 1);
        case Rule::Column:
            return (stands ? tr("%1 is ruled out: column %2 holds %1 already, in row %3")
                           : tr("%1 was ruled out: column %2 held %1, in row %3"))
                .arg(d).arg(ColumnOf(r.a) + 1).arg(RowOf(r.a) + 1);
        case Rule::Box:
            return (stands ? tr("%1 is ruled out: %2 holds %1 already, in row %3, column %4")
                           : tr("%1 was ruled out: %2 held %1, in row %3, column %4"))
                .arg(d, Box(BoxOf(r.a))).arg(RowOf(r.a) + 1).arg(ColumnOf(r.a) + 1);
        case Rule::Band:
            return (stands ? tr("%1 is ruled out: %2 has no place for %1 outside row %3, so its %1 goes in row %3, not here")
                           : tr("%1 was ruled out: %2 had no place for %1 outside row %3, so its %1 had to go in row %3, not here"))
                .arg(d, Box(r.a)).arg(RowOf(index_) + 1);
        case Rule::Stack:
            return (stands ? tr("%1 is ruled out: %2 has no place for %1 outside column %3, so its %1 goes in column %3, not here")
                           : tr("%1 was ruled out: %2 had no place for %1 outside column %3, so its %1 had to go in column %3, not here"))
                .arg(d, Box(r.a)).arg(ColumnOf(index_) + 1);
        case Rule::RowPair:
        case Rule::ColumnPair: {
            // A pair is a moment's evidence: its cells fill soon after.
            const auto pair = static_cast<DigitMask>(DigitBit(line.digit) | (r.other ? DigitBit(r.other) : 0));
            const int first = std::min(r.a, r.b);
            const int second = std::max(r.a, r.b);
            if (r.rule == Rule::RowPair)
                return tr("%1 was ruled out: in row %2, columns %3 and %4 both had only %5 left, so one of them had to take %1")
                    .arg(d).arg(RowOf(index_) + 1).arg(ColumnOf(first) + 1).arg(ColumnOf(second) + 1).arg(DigitWords(pair));
            return tr("%1 was ruled out: in column %2, rows %3 and %4 both had only %5 left, so one of them had to take %1")
                .arg(d).arg(ColumnOf(index_) + 1).arg(RowOf(first) + 1).arg(RowOf(second) + 1).arg(DigitWords(pair));
        }
        case Rule::None: break;
        }
        return {};
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
        const CCell& c = grid_[static_cast<std::size_t>(cell)];
        if (c.GetValue() != 0)
            return tr("%1 holds %2 now").arg(PlaceWords(cell)).arg(c.GetValue());
        if (c.ExcludedMask() == 0)
            return tr("%1 is empty now, nothing ruled out").arg(PlaceWords(cell));
        if (c.CandidateMask() == 0)
            return tr("%1 has no digit possible now").arg(PlaceWords(cell));
        return tr("%1 has %2 possible now").arg(PlaceWords(cell), DigitWords(static_cast<DigitMask>(c.CandidateMask())));
    }

    const Grid& grid_;
    int index_;
};

} // namespace

CExplanation Explain(const Grid& grid, int index)
{
    CExplanation explanation;
    explanation.title = CExplanationWriter::Title(index);
    const CCellExplanation statements = ExplainCell(grid, index);
    const CExplanationWriter writer(grid, index);
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
    return QCoreApplication::translate("CExplanation", "row %1, column %2").arg(RowOf(cell) + 1).arg(ColumnOf(cell) + 1);
}

QString DigitWords(DigitMask digits)
{
    QStringList each;
    for (int d = 1; d <= 9; ++d)
        if (digits & DigitBit(d))
            each << QString::number(d);
    if (each.size() < 2)
        return each.join(QString());
    const QString last = each.takeLast();
    return QCoreApplication::translate("CExplanation", "%1 and %2").arg(each.join(QLatin1String(", ")), last);
}

QString CExplanation::Text() const
{
    QStringList texts;
    for (const CLine& line : lines)
        texts << line.text;
    return texts.join(QLatin1Char('\n'));
}
