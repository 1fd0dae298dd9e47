// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_edit.h"

#include "cell_explanation.h"
#include "citation_style.h"
#include "clipboard_probe.h"
#include "guidance_style.h"
#include "palette_colours.h"
#include "puzzle_text.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// As much text as an edit field holds by default; more is cut off.
constexpr int kMaxTextLength = 30000;

bool IsDigitText(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

} // namespace

CCellEdit::CCellEdit(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    text_.SetFont(QApplication::font());
}

// A cell that looks as it did is not painted again: Load and Set show every
// cell, and most keep their digit.
void CCellEdit::Show(const CCell& cell)
{
    const int value = cell.GetValue();
    const auto open = static_cast<DigitMask>(cell.CandidateMask());
    const bool candidates = cell.ShowsCandidates();
    const Fill fill = cell.HowFilled();
    const bool found = value != 0 && (fill == Fill::Single || fill == Fill::OnlyInBox);
    const bool entered = value != 0 && fill == Fill::Entered;
    // Value, open digits and whether the grid shows make the text.
    const bool sameText = !typed_ && value == value_ && open == open_ && candidates == candidates_;
    const bool repaint = !sameText || found != found_ || entered != entered_ || (!selected_ && hasFocus());
    value_ = value;
    open_ = open;
    candidates_ = candidates;
    found_ = found;
    entered_ = entered;
    selected_ = true;
    text_.SetFont(FontToShow());
    if (!sameText)
        ChangeText(QString::fromStdString(cell.DisplayText()).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                   false);
    if (repaint)
        update();
}

void CCellEdit::SetLeftBehind(DigitMask marks)
{
    if (marks == leftBehind_)
        return;
    leftBehind_ = marks;
    if (candidates_ && !typed_)
        update();
}

void CCellEdit::SetZoom(double zoom)
{
    zoom_ = zoom;
    update();
}

int CCellEdit::Scaled(int width) const { return std::max(width, static_cast<int>(std::lround(width * zoom_))); }

const QFont& CCellEdit::FontToShow() const { return candidates_ ? candidateFont_ : entered_ ? entryFont_ : valueFont_; }

void CCellEdit::SetFonts(const QFont& value, const QFont& candidates)
{
    valueFont_ = value;
    candidateFont_ = candidates;
    // An entry is slanted: it stands apart from a given digit by its shape.
    entryFont_ = value;
    entryFont_.setItalic(true);
    text_.SetFont(FontToShow());
    update();
}

void CCellEdit::ChangeText(const QString& text, bool typed)
{
    const bool heard = QAccessible::isActive();
    const QString wasSaid = heard ? AccessibleText() : QString();
    text_.SetText(text);
    typed_ = typed;
    if (const QString said = heard ? AccessibleText() : QString(); said != wasSaid) {
        if (!wasSaid.isEmpty()) {
            QAccessibleTextRemoveEvent removed(this, 0, wasSaid);
            QAccessible::updateAccessibility(&removed);
        }
        if (!said.isEmpty()) {
            QAccessibleTextInsertEvent inserted(this, 0, said);
            QAccessible::updateAccessibility(&inserted);
        }
    }
}

QString CCellEdit::AccessibleText() const
{
    if (typed_)
        return Text();
    return value_ != 0 ? QString::number(value_) : QString();
}

QString CCellEdit::SpokenValue() const
{
    if (typed_)
        return Text().trimmed().isEmpty() ? tr("empty") : Text();
    if (value_ != 0)
        return QString::number(value_);
    if (!candidates_)
        return tr("empty");
    // A pencil mark a sweep left behind is not possible: the digit stands
    // beside the cell already.
    const auto possible = static_cast<DigitMask>(open_ & ~leftBehind_);
    if (possible == 0)
        return tr("empty, no digit possible");
    return tr("empty, still possible %1").arg(DigitWords(possible));
}

QString CCellEdit::AccessibleDescription() const
{
    QString explanation = Explanation();
    if (ShownDigit() != 0)
        return explanation;
    // A pencil-mark grid is explained first by the digits still possible,
    // which the value has just said.
    if (candidates_ && !typed_)
        explanation = explanation.section(QLatin1Char('\n'), 1);
    return explanation.isEmpty() ? SpokenValue() : SpokenValue() + QLatin1String(".\n") + explanation;
}

