// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_accessible.h"

#include "cell_edit.h"
#include "cell_explanation.h"
#include "explanation.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// Where a cell's brief description comes from: a child of the cell.
class CBriefSource : public QObject {
public:
    CBriefSource(CCellEdit* cell, CCellAccessible::CSource source) : QObject(cell), source_(std::move(source)) {}
    QString Brief(const CCellEdit& cell) const { return CCellAccessible::Brief(source_, cell); }
    // The cell's place, made when a screen reader first asks: setting it on
    // each cell as the window starts would make every cell's interface then.
    const QString& Name() const
    {
        if (name_.isEmpty())
            name_ = QCoreApplication::translate("CBoardDlg", "Row %1, column %2")
                        .arg(RowOf(source_.index) + 1)
                        .arg(ColumnOf(source_.index) + 1);
        return name_;
    }

private:
    CCellAccessible::CSource source_;
    mutable QString name_;
};

bool Contradiction(const CExplanationLine& line)
{
    return line.what == Statement::AlsoStands || line.what == Statement::NoDigitLeft
        || line.what == Statement::NoDigitLeftYetGivensAllow;
}

QAccessibleInterface* CreateForCell(const QString& className, QObject* object)
{
    if (className == QLatin1String("CCellEdit") && object->isWidgetType())
        return new CCellAccessible(static_cast<CCellEdit*>(object));
    return nullptr;
}

} // namespace

CCellAccessible::CCellAccessible(CCellEdit* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}

CCellEdit* CCellAccessible::Cell() const { return static_cast<CCellEdit*>(widget()); }

QString CCellAccessible::Said() const { return Cell()->AccessibleText(); }

void* CCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString CCellAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return Cell()->SpokenValue();
    if (kind != QAccessible::Name && kind != QAccessible::Description)
        return QAccessibleWidget::text(kind);
    const auto* source = Cell()->findChild<const CBriefSource*>(QString(), Qt::FindDirectChildrenOnly);
    if (kind == QAccessible::Description)
        return source ? source->Brief(*Cell()) : Cell()->AccessibleDescription();
    return source && Cell()->accessibleName().isEmpty() ? source->Name() : QAccessibleWidget::text(kind);
}

QAccessible::State CCellAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

// The text counts as selected while the cell has the focus and all of it
// is, as it is whenever a cell gains the focus. Only the focused cell has a
// selection: a screen reader asked what is selected hears that cell alone.
void CCellAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool selected = selectionIndex == 0 && selectionCount() == 1;
    *startOffset = 0;
    *endOffset = selected ? characterCount() : 0;
}

int CCellAccessible::selectionCount() const
{
    const CCellEdit* cell = Cell();
    return cell->hasFocus() && characterCount() > 0 && cell->SelectionStart() == 0
            && cell->SelectionEnd() == cell->Text().size()
        ? 1
        : 0;
}

void CCellAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void CCellAccessible::removeSelection(int) { Cell()->PlaceCaret(Cell()->CaretPosition()); }

void CCellAccessible::setSelection(int, int startOffset, int endOffset)
{
    // A cell's text is selected whole or not at all.
    if (endOffset > startOffset)
        Cell()->SelectAll();
    else
        removeSelection(0);
}

int CCellAccessible::cursorPosition() const { return std::min(Cell()->CaretPosition(), characterCount()); }

void CCellAccessible::setCursorPosition(int position) { Cell()->PlaceCaret(std::clamp(position, 0, characterCount())); }

QString CCellAccessible::text(int startOffset, int endOffset) const
{
    const QString said = Said();
    const int start = std::clamp(startOffset, 0, static_cast<int>(said.size()));
    const int end =
        endOffset < 0 ? static_cast<int>(said.size()) : std::clamp(endOffset, start, static_cast<int>(said.size()));
    return said.mid(start, end - start);
}

int CCellAccessible::characterCount() const { return static_cast<int>(Said().size()); }

QRect CCellAccessible::characterRect(int offset) const
{
    if (offset != 0 || characterCount() == 0)
        return {};
    return QRect(Cell()->mapToGlobal(QPoint(0, 0)), Cell()->size());
}

int CCellAccessible::offsetAtPoint(const QPoint& point) const { return characterRect(0).contains(point) ? 0 : -1; }

void CCellAccessible::scrollToSubstring(int, int) {}

QString CCellAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void CCellAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, QString()); }

void CCellAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

// The cell's new text is its text with the change made, typed over
// whatever it shows (a digit or pencil marks), as the user would.
void CCellAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    QString said = Said();
    const int start = std::clamp(startOffset, 0, static_cast<int>(said.size()));
    const int end = std::clamp(endOffset, start, static_cast<int>(said.size()));
    said.replace(start, end - start, text);
    Cell()->TypeOver(said);
}

void CCellAccessible::Describe(CCellEdit* cell, CSource source) { new CBriefSource(cell, std::move(source)); }

// What contradicts the board comes right after the explanation's first
// line, one line for each such statement.
QString CCellAccessible::Brief(const CSource& source, const CCellEdit& cell)
{
    const Grid& grid = source.grid();
    const auto statements = ExplainCell(grid, source.index).lines;
    const CExplanation explanation = Explain(grid, source.index);
    QStringList said;
    said << (cell.ShownDigit() != 0 && !explanation.lines.empty() ? explanation.lines.front().text
                                                                  : cell.SpokenValue());
    // Of the reasons, only what is wrong and the marks on their way out.
    for (std::size_t k = 1; k < statements.size() && k < explanation.lines.size(); ++k)
        if (Contradiction(statements[k]) || statements[k].what == Statement::LeftBehind)
            said << explanation.lines[k].text;
    if (const QString hint = source.hint ? source.hint() : QString(); !hint.isEmpty())
        said << hint;
    return said.join(QLatin1Char('\n'));
}

void CCellAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateForCell);
        return true;
    }();
    Q_UNUSED(installed);
}
