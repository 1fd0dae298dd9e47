// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_explanation.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CExplanation", text);
}

int RowOf(int index) { return index / kBoardSize; }
int ColumnOf(int index) { return index % kBoardSize; }
int BoxOf(int index) { return RowOf(index) / 3 * 3 + ColumnOf(index) / 3; }

QString Place(int index)
{
    return Tr("row %1, column %2").arg(RowOf(index) + 1).arg(ColumnOf(index) + 1);
}

// The cells of box that pass keep.
template <typename Keep>
void CiteBox(std::vector<int>& cited, int box, Keep keep)
{
    for (int i = 0; i < kCellCount; ++i)
        if (BoxOf(i) == box && keep(i))
            cited.push_back(i);
}

QString RuledOut(int digit, const CReason& reason, int index, std::vector<int>& cited)
{
    const QString d = QString::number(digit);
    switch (reason.rule) {
    case Rule::Row:
    case Rule::Column:
    case Rule::Box:
        cited.push_back(reason.a);
        return Tr("%1 is ruled out: %1 stands in %2").arg(d, Place(reason.a));
    case Rule::Band:
        CiteBox(cited, reason.a, [index](int i) { return RowOf(i) != RowOf(index); });
        return Tr("%1: box %2 must place %1 in this row").arg(d).arg(reason.a + 1);
    case Rule::Stack:
        CiteBox(cited, reason.a, [index](int i) { return ColumnOf(i) != ColumnOf(index); });
        return Tr("%1: box %2 must place %1 in this column").arg(d).arg(reason.a + 1);
    case Rule::RowPair:
        cited.push_back(reason.a);
        cited.push_back(reason.b);
        return Tr("%1 is ruled out: in row %2, columns %3 and %4 have the same two digits, %1 one of them")
            .arg(d).arg(RowOf(index) + 1).arg(ColumnOf(reason.a) + 1).arg(ColumnOf(reason.b) + 1);
    case Rule::ColumnPair:
        cited.push_back(reason.a);
        cited.push_back(reason.b);
        return Tr("%1 is ruled out: in column %2, rows %3 and %4 have the same two digits, %1 one of them")
            .arg(d).arg(ColumnOf(index) + 1).arg(RowOf(reason.a) + 1).arg(RowOf(reason.b) + 1);
    case Rule::None: break;
    }
    return Tr("%1 is ruled out").arg(d);
}

} // namespace

CExplanation Explain(const CCell& cell, int index)
{
    CExplanation explanation;
    QStringList lines;
    const int value = cell.GetValue();
    if (value != 0) {
        const QString v = QString::number(value);
        switch (cell.HowFilled()) {
        case Fill::Given: lines << Tr("%1 is given").arg(v); break;
        case Fill::Single: lines << Tr("filled: %1 was the only digit left").arg(v); break;
        case Fill::OnlyInBox:
            lines << Tr("filled: %1 had no other place in box %2").arg(v).arg(BoxOf(index) + 1);
            CiteBox(explanation.cited, BoxOf(index), [index](int i) { return i != index; });
            break;
        }
    }
    for (int d = 1; d <= 9; ++d) {
        const CReason reason = cell.Reason(d);
        if (reason.rule != Rule::None || (value == 0 && !cell.IsOpen(d)))
            lines << RuledOut(d, reason, index, explanation.cited);
    }
    explanation.text = lines.join(QLatin1Char('\n'));
    std::sort(explanation.cited.begin(), explanation.cited.end());
    explanation.cited.erase(std::unique(explanation.cited.begin(), explanation.cited.end()), explanation.cited.end());
    return explanation;
}
