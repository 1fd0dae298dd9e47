// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "cell_painter.h"
#include "clipboard_probe.h"

#include <QEnterEvent>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// One cell of the board: it paints what its cell holds (a single digit, the
// three-line pencil-mark grid, or nothing), centred, with no margins, and
// takes the digits typed into it.
//
// Typing works on the text as shown: arriving in a cell selects its whole
// text, so that a digit replaces it; Home, End and a click put the caret
// at a place instead. Backspace and Delete take text away, Ctrl+V pastes
// (a whole puzzle goes to the window instead) and Ctrl+C copies the
// selected text. What typing leaves stays shown until the window takes it
// over or the cell changes; every such edit is reported by userEdited().
// Only digits can be typed; arrow keys never move the caret, they ask the
// window to move the focus; Enter does nothing.
class CCellEdit : public QWidget {
    Q_OBJECT

public:
    explicit CCellEdit(QWidget* parent = nullptr);

    // Shows what cell holds now: a text typing left goes, and the whole
    // text is selected.
    void Show(const CCell& cell);
    // The pencil marks a sweep has left behind in the cell (see
    // LeftBehindMarks): struck through, never said to be possible and never
    // highlighted as a place for the focused digit.
    void SetLeftBehind(DigitMask marks);
    DigitMask LeftBehind() const { return candidates_ && !typed_ ? static_cast<DigitMask>(leftBehind_ & open_) : 0; }
    // How much the board is enlarged: outlines grow with it.
    void SetZoom(double zoom);
    // The fonts for a digit (or nothing) and for the pencil-mark grid.
    void SetFonts(const QFont& value, const QFont& candidates);

    // The text as shown, lines separated by '\n'.
    const QString& Text() const { return text_.Text(); }
    // True while what is shown is a text that typing left in place of what
    // the cell holds.
    bool ShowsTyping() const { return typed_; }
    const QFont& CurrentFont() const { return text_.Font(); }
    // The digit the cell shows as its own, 0 for none.
    int ShownDigit() const { return typed_ ? 0 : value_; }

    // Selects the whole text, the caret at its end, as on arriving.
    void SelectAll();
    // Puts the caret at position (clamped to the text), selecting nothing.
    void PlaceCaret(int position);
    int SelectionStart() const { return selected_ ? 0 : caret_; }
    int SelectionEnd() const { return selected_ ? static_cast<int>(Text().size()) : caret_; }
    int CaretPosition() const { return selected_ ? static_cast<int>(Text().size()) : caret_; }

    // The cell as a screen reader says it: the digit, "empty" for a cell
    // that shows nothing, "empty, still possible 1, 2, 5 and 9" for a
    // pencil-mark grid, "empty, no digit possible" for one with no digit;
    // a text that typing left, as it is.
    QString SpokenValue() const;
    // What the cell's text is to a screen reader: the digit, nothing for an
    // empty cell, or what typing left.
    QString AccessibleText() const;
    // The cell's description for screen readers: a cell without a digit of
    // its own says what it shows, then the explanation (without its line on
    // what is possible, which a pencil-mark grid has just said).
    QString AccessibleDescription() const;
    // Replaces the whole text by text as the user's typing would.
    void TypeOver(const QString& text);
    // Why the cell stands as it does, as the window explains it; for
    // screen readers, as the cell's description.
    void SetExplainer(std::function<QString()> explainer) { explainer_ = std::move(explainer); }
    QString Explanation() const { return explainer_ ? explainer_() : QString(); }

    // A digit the deduction found is drawn in the palette's link colour,
    // underlined, and one the person entered in the visited-link colour,
    // slanted, so that each stands apart from a given digit also for those
    // who cannot tell the colours apart.
    bool IsFound() const { return found_; }
    bool IsEntered() const { return entered_; }
    // Outlines the cell while an explanation cites it, with the marks of
    // the lines that cite it ("AC"); "" for none.
    void SetCited(const QString& marks);
    bool IsCited() const { return !citedBy_.isEmpty(); }
    QString CitedBy() const { return citedBy_; }
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
    void SetSameDigit(int digit);
    int SameDigit() const { return sameDigit_; }
    // What the highlight covers; empty where the cell shows no such digit.
    QRect SameDigitRect() const;
    // Where the text is painted: the box of its lines.
    QRect TextRect() const { return Laid().Bounds(); }
    // Where each mark of SetCited is painted.
    std::vector<CMarkPlace> MarkPlaces() const;
    // Where the stroke through each left-behind pencil mark is painted.
    std::vector<QLineF> Strikes() const;
    // The colours the cell paints with as it stands: behind its text, its
    // text, behind a highlighted pencil mark (invalid: none), its outline
    // at the edge (invalid: none), how wide and whether dashed, and a
    // citation's outline just inside a contradiction's dashes (invalid:
    // none), so that neither hides the other.
    struct CLook {
        QColor background;
        QColor text;
        QColor markBackground;
        QColor outline;
        int outlineWidth = 0;
        bool dashed = false;
        QColor inner;
        int innerWidth = 0;
    };
    CLook Look() const;
    // Behind the selected text of the focused cell, and the text there.
    QColor SelectionBackground() const;
    QColor SelectedText() const;

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
    // Paste took nothing: the clipboard's owner did not answer, or it held
    // more than a puzzle (see CClipboardText).
    void pasteRefused(CClipboardText::Outcome outcome);

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Sets one of the marks painted around the text, repainting on a change.
    void ChangeMark(bool& mark, bool on)
    {
        if (mark != on) {
            mark = on;
            update();
        }
    }
    // Where the cell shows digit as its own or as a pencil mark: the whole
    // cell, the place of that mark, or nothing.
    enum class Shown { Nowhere, Whole, Mark };
    Shown ShownAs(int digit) const;
    // Replaces the text from start to end by inserted as a user edit.
    void Edit(int start, int end, const QString& inserted);
    void ReplaceSelection(const QString& text);
    void DeleteSelectionOr(int direction);
    void Copy() const;
    void Paste();
    // Every change of the text goes through here; screen readers hear the
    // digit go and come.
    void ChangeText(const QString& text, bool typed);
    void PaintOutlines(QPainter& painter, const CLook& look) const;
    void PaintStrikes(QPainter& painter, const QColor& colour) const;
    qreal StrikeWidth() const;
    // The font the cell's text is shown in as it stands.
    const QFont& FontToShow() const;
    // An outline's width at the board's size: width at the normal size.
    int Scaled(int width) const;
    // The text laid out in the cell as it stands now.
    const CCellText& Laid() const;

    mutable CCellText text_;
    // The cell as shown: its value, open digits, whether it shows the
    // pencil-mark grid, and whether its digit was found.
    int value_ = 0;
    DigitMask open_ = 0;
    bool candidates_ = false;
    bool found_ = false;
    bool entered_ = false;
    DigitMask leftBehind_ = 0;
    double zoom_ = 1.0;
    // The text shown is what typing left.
    bool typed_ = false;
    QFont valueFont_;
    QFont candidateFont_;
    QFont entryFont_;
    std::function<QString()> explainer_;
    QString citedBy_;
    bool conflicting_ = false;
    bool hinted_ = false;
    int sameDigit_ = 0;
    bool selected_ = true;
    int caret_ = 0;
    // Set between a focusing click and its button press, which then keeps
    // the selection.
    bool justFocusedByMouse_ = false;
};
