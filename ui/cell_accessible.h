// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <QAccessibleWidget>

#include <functional>

class CCellEdit;

// What a screen reader gets of a cell: an editable text field named by its
// place ("Row 3, column 7") whose text is its digit, nothing for an empty
// cell, or what typing left in it; its value says what the cell shows
// ("empty, still possible 3, 5 and 8"). Its description is what a screen
// reader says as the focus arrives, so it is brief: what the cell holds and
// what contradicts it, without the reasons, which Shift+F1 tells. Text
// written through this interface goes in as if typed.
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
    // Where the brief description of cell comes from: the grid that grid()
    // gives, the cell's index in it, and hint(), what the hint says while
    // it points at the cell (empty otherwise). Without this a cell's
    // description is its own, reasons and all.
    struct CSource {
        std::function<const Grid&()> grid;
        int index = 0;
        std::function<QString()> hint;
    };
    static void Describe(CCellEdit* cell, CSource source);
    // The brief description: the value of a cell that shows no digit of its
    // own, else the line that says what its digit is; then each line on
    // what contradicts it; then the hint, where it points at the cell.
    static QString Brief(const CSource& source, const CCellEdit& cell);

private:
    CCellEdit* Cell() const;
    QString Said() const;
};
