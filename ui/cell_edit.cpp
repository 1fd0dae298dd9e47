// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_edit.h"

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

namespace {

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
    text_ = std::move(text);
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, SpokenValue());
        QAccessible::updateAccessibility(&event);
    }
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
        return tr("no candidates left");
    if (digits.size() == 1)
        return tr("candidate %1").arg(digits.front());
    const QString last = digits.takeLast();
    return tr("candidates %1 and %2").arg(digits.join(QLatin1String(", ")), last);
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
    const QFontMetrics metrics(CurrentFont());
    const QStringList lines = text_.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width, static_cast<int>(lines.size()) * metrics.height()};
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

int CCellEdit::LineLeft(const QFontMetrics& metrics, const QString& line) const
{
    const QRect area = TextArea();
    return area.left() + (area.width() - metrics.horizontalAdvance(line)) / 2;
}

void CCellEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(isEnabled() ? QPalette::Base : QPalette::Window));
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setClipRect(TextArea());
    painter.setFont(CurrentFont());
    const QFontMetrics metrics(CurrentFont());
    const QStringList lines = text_.split(QLatin1Char('\n'));
    const int lineHeight = metrics.height();
    int top = TextTop(metrics, static_cast<int>(lines.size()));
    const bool focused = hasFocus();
    int lineStart = 0;
    for (const QString& line : lines) {
        const int left = LineLeft(metrics, line);
        const int baseline = top + metrics.ascent();
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(left, baseline, line);

        const int lineEnd = lineStart + static_cast<int>(line.size());
        const int from = std::max(SelectionStart(), lineStart);
        const int to = std::min(SelectionEnd(), lineEnd);
        if (focused && from < to) {
            const QString before = line.left(from - lineStart);
            const QString selected = line.mid(from - lineStart, to - from);
            const int x = left + metrics.horizontalAdvance(before);
            painter.fillRect(QRect(x, top, metrics.horizontalAdvance(selected), lineHeight),
                             colours.color(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(x, baseline, selected);
        }
        if (focused && caretVisible_ && caret_ >= lineStart && caret_ <= lineEnd) {
            const int x = left + metrics.horizontalAdvance(line.left(caret_ - lineStart));
            painter.fillRect(QRect(x, top, 1, lineHeight), colours.color(QPalette::Text));
        }
        lineStart = lineEnd + 1;
        top += lineHeight;
    }
}

int CCellEdit::PositionAt(const QPoint& point) const
{
    const QFontMetrics metrics(CurrentFont());
    const QStringList lines = text_.split(QLatin1Char('\n'));
    const int lineHeight = metrics.height();
    const int top = TextTop(metrics, static_cast<int>(lines.size()));
    const int row = std::clamp((point.y() - top) / std::max(lineHeight, 1), 0,
                               static_cast<int>(lines.size()) - 1);
    int position = 0;
    for (int i = 0; i < row; ++i)
        position += static_cast<int>(lines[i].size()) + 1;
    const QString& line = lines[row];
    const int left = LineLeft(metrics, line);
    // The nearest gap between characters.
    int best = 0;
    int bestDistance = std::abs(point.x() - left);
    for (int k = 1; k <= line.size(); ++k) {
        const int distance = std::abs(point.x() - (left + metrics.horizontalAdvance(line.left(k))));
        if (distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    return position + best;
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
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
    if (event->matches(QKeySequence::Undo)) {
        Undo();
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

void CCellEdit::Paste()
{
    QString pasted = QApplication::clipboard()->text();
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
    QMenu menu(this);
    menu.addAction(tr("&Undo"), QKeySequence::Undo, this, &CCellEdit::Undo)->setEnabled(undoText_ != text_);
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), QKeySequence::Cut, this, &CCellEdit::Cut)->setEnabled(HasSelection());
    menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &CCellEdit::Copy)->setEnabled(HasSelection());
    menu.addAction(tr("&Paste"), QKeySequence::Paste, this, &CCellEdit::Paste)
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
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
