// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_edit.h"

#include "citation_style.h"
#include "clipboard_probe.h"
#include "guidance_style.h"
#include "palette_colours.h"
#include "puzzle_text.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace {

// The smallest a mark's letter is made, in pixels, where a cell is crowded.
constexpr int kSmallestMark = 6;

// As much text as an edit field holds by default; more is cut off.
constexpr int kMaxTextLength = 30000;

bool IsDigitText(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

QString FromModelText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A frame of width inside rect, whole or in dashes, painted pixel-exact.
void PaintFrame(QPainter& painter, const QRect& rect, const QColor& colour, int width, bool dashed)
{
    constexpr int kDash = 5;
    constexpr int kGap = 3;
    const auto along = [&](int from, int to, const auto& piece) {
        if (!dashed) {
            piece(from, to - from);
            return;
        }
        for (int at = from; at < to; at += kDash + kGap)
            piece(at, std::min(kDash, to - at));
    };
    along(rect.left(), rect.right() + 1, [&](int x, int length) {
        painter.fillRect(QRect(x, rect.top(), length, width), colour);
        painter.fillRect(QRect(x, rect.bottom() - width + 1, length, width), colour);
    });
    along(rect.top() + width, rect.bottom() - width + 1, [&](int y, int length) {
        painter.fillRect(QRect(rect.left(), y, width, length), colour);
        painter.fillRect(QRect(rect.right() - width + 1, y, width, length), colour);
    });
}

} // namespace

CCellEdit::CCellEdit(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
}

void CCellEdit::SetCellFont(FontHandle font)
{
    const auto* requested = reinterpret_cast<const QFont*>(font);
    if (requested == font_)
        return;
    font_ = requested;
    linesStale_ = true;
    update();
}

void CCellEdit::FontChanged()
{
    linesStale_ = true;
    update();
}

void CCellEdit::SetCellText(const std::string& text)
{
    QString shown = FromModelText(text);
    if (shown != text_)
        ChangeText(std::move(shown));
    anchor_ = 0;
    caret_ = static_cast<int>(text_.size());
}

