// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "hint_guide.h"

#include "board_messages.h"
#include "guidance.h"

#include <QCoreApplication>

namespace {

// The cell's own explanation, under a title that says it comes as a hint.
CExplanation AsHint(CExplanation explanation, int cell)
{
    //: The title over a hint's explanation of the cell in row %1, column %2.
    explanation.title = QCoreApplication::translate("CHintGuide", "Hint: row %1, column %2")
                            .arg(RowOf(cell) + 1)
                            .arg(ColumnOf(cell) + 1);
    return explanation;
}

} // namespace

CHintGuide::CShown CHintGuide::Press(const Grid& grid)
{
    const bool first = stage_ == 0;
    End();
    CShown shown;
    shown.explanation.title = QCoreApplication::translate("CHintGuide", "Hint");
    const auto say = [&shown](const QString& line) { shown.explanation.lines.push_back({line, QChar(), {}}); };
    const Conflicts conflicts = FindConflicts(grid);
    shown.cell = FirstConflict(conflicts);
    if (shown.cell >= 0) {
        // What is wrong, then, pressed again, the cell's own explanation of it.
        if (first)
            say(ContradictionSentence(grid, conflicts));
        else
            shown.explanation = AsHint(Explain(grid, shown.cell), shown.cell);
    } else if (const CHint hint = FindHint(grid); hint.cell >= 0) {
        shown.cell = pointed_ = hint.cell;
        pointer_ = HintPointer(hint);
        here_ = HintHere(hint);
        if (first) {
            say(pointer_);
        } else {
            // As the cell would explain itself once filled, by the rules
            // that fill it: its digit and why, then how soon Pass fills it.
            shown.explanation = AsHint(Explain(hint.grid, hint.cell, Telling::Hint), hint.cell);
            if (const QString passes = HintPasses(hint); !passes.isEmpty())
                shown.explanation.lines.insert(shown.explanation.lines.begin() + 1, {passes, QChar(), {}});
        }
    } else {
        say(NothingToFill(grid));
    }
    stage_ = shown.cell < 0 ? 0 : first ? 1 : 2;
    shown_ = shown.cell;
    return shown;
}

void CHintGuide::End()
{
    stage_ = 0;
    pointed_ = -1;
    shown_ = -1;
    pointer_.clear();
    here_.clear();
}
