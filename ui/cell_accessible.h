// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QAccessibleWidget>

class CCellEdit;

// What a screen reader gets of a cell: an editable text field named by its
// place ("Row 3, column 7") whose text is its digit, nothing for an empty
// cell, or what typing left in it; its value and description say what the
// cell shows ("empty, still possible 3, 5 and 8") and why. Text written
// through this interface goes in as if typed.
class CCellAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit CCellAccessible(CCellEdit* cell);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface, over the cell's text as a screen reader has it.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // Makes the toolkit use this class for every cell.
    static void Install();

private:
    CCellEdit* Cell() const;
    QString Said() const;
};