std::string CCellEdit::CellText() const
{
    return QString(text_).replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

QFont CCellEdit::CurrentFont() const
{
    return font_ ? *font_ : QApplication::font();
}

void CCellEdit::ChangeText(QString text)
{
    const bool heard = QAccessible::isActive();
    const QString wasSaid = heard ? AccessibleText() : QString();
    text_ = std::move(text);
    linesStale_ = true;
    update();
    // A screen reader hears the digit go and come as text changes.
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
    return IsDigitText(text_) ? text_ : QString();
}

QString CCellEdit::SpokenValue() const
{
    if (text_.trimmed().isEmpty() && !text_.contains(QLatin1Char('\n')))
        return tr("empty");
    if (IsDigitText(text_))
        return text_;
    QStringList digits;
    for (QChar c : text_)
        if (c.isDigit())
            digits << QString(c);
    if (digits.isEmpty())
        return tr("empty, no digit possible");
    if (digits.size() == 1)
        return tr("empty, still possible %1").arg(digits.front());
    const QString last = digits.takeLast();
    return tr("empty, still possible %1 and %2").arg(digits.join(QLatin1String(", ")), last);
}

QString CCellEdit::AccessibleDescription() const
{
    QString explanation = Explanation();
    if (IsDigitText(text_))
        return explanation;
    // A pencil-mark grid is explained first by the digits still possible,
    // which the value has just said.
    if (text_.contains(QLatin1Char('\n')))
        explanation = explanation.section(QLatin1Char('\n'), 1);
    return explanation.isEmpty() ? SpokenValue() : SpokenValue() + QLatin1String(".\n") + explanation;
}

void CCellEdit::TypeOver(const QString& text)
{
    SetSelection(0, -1);
    ReplaceSelection(text);
}

void CCellEdit::SetSelection(int start, int end)
{
    const int length = static_cast<int>(text_.size());
    anchor_ = std::clamp(start, 0, length);
    caret_ = end < 0 ? length : std::clamp(end, 0, length);
    RestartCaretBlink();
    update();
}

QSize CCellEdit::TextExtent() const
{
    int width = 0;
    for (const CLine& line : Lines())
        width = std::max(width, line.edges.back());
    return {width, static_cast<int>(Lines().size()) * QFontMetrics(CurrentFont()).height()};
}

// The lines and the place of every gap between characters are worked out
// once for each text and font, when first needed after a change (the model
// sets font and text one after the other): painting and hit-testing then
// cost the same for a digit as for a long paste.
const std::vector<CCellEdit::CLine>& CCellEdit::Lines() const
{
    if (!linesStale_)
        return lines_;
    linesStale_ = false;
    const QFontMetricsF metrics(CurrentFont());
    lines_.clear();
    int start = 0;
    for (const QString& text : text_.split(QLatin1Char('\n'))) {
        CLine line{start, static_cast<int>(text.size()), {}};
        line.edges.reserve(text.size() + 1);
        qreal x = 0;
        line.edges.push_back(0);
        for (const QChar c : text) {
            x += metrics.horizontalAdvance(c);
            line.edges.push_back(qRound(x));
        }
        lines_.push_back(std::move(line));
        start += static_cast<int>(text.size()) + 1;
    }
    return lines_;
}

QSize CCellEdit::sizeHint() const
{
    return {40, 30};
}

QRect CCellEdit::TextArea() const
{
    return rect().adjusted(1, 1, -1, -1);
}

// Lines are centred across the cell and, as a block, from top to bottom;
// painting and hit-testing both place them through these two.
int CCellEdit::TextTop(const QFontMetrics& metrics, int lineCount) const
{
    const QRect area = TextArea();
    return area.top() + (area.height() - lineCount * metrics.height()) / 2;
}

int CCellEdit::LineLeft(const CLine& line) const
{
    const QRect area = TextArea();
    return area.left() + (area.width() - line.edges.back()) / 2;
}

void CCellEdit::SetCited(const QString& marks)
{
    if (marks == citedBy_)
        return;
    citedBy_ = marks;
    update();
}

void CCellEdit::ChangeSameDigit(int digit)
{
    // Only a cell that shows the digit it had or has paints anew.
    const bool repaint = ShownAt(sameDigit_) >= 0 || ShownAt(digit) >= 0;
    sameDigit_ = digit;
    if (repaint)
        update();
}

// The pencil-mark grid is three lines of seven characters, digit d on line
// (d - 1) / 3 at column (d - 1) % 3 * 3; anything else the user may have
// typed or pasted shows no mark.
int CCellEdit::ShownAt(int digit) const
{
    if (digit < 1 || digit > 9)
        return -1;
    const QChar wanted(u'0' + digit);
    if (text_.size() == 1)
        return text_[0] == wanted ? 0 : -1;
    if (text_.size() != 23 || text_[7] != QLatin1Char('\n') || text_[15] != QLatin1Char('\n'))
        return -1;
    const int at = (digit - 1) / 3 * 8 + (digit - 1) % 3 * 3;
    return text_[at] == wanted ? at : -1;
}

QRect CCellEdit::SameDigitRect() const
{
    const int at = ShownAt(sameDigit_);
    if (at < 0)
        return {};
    if (text_.size() == 1)
        return rect().adjusted(1, 1, -1, -1);
    const QFontMetrics metrics(CurrentFont());
    const std::vector<CLine>& lines = Lines();
    const int row = at / 8;
    const CLine& line = lines[static_cast<std::size_t>(row)];
    const int column = at - line.start;
    const int left = LineLeft(line) + line.edges[static_cast<std::size_t>(column)];
    const int width = line.edges[static_cast<std::size_t>(column) + 1] - line.edges[static_cast<std::size_t>(column)];
    const QRect mark(left - 1, TextTop(metrics, static_cast<int>(lines.size())) + row * metrics.height(), width + 2,
                     metrics.height());
    return mark & TextArea();
}

CCellEdit::CLook CCellEdit::Look() const
{
    const QPalette& colours = palette();
    CLook look;
    look.background = colours.color(isEnabled() ? QPalette::Base : QPalette::Window);
    if (conflicting_)
        look.background = ConflictBackground(colours);
    const QRect same = SameDigitRect();
    if (!same.isNull()) {
        if (text_.size() == 1)
            look.background = SameDigitBackground(colours);
        else
            look.markBackground = SameDigitBackground(colours);
    }
    look.text = found_ && IsDigitText(text_) ? FoundDigitColour(colours) : colours.color(QPalette::Text);
    // On a tint, the text is taken darker or lighter where it must be.
    if (look.background != colours.color(QPalette::Base) && ContrastRatio(look.text, look.background) < 4.5)
        look.text = Legible(look.text, look.background);
    if (IsCited()) {
        look.outline = CitationColour(colours);
        look.outlineWidth = 2;
    } else if (hinted_) {
        look.outline = HintColour(colours);
        look.outlineWidth = 3;
    } else if (conflicting_) {
        look.outline = WarningColour(colours);
        look.outlineWidth = 2;
        look.dashed = true;
    }
    return look;
}

// A mark's letter at a size: bold, in the window's face.
QFont CCellEdit::MarkFont(int pixelSize) const
{
    QFont marks = font();
    marks.setBold(true);
    marks.setPixelSize(pixelSize);
    return marks;
}

std::vector<QRect> CCellEdit::MarkRects() const
{
    std::vector<QRect> rects;
    for (const CMarkPlace& place : MarkPlaces())
        rects.push_back(place.rect);
    return rects;
}

// Each mark tries the corners inside the outline, then every place along
// the top and bottom edges, and takes the first that covers none of the
// characters shown and no mark before it; failing that, the same at
// smaller sizes; failing all, the corner that covers the least, at the
// smallest size.
std::vector<CCellEdit::CMarkPlace> CCellEdit::MarkPlaces() const
{
    std::vector<CMarkPlace> marks;
    if (citedBy_.isEmpty())
        return marks;
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    // The ink of the characters that can be seen, a pixel wider all round.
    std::vector<QRect> shown;
    const QFontMetrics metrics(CurrentFont());
    int top = TextTop(metrics, static_cast<int>(Lines().size()));
    for (const CLine& line : Lines()) {
        if (top > inside.bottom())
            break;
        const int left = LineLeft(line);
        for (int i = 0; i < line.length && top + metrics.height() >= inside.top(); ++i) {
            const int x = left + line.edges[static_cast<std::size_t>(i)];
            if (x > inside.right())
                break;
            const QChar c = text_[line.start + i];
            if (!c.isSpace() && x + metrics.maxWidth() >= inside.left())
                shown.push_back(metrics.boundingRect(c).translated(x, top + metrics.ascent()).adjusted(-1, -1, 1, 1));
        }
        top += metrics.height();
    }
    const auto covered = [&](const QRect& place) {
        int area = 0;
        for (const QRect& r : shown)
            area += (r & place).width() * (r & place).height();
        for (const CMarkPlace& m : marks)
            area += m.rect.intersects(place) ? place.width() * place.height() : 0;
        return area;
    };
    const int largest = std::max(kSmallestMark, height() * 2 / 5);
    for (const QChar mark : citedBy_) {
        std::optional<CMarkPlace> found;
        QRect least;
        for (int size = largest; size >= kSmallestMark && !found; --size) {
            const QFontMetrics markMetrics(MarkFont(size));
            const int padding = size >= 9 ? 4 : 2;
            const QSize box(markMetrics.tightBoundingRect(mark).width() + padding, markMetrics.capHeight() + padding);
            const int right = inside.right() - box.width() + 1;
            const int bottom = inside.bottom() - box.height() + 1;
            const QPoint corners[] = {inside.topLeft(), {right, inside.top()}, {inside.left(), bottom}, {right, bottom}};
            std::vector<QPoint> places(std::begin(corners), std::end(corners));
            for (int y : {inside.top(), bottom})
                for (int x = inside.left() + 1; x < right; ++x)
                    places.emplace_back(x, y);
            const auto free = std::find_if(places.begin(), places.end(), [&](const QPoint& at) { return covered(QRect(at, box)) == 0; });
            if (free != places.end())
                found = CMarkPlace{QRect(*free, box), size};
            least = QRect(*std::min_element(std::begin(corners), std::end(corners), [&](const QPoint& a, const QPoint& b) {
                return covered(QRect(a, box)) < covered(QRect(b, box));
            }), box);
        }
        marks.push_back(found ? *found : CMarkPlace{least, kSmallestMark});
    }
    return marks;
}

// An outline over the border and just inside it, and the marks, in the
// palette's highlight made to stand out against the cell's background.
void CCellEdit::PaintCitation(QPainter& painter) const
{
    const QColor colour = CitationColour(palette());
    painter.setClipping(false);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    const std::vector<CMarkPlace> places = MarkPlaces();
    painter.setPen(CitationMarkColour(palette()));
    for (std::size_t k = 0; k < places.size(); ++k) {
        painter.fillRect(places[k].rect, colour);
        painter.setFont(MarkFont(places[k].pixelSize));
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
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect area = TextArea();
    painter.setClipRect(area);
    if (look.markBackground.isValid())
        painter.fillRect(SameDigitRect(), look.markBackground);
    painter.setFont(CurrentFont());
    const QFontMetrics metrics(CurrentFont());
    const int lineHeight = metrics.height();
    int top = TextTop(metrics, static_cast<int>(Lines().size()));
    const bool focused = hasFocus();
    for (const CLine& line : Lines()) {
        const int left = LineLeft(line);
        const int baseline = top + metrics.ascent();
        // Draws characters from to to of the line (0-based within it),
        // only those that can be seen, in the pen's colour.
        const auto drawPart = [&](int from, int to) {
            const auto begin = line.edges.begin();
            const int first = std::max(from, static_cast<int>(std::upper_bound(begin, line.edges.end(), area.left() - left) - begin) - 2);
            const int last = std::min(to, static_cast<int>(std::lower_bound(begin, line.edges.end(), area.right() - left) - begin) + 1);
            if (first < last)
                painter.drawText(left + line.edges[static_cast<std::size_t>(first)], baseline,
                                 text_.mid(line.start + first, last - first));
        };
        const bool found = found_ && IsDigitText(text_);
        painter.setPen(look.text);
        drawPart(0, line.length);
        if (found) {
            const int under = baseline + std::max(1, metrics.underlinePos());
            painter.fillRect(QRect(left, under, line.edges.back(), std::max(1, metrics.lineWidth())), painter.pen().color());
        }

        const int from = std::max(SelectionStart(), line.start) - line.start;
        const int to = std::min(SelectionEnd(), line.start + line.length) - line.start;
        if (focused && from < to) {
            const int x = left + line.edges[static_cast<std::size_t>(from)];
            painter.fillRect(QRect(x, top, line.edges[static_cast<std::size_t>(to)] - line.edges[static_cast<std::size_t>(from)], lineHeight),
                             colours.color(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            drawPart(from, to);
        }
        if (focused && caretVisible_ && caret_ >= line.start && caret_ <= line.start + line.length) {
            const int x = left + line.edges[static_cast<std::size_t>(caret_ - line.start)];
            painter.fillRect(QRect(x, top, 1, lineHeight), colours.color(QPalette::Text));
        }
        top += lineHeight;
    }
    if (IsCited()) {
        PaintCitation(painter);
    } else if (look.outline.isValid()) {
        painter.setClipping(false);
        PaintFrame(painter, rect(), look.outline, look.outlineWidth, look.dashed);
    }
}

int CCellEdit::PositionAt(const QPoint& point) const
{
    const QFontMetrics metrics(CurrentFont());
    const std::vector<CLine>& lines = Lines();
    const int top = TextTop(metrics, static_cast<int>(lines.size()));
    const int row = std::clamp((point.y() - top) / std::max(metrics.height(), 1), 0, static_cast<int>(lines.size()) - 1);
    const CLine& line = lines[static_cast<std::size_t>(row)];
    // The nearest gap between characters.
    const int x = point.x() - LineLeft(line);
    const auto after = std::lower_bound(line.edges.begin(), line.edges.end(), x);
    if (after == line.edges.begin())
        return line.start;
    if (after == line.edges.end())
        return line.start + line.length;
    const auto gap = (*after - x < x - *(after - 1)) ? after : after - 1;
    return line.start + static_cast<int>(gap - line.edges.begin());
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
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
    case Qt::Key_Home: MoveCaret(0, shift); return;
    case Qt::Key_End: MoveCaret(static_cast<int>(text_.size()), shift); return;
    case Qt::Key_Backspace: DeleteSelectionOr(-1); return;
    default: break;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        // Undo and redo are the board's: a key reaches the cell only when
        // the board has nothing to take back (or make again), and then it
        // does nothing, as it would anywhere else in the window.
    } else if (event->matches(QKeySequence::Cut)) {
        Cut();
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::Paste)) {
        Paste();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SetSelection(0, -1);
    } else if (event->key() == Qt::Key_Delete) {
        DeleteSelectionOr(1);
    } else if (IsDigitText(event->text()) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        ReplaceSelection(event->text());
    } else if (!event->text().isEmpty() && event->text()[0].isPrint()
               && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Only digits may be typed; other characters are swallowed.
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CCellEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (IsDigitText(event->commitString()))
        ReplaceSelection(event->commitString());
    event->accept();
}

void CCellEdit::MoveCaret(int position, bool extendSelection)
{
    caret_ = position;
    if (!extendSelection)
        anchor_ = position;
    RestartCaretBlink();
    update();
}

void CCellEdit::ReplaceSelection(const QString& text)
{
    const int start = SelectionStart();
    const int room = kMaxTextLength - (static_cast<int>(text_.size()) - (SelectionEnd() - start));
    const QString inserted = text.left(std::max(room, 0));
    if (inserted.isEmpty() && !HasSelection())
        return;
    undoText_ = text_;
    QString edited = QString(text_).replace(start, SelectionEnd() - start, inserted);
    caret_ = anchor_ = start + static_cast<int>(inserted.size());
    ChangeText(std::move(edited));
    RestartCaretBlink();
    update();
    emit userEdited();
}

void CCellEdit::DeleteSelectionOr(int direction)
{
    if (!HasSelection()) {
        const int other = caret_ + direction;
        if (other < 0 || other > text_.size())
            return;
        anchor_ = other;
    }
    ReplaceSelection(QString());
}

void CCellEdit::Undo()
{
    if (undoText_ == text_)
        return;
    QString previous = undoText_;
    undoText_ = text_;
    ChangeText(std::move(previous));
    SetSelection(0, -1);
    emit userEdited();
}

void CCellEdit::Cut()
{
    if (!HasSelection())
        return;
    Copy();
    ReplaceSelection(QString());
}

void CCellEdit::Copy() const
{
    if (HasSelection())
        QApplication::clipboard()->setText(text_.mid(SelectionStart(), SelectionEnd() - SelectionStart()));
}

// A whole puzzle goes to the board, as Paste Puzzle takes it; any other
// text into the cell.
void CCellEdit::Paste()
{
    const std::optional<QString> text = ClipboardText();
    if (!text) {
        emit clipboardSilent();
        return;
    }
    if (ParsePuzzleText(text->toStdString())) {
        emit puzzlePasted(*text);
        return;
    }
    QString pasted = *text;
    pasted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!pasted.isEmpty())
        ReplaceSelection(pasted);
}

void CCellEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The click that brings the focus here keeps the whole text selected,
    // so that a digit typed next replaces it; a further click places the caret.
    if (justFocusedByMouse_) {
        justFocusedByMouse_ = false;
        pressPosition_ = PositionAt(event->position().toPoint());
        return;
    }
    pressPosition_ = -1;
    MoveCaret(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void CCellEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (pressPosition_ >= 0) {
        // Dragging after the focusing click selects from where it was pressed.
        anchor_ = pressPosition_;
        pressPosition_ = -1;
    }
    MoveCaret(PositionAt(event->position().toPoint()), true);
}

void CCellEdit::mouseDoubleClickEvent(QMouseEvent*)
{
    SetSelection(0, -1);
}

void CCellEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The keyboard's menu key opens the window's menu, not the cell's.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    // Ctrl+Z is the board's: it undoes a typed digit with the rest.
    menu.addAction(tr("&Undo"), this, &CCellEdit::Undo)->setEnabled(undoText_ != text_);
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), QKeySequence::Cut, this, &CCellEdit::Cut)->setEnabled(HasSelection());
    menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &CCellEdit::Copy)->setEnabled(HasSelection());
    const std::optional<QString> clipboard = ClipboardText();
    menu.addAction(tr("&Paste"), QKeySequence::Paste, this, &CCellEdit::Paste)
        ->setEnabled(clipboard && !clipboard->isEmpty());
    menu.addAction(tr("&Delete"), this, [this] { DeleteSelectionOr(0); })->setEnabled(HasSelection());
    menu.addSeparator();
    menu.addAction(tr("Select &All"), QKeySequence::SelectAll, this, [this] { SetSelection(0, -1); })
        ->setEnabled(!text_.isEmpty());
    menu.exec(event->globalPos());
}

void CCellEdit::focusInEvent(QFocusEvent* event)
{
    justFocusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    RestartCaretBlink();
    emit focusGained();
    QWidget::focusInEvent(event);
}

void CCellEdit::focusOutEvent(QFocusEvent* event)
{
    blink_.stop();
    caretVisible_ = false;
    update();
    QWidget::focusOutEvent(event);
}

void CCellEdit::RestartCaretBlink()
{
    if (!hasFocus())
        return;
    caretVisible_ = true;
    const int interval = QApplication::cursorFlashTime() / 2;
    if (interval > 0)
        blink_.start(interval, this);
}

void CCellEdit::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != blink_.timerId())
        return QWidget::timerEvent(event);
    caretVisible_ = !caretVisible_;
    update();
}