void CCellEdit::TypeOver(const QString& text)
{
    selected_ = true;
    ReplaceSelection(text);
}

void CCellEdit::SelectAll()
{
    selected_ = true;
    update();
}

void CCellEdit::PlaceCaret(int position)
{
    selected_ = false;
    caret_ = std::clamp(position, 0, static_cast<int>(Text().size()));
    update();
}

QSize CCellEdit::sizeHint() const { return {40, 30}; }

const CCellText& CCellEdit::Laid() const
{
    text_.SetArea(rect().adjusted(1, 1, -1, -1));
    return text_;
}

void CCellEdit::SetCited(const QString& marks)
{
    if (marks == citedBy_)
        return;
    citedBy_ = marks;
    update();
}

void CCellEdit::SetSameDigit(int digit)
{
    if (digit == sameDigit_)
        return;
    // Only a cell that shows the digit it had or has paints anew.
    const bool repaint = ShownAs(sameDigit_) != Shown::Nowhere || ShownAs(digit) != Shown::Nowhere;
    sameDigit_ = digit;
    if (repaint)
        update();
}

CCellEdit::Shown CCellEdit::ShownAs(int digit) const
{
    if (digit < 1 || digit > 9 || typed_)
        return Shown::Nowhere;
    if (value_ != 0)
        return value_ == digit ? Shown::Whole : Shown::Nowhere;
    return candidates_ && (open_ & ~leftBehind_ & DigitBit(digit)) ? Shown::Mark : Shown::Nowhere;
}

QRect CCellEdit::SameDigitRect() const
{
    switch (ShownAs(sameDigit_)) {
    case Shown::Nowhere: return {};
    case Shown::Whole: return rect().adjusted(1, 1, -1, -1);
    case Shown::Mark: break;
    }
    const CCandidatePlace place = CandidatePlace(sameDigit_);
    return Laid().CharacterRect(place.line, place.column).adjusted(-1, 0, 1, 0) & rect().adjusted(1, 1, -1, -1);
}

CCellEdit::CLook CCellEdit::Look() const
{
    const QPalette& colours = palette();
    CLook look;
    look.background = colours.color(isEnabled() ? QPalette::Base : QPalette::Window);
    if (conflicting_)
        look.background = ConflictBackground(colours);
    switch (ShownAs(sameDigit_)) {
    case Shown::Whole: look.background = SameDigitBackground(colours); break;
    case Shown::Mark: look.markBackground = SameDigitBackground(colours); break;
    case Shown::Nowhere: break;
    }
    look.text = typed_ ? colours.color(QPalette::Text)
        : found_       ? FoundDigitColour(colours)
        : entered_     ? EntryColour(colours)
                       : colours.color(QPalette::Text);
    // On a tint, the text is taken darker or lighter where it must be.
    if (look.background != colours.color(QPalette::Base) && ContrastRatio(look.text, look.background) < 4.5)
        look.text = Legible(look.text, look.background);
    // A contradiction's dashes keep the edge; a citation goes inside them.
    if (conflicting_ && (IsCited() || !hinted_)) {
        look.outline = WarningColour(colours);
        look.outlineWidth = Scaled(2);
        look.dashed = true;
        if (IsCited()) {
            look.inner = CitationColour(colours);
            look.innerWidth = Scaled(2);
        }
    } else if (IsCited()) {
        look.outline = CitationColour(colours);
        look.outlineWidth = Scaled(2);
    } else if (hinted_) {
        look.outline = HintColour(colours);
        look.outlineWidth = Scaled(3);
    }
    return look;
}

QColor CCellEdit::SelectionBackground() const { return ::SelectionBackground(palette()); }

QColor CCellEdit::SelectedText() const { return palette().color(QPalette::Active, QPalette::HighlightedText); }

std::vector<CMarkPlace> CCellEdit::MarkPlaces() const
{
    if (citedBy_.isEmpty())
        return {};
    const CLook look = Look();
    const int edge = look.outlineWidth + look.innerWidth;
    const QRect inside = rect().adjusted(edge, edge, -edge, -edge);
    return PlaceMarks(citedBy_, inside, Laid().Ink(inside), font(), height() * 2 / 5);
}

