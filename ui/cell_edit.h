// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell_control.h"

#include <QBasicTimer>
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

// One cell of the board: a small edit control that shows a single digit or
// the three-line pencil-mark grid, centred, with no margins or scroll bars.
// Typing accepts only the digits 0 to 9; editing keys, selection, the edit
// menu and paste work as in any edit field. Arrow keys never move the caret:
// they ask the window to move the focus. Enter does nothing.
//
// Text set through the model (SetCellText) is never reported as an edit;
// every change the user makes is reported by userEdited().
class CCellEdit : public QWidget, public CCellControl {
    Q_OBJECT

public:
    explicit CCellEdit(QWidget* parent = nullptr);

    // The model's view of the control. A font handle is the address of a
    // QFont that outlives the control; 0 means the application font.
    void SetCellFont(FontHandle font) override;
    // The font the cell shows its text in has changed size.
    void FontChanged();
    void SetCellText(const std::string& text) override;
    std::string CellText() const override;

    // The text as shown, lines separated by '\n'.
    QString Text() const { return text_; }
    QFont CurrentFont() const;
    // Selects from start to end (-1: the end of the text); the caret goes
    // to the end of the selection.
    void SetSelection(int start, int end);
    int SelectionStart() const { return std::min(anchor_, caret_); }
    int SelectionEnd() const { return std::max(anchor_, caret_); }
    int CaretPosition() const { return caret_; }
    // The height and width the text needs, for checking that it fits.
    QSize TextExtent() const;

    // The cell as a screen reader says it: the digit, "empty" for a cell
    // that shows nothing, "empty, still possible 1, 2, 5 and 9" for a
    // pencil-mark grid, "empty, no digit possible" for one with no digit.
    QString SpokenValue() const;
    // What the cell's text is to a screen reader: the digit, or nothing.
    QString AccessibleText() const;
    // The cell's description for screen readers: an empty cell's value,
    // then the explanation (without its own line on what is possible).
    QString AccessibleDescription() const;
    // Replaces the whole text by text as the user's typing would.
    void TypeOver(const QString& text);
    // Why the cell stands as it does, as the window explains it; for
    // screen readers, as the cell's description.
    void SetExplainer(std::function<QString()> explainer) { explainer_ = std::move(explainer); }
    QString Explanation() const { return explainer_ ? explainer_() : QString(); }
    // Draws the digit as one the deduction found: in the palette's link
    // colour, underlined, so that it stands apart from a given digit also
    // for those who cannot tell the colours apart.
    void SetFound(bool found) { ChangeMark(found_, found); }
    bool IsFound() const { return found_; }
    // Outlines the cell while an explanation cites it, with the marks of
    // the lines that cite it ("AC"); "" for none.
    void SetCited(const QString& marks);
    bool IsCited() const { return !citedBy_.isEmpty(); }
    QString CitedBy() const { return citedBy_; }
    // Where each mark goes: inside the outline, clear of the characters
    // shown where there is room.
    std::vector<QRect> MarkRects() const;
    // Marks the cell as one that contradicts the board: a dashed outline
    // and a tint behind its text in the warning colour, so that it shows
    // also to those who cannot tell the colours apart.
    void SetConflicting(bool conflicting) { ChangeMark(conflicting_, conflicting); }
    bool IsConflicting() const { return conflicting_; }
    // Outlines the cell a hint points at, more thickly than a citation.
    void SetHinted(bool hinted) { ChangeMark(hinted_, hinted); }
    bool IsHinted() const { return hinted_; }
    // Highlights digit (0: none) where the cell shows it: behind the whole
    // cell when it is the cell's digit, behind its place when it is one of
    // the pencil marks.
    void SetSameDigit(int digit)
    {
        if (digit != sameDigit_)
            ChangeSameDigit(digit);
    }
    int SameDigit() const { return sameDigit_; }
    // What the highlight covers; empty where the cell shows no such digit.
    QRect SameDigitRect() const;
    // The colours the cell paints with as it stands: behind its text, its
    // text, behind a highlighted pencil mark (invalid: none), and its
    // outline (invalid: none), how wide and whether dashed.
    struct CLook {
        QColor background;
        QColor text;
        QColor markBackground;
        QColor outline;
        int outlineWidth = 0;
        bool dashed = false;
    };
    CLook Look() const;

    QSize sizeHint() const override;

signals:
    void userEdited();
    // The pointer rests on the cell (the toolkit's tooltip moment), or
    // Shift+F1 was pressed in it: the window shows the explanation.
    void explainRequested();
    void pointerLeft();
    void focusGained();
    // Sent, and handled, before the key press returns.
    void moveFocusRequested(int columnStep, int rowStep);
    // Paste found a whole puzzle on the clipboard: the board takes it.
    void puzzlePasted(const QString& text);
    // Paste found the clipboard's owner silent.
    void clipboardSilent();

protected:
    bool event(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Sets one of the marks painted around the text, repainting on a change.
    void ChangeMark(bool& mark, bool on)
    {
        if (mark != on) {
            mark = on;
            update();
        }
    }
    void ChangeSameDigit(int digit);
    bool HasSelection() const { return anchor_ != caret_; }
    // Replaces the selection by text as a user edit, keeping one level of undo.
    void ReplaceSelection(const QString& text);
    void DeleteSelectionOr(int direction);
    void Undo();
    void Cut();
    void Copy() const;
    void Paste();
    void MoveCaret(int position, bool extendSelection);
    int PositionAt(const QPoint& point) const;
    QRect TextArea() const;
    int TextTop(const QFontMetrics& metrics, int lineCount) const;
    struct CMarkPlace {
        QRect rect;
        int pixelSize;
    };
    std::vector<CMarkPlace> MarkPlaces() const;
    QFont MarkFont(int pixelSize) const;
    void PaintCitation(QPainter& painter) const;
    // Where the text shows digit: 0 for the cell's own digit, the place of
    // that pencil mark, or -1.
    int ShownAt(int digit) const;
    // One line of the text: where it starts in it, how long it is, and the
    // distance of each gap between characters from its left end (length + 1).
    struct CLine {
        int start;
        int length;
        std::vector<int> edges;
    };
    const std::vector<CLine>& Lines() const;
    int LineLeft(const CLine& line) const;
    void RestartCaretBlink();
    // Every change of the text, by the model or the user, goes through here.
    void ChangeText(QString text);

    QString text_;
    // The layout of text_ in the current font, made again on use after
    // either has changed.
    mutable std::vector<CLine> lines_;
    mutable bool linesStale_ = true;
    std::function<QString()> explainer_;
    QString citedBy_;
    bool found_ = false;
    bool conflicting_ = false;
    bool hinted_ = false;
    int sameDigit_ = 0;
    const QFont* font_ = nullptr;
    int anchor_ = 0;
    int caret_ = 0;
    QString undoText_;
    bool caretVisible_ = false;
    // Set between a focusing click and its button press; the press then
    // keeps the selection, and a drag selects from pressPosition_.
    bool justFocusedByMouse_ = false;
    int pressPosition_ = -1;
    QBasicTimer blink_;
};