// A stroke rising across the mark's own ink, from its lower left to its
// upper right, kept inside the room the ink takes so that it covers nothing
// else: it reads as struck through at every size, and a citation's marks
// keep clear of it as they keep clear of the digits.
std::vector<QLineF> CCellEdit::Strikes() const
{
    std::vector<QLineF> strikes;
    const DigitMask marks = LeftBehind();
    const QFontMetricsF metrics(Laid().Font());
    const qreal inset = StrikeWidth() / 2;
    for (int d = 1; d <= 9; ++d) {
        if (!(marks & DigitBit(d)))
            continue;
        const CCandidatePlace place = CandidatePlace(d);
        const QRectF at = Laid().CharacterRect(place.line, place.column);
        // The glyph's box, and half of the pixel round it that the ink takes
        // (see CCellText::Ink): smoothing fills the rest.
        const QRectF ink = metrics.boundingRect(QChar(u'0' + d))
                               .translated(at.left(), at.top() + metrics.ascent())
                               .adjusted(-0.5, -0.5, 0.5, 0.5);
        strikes.emplace_back(ink.left() + inset, ink.bottom() - inset, ink.right() - inset, ink.top() + inset);
    }
    return strikes;
}

qreal CCellEdit::StrikeWidth() const
{
    // As thick as the pencil marks' own strokes, so that it grows with them.
    return std::max(1.0, QFontInfo(candidateFont_).pixelSize() / 9.0);
}

// The outlines over the border and just inside it, and a citation's marks,
// in the palette's highlight made to stand out against the cell's
// background.
void CCellEdit::PaintOutlines(QPainter& painter, const CLook& look) const
{
    painter.setClipping(false);
    if (look.outline.isValid())
        PaintFrame(painter, rect(), look.outline, look.outlineWidth, look.dashed);
    if (look.inner.isValid()) {
        const int w = look.outlineWidth;
        PaintFrame(painter, rect().adjusted(w, w, -w, -w), look.inner, look.innerWidth, false);
    }
    if (!IsCited())
        return;
    const QColor colour = CitationColour(palette());
    const std::vector<CMarkPlace> places = MarkPlaces();
    painter.setPen(CitationMarkColour(palette()));
    for (std::size_t k = 0; k < places.size(); ++k) {
        painter.fillRect(places[k].rect, colour);
        painter.setFont(MarkFont(font(), places[k].pixelSize));
        painter.drawText(places[k].rect, Qt::AlignCenter, QString(citedBy_[static_cast<qsizetype>(k)]));
    }
}

bool CCellEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        emit explainRequested();
        return true;
    }
    return QWidget::event(event);
}

// The text cursor is loaded from the cursor theme when the pointer first
// comes over a cell, not while the window starts.
void CCellEdit::enterEvent(QEnterEvent* event)
{
    if (!testAttribute(Qt::WA_SetCursor))
        setCursor(Qt::IBeamCursor);
    QWidget::enterEvent(event);
}

void CCellEdit::leaveEvent(QEvent* event)
{
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

void CCellEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const CLook look = Look();
    painter.fillRect(rect(), look.background);
    // The edge as filled rectangles: a rectangle drawn with a pen goes
    // through the stroker, which took a sixth of a whole board's repaint.
    PaintFrame(painter, rect(), colours.color(QPalette::Dark), 1, false);
    if (look.markBackground.isValid())
        painter.fillRect(SameDigitRect(), look.markBackground);
    // The focused cell shows its selection and its caret.
    const bool focused = hasFocus();
    CCellText::CPens pens;
    pens.text = look.text;
    pens.underline = found_ && !typed_;
    pens.selectionStart = focused ? SelectionStart() : 0;
    pens.selectionEnd = focused ? SelectionEnd() : 0;
    // The selection's colours are made legible against each other, which
    // takes the maths library's powers: only a selection needs them.
    if (pens.selectionStart != pens.selectionEnd) {
        pens.highlight = SelectionBackground();
        pens.highlightedText = SelectedText();
    }
    pens.caret = focused ? CaretPosition() : -1;
    pens.caretColour = colours.color(QPalette::Text);
    Laid().Paint(painter, pens);
    PaintStrikes(painter, focused && pens.selectionStart != pens.selectionEnd ? pens.highlightedText : look.text);
    PaintOutlines(painter, look);
}

void CCellEdit::PaintStrikes(QPainter& painter, const QColor& colour) const
{
    const std::vector<QLineF> strikes = Strikes();
    if (strikes.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, StrikeWidth(), Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& strike : strikes)
        painter.drawLine(strike);
    painter.restore();
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ShiftModifier) {
        emit explainRequested();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: emit moveFocusRequested(-1, 0); return;
    case Qt::Key_Up: emit moveFocusRequested(0, -1); return;
    case Qt::Key_Right: emit moveFocusRequested(1, 0); return;
    case Qt::Key_Down: emit moveFocusRequested(0, 1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: return;
    case Qt::Key_Home: PlaceCaret(0); return;
    case Qt::Key_End: PlaceCaret(static_cast<int>(Text().size())); return;
    case Qt::Key_Backspace: DeleteSelectionOr(-1); return;
    case Qt::Key_Delete: DeleteSelectionOr(1); return;
    default: break;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        // Undo and redo are the board's: a key reaches the cell only when
        // the board has nothing to take back (or make again), and then it
        // does nothing, as it would anywhere else in the window.
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::Paste)) {
        Paste();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (plain && IsDigitText(event->text())) {
        ReplaceSelection(event->text());
    } else if (plain && !event->text().isEmpty() && event->text()[0].isPrint()) {
        // Only digits may be typed; other characters are swallowed.
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CCellEdit::Edit(int start, int end, const QString& inserted)
{
    QString edited = Text();
    edited.replace(start, end - start, inserted);
    selected_ = false;
    caret_ = start + static_cast<int>(inserted.size());
    ChangeText(edited, true);
    update();
    emit userEdited();
}

void CCellEdit::ReplaceSelection(const QString& text)
{
    const int start = SelectionStart();
    const int end = SelectionEnd();
    const int room = kMaxTextLength - (static_cast<int>(Text().size()) - (end - start));
    const QString inserted = text.left(std::max(room, 0));
    if (!inserted.isEmpty() || start != end)
        Edit(start, end, inserted);
}

void CCellEdit::DeleteSelectionOr(int direction)
{
    if (SelectionStart() != SelectionEnd()) {
        ReplaceSelection(QString());
        return;
    }
    const int caret = CaretPosition();
    const int other = caret + direction;
    if (other >= 0 && other <= Text().size())
        Edit(std::min(caret, other), std::max(caret, other), QString());
}

void CCellEdit::Copy() const
{
    if (SelectionStart() != SelectionEnd())
        QApplication::clipboard()->setText(Text().mid(SelectionStart(), SelectionEnd() - SelectionStart()));
}

// A whole puzzle goes to the board, as Paste Puzzle takes it; any other
// text into the cell, without the line end a copied line brings along.
void CCellEdit::Paste()
{
    const CClipboardText read = ReadClipboardText();
    if (read.outcome == CClipboardText::Outcome::Silent || read.outcome == CClipboardText::Outcome::TooLong) {
        emit pasteRefused(read.outcome);
        return;
    }
    if (ParsePuzzleText(read.text.toStdString())) {
        emit puzzlePasted(read.text);
        return;
    }
    QString pasted = read.text;
    pasted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (pasted.endsWith(QLatin1Char('\n')))
        pasted.chop(1);
    if (!pasted.isEmpty())
        ReplaceSelection(pasted);
}

void CCellEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The click that brings the focus here keeps the whole text selected,
    // so that a digit typed next replaces it; a further click places the caret.
    if (std::exchange(justFocusedByMouse_, false))
        return;
    PlaceCaret(Laid().PositionAt(event->position().toPoint()));
}

void CCellEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The window's menu serves the cells too.
    event->ignore();
}

void CCellEdit::focusInEvent(QFocusEvent* event)
{
    justFocusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    emit focusGained();
    QWidget::focusInEvent(event);
}

void CCellEdit::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
