// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

// The smallest a mark's letter is made, in pixels, where a cell is crowded.
constexpr int kSmallestMark = 6;

} // namespace

void CCellText::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    stale_ = true;
}

void CCellText::SetFont(const QFont& font)
{
    if (font == font_)
        return;
    font_ = font;
    stale_ = true;
}

const std::vector<CCellText::CLine>& CCellText::Lines() const
{
    if (!stale_)
        return lines_;
    stale_ = false;
    const QFontMetricsF metrics(font_);
    lineHeight_ = QFontMetrics(font_).height();
    lines_.clear();
    laidOut_.clear();
    drawnSinceChange_ = 0;
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

// Painting, hit-testing and the marks all place the lines through these two.
int CCellText::Top() const
{
    const auto lines = static_cast<int>(Lines().size());
    return area_.top() + (area_.height() - lines * lineHeight_) / 2;
}

int CCellText::LineLeft(const CLine& line) const { return area_.left() + (area_.width() - line.edges.back()) / 2; }

QRect CCellText::Bounds() const
{
    int left = area_.right();
    int right = area_.left();
    for (const CLine& line : Lines()) {
        left = std::min(left, LineLeft(line));
        right = std::max(right, LineLeft(line) + line.edges.back());
    }
    return QRect(left, Top(), std::max(0, right - left), static_cast<int>(lines_.size()) * lineHeight_);
}

int CCellText::PositionAt(const QPoint& point) const
{
    const std::vector<CLine>& lines = Lines();
    const int row = std::clamp((point.y() - Top()) / std::max(lineHeight_, 1), 0, static_cast<int>(lines.size()) - 1);
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

QRect CCellText::CharacterRect(int line, int column) const
{
    const CLine& at = Lines()[static_cast<std::size_t>(line)];
    const auto k = static_cast<std::size_t>(column);
    return QRect(LineLeft(at) + at.edges[k], Top() + line * lineHeight_, at.edges[k + 1] - at.edges[k], lineHeight_);
}

std::vector<QRect> CCellText::Ink(const QRect& inside) const
{
    std::vector<QRect> ink;
    const QFontMetrics metrics(font_);
    int top = Top();
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
                ink.push_back(metrics.boundingRect(c).translated(x, top + metrics.ascent()).adjusted(-1, -1, 1, 1));
        }
        top += metrics.height();
    }
    return ink;
}

const std::vector<QStaticText>* CCellText::LaidOut(const QTransform& transform) const
{
    const std::vector<CLine>& lines = Lines();
    if (laidOut_.size() == lines.size() && laidOutFor_ == transform)
        return &laidOut_;
    // Laying a line out to keep costs about what drawing it twice does: the
    // first two paints after a change draw, the third lays out. Most cells
    // change and repaint once or twice (a command, a strike), while the
    // cells of the focused digit repaint at every move of the focus.
    if (laidOutFor_ != transform) {
        drawnSinceChange_ = 0;
        laidOutFor_ = transform;
    }
    if (++drawnSinceChange_ <= kDrawsBeforeLayingOut)
        return nullptr;
    laidOut_.clear();
    for (const CLine& line : lines) {
        // A line wider than the area is drawn in part, and never laid out.
        QStaticText text(line.edges.back() <= area_.width() ? text_.mid(line.start, line.length) : QString());
        text.setTextFormat(Qt::PlainText);
        text.prepare(transform, font_);
        laidOut_.push_back(std::move(text));
    }
    return &laidOut_;
}

void CCellText::Paint(QPainter& painter, const CPens& pens) const
{
    painter.setClipRect(area_);
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    // A laid-out line is placed by its top, with its baseline the font's
    // exact ascent below: placed so that the baseline falls where drawText
    // puts it.
    const qreal ascent = QFontMetricsF(font_).ascent();
    const int lineHeight = metrics.height();
    const std::vector<QStaticText>* laidOut = LaidOut(painter.transform());
    int top = Top();
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        const CLine& line = lines_[k];
        const int left = LineLeft(line);
        const int baseline = top + metrics.ascent();
        // Draws characters from to to of the line (0-based within it),
        // only those that can be seen, in the pen's colour.
        const auto drawPart = [&](int from, int to) {
            const auto begin = line.edges.begin();
            const int first = std::max(
                from, static_cast<int>(std::upper_bound(begin, line.edges.end(), area_.left() - left) - begin) - 2);
            const int last = std::min(
                to, static_cast<int>(std::lower_bound(begin, line.edges.end(), area_.right() - left) - begin) + 1);
            if (laidOut && first == 0 && last == line.length)
                painter.drawStaticText(QPointF(left, baseline - ascent), (*laidOut)[k]);
            else if (first < last)
                painter.drawText(left + line.edges[static_cast<std::size_t>(first)], baseline,
                                 text_.mid(line.start + first, last - first));
        };
        painter.setPen(pens.text);
        drawPart(0, line.length);
        if (pens.underline) {
            const int under = baseline + std::max(1, metrics.underlinePos());
            painter.fillRect(QRect(left, under, line.edges.back(), std::max(1, metrics.lineWidth())), pens.text);
        }
        const int from = std::max(pens.selectionStart, line.start) - line.start;
        const int to = std::min(pens.selectionEnd, line.start + line.length) - line.start;
        if (from < to) {
            const int x = left + line.edges[static_cast<std::size_t>(from)];
            painter.fillRect(
                QRect(x, top, line.edges[static_cast<std::size_t>(to)] - line.edges[static_cast<std::size_t>(from)],
                      lineHeight),
                pens.highlight);
            painter.setPen(pens.highlightedText);
            drawPart(from, to);
        }
        if (pens.caret >= line.start && pens.caret <= line.start + line.length) {
            const int x = left + line.edges[static_cast<std::size_t>(pens.caret - line.start)];
            painter.fillRect(QRect(x, top, 1, lineHeight), pens.caretColour);
        }
        top += lineHeight;
    }
}

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

QFont MarkFont(const QFont& face, int pixelSize)
{
    QFont marks = face;
    marks.setBold(true);
    marks.setPixelSize(pixelSize);
    return marks;
}

std::vector<CMarkPlace> PlaceMarks(const QString& marks, const QRect& inside, const std::vector<QRect>& ink,
                                   const QFont& face, int largest)
{
    std::vector<CMarkPlace> placed;
    const auto covered = [&](const QRect& place) {
        int area = 0;
        for (const QRect& r : ink)
            area += (r & place).width() * (r & place).height();
        for (const CMarkPlace& m : placed)
            area += m.rect.intersects(place) ? place.width() * place.height() : 0;
        return area;
    };
    largest = std::max(kSmallestMark, largest);
    for (const QChar mark : marks) {
        std::optional<CMarkPlace> found;
        QRect least;
        for (int size = largest; size >= kSmallestMark && !found; --size) {
            const QFontMetrics markMetrics(MarkFont(face, size));
            const int padding = size >= 9 ? 4 : 2;
            const QSize box(markMetrics.tightBoundingRect(mark).width() + padding, markMetrics.capHeight() + padding);
            const int right = inside.right() - box.width() + 1;
            const int bottom = inside.bottom() - box.height() + 1;
            const QPoint corners[] = {
                inside.topLeft(), {right, inside.top()}, {inside.left(), bottom}, {right, bottom}};
            std::vector<QPoint> places(std::begin(corners), std::end(corners));
            for (int y : {inside.top(), bottom})
                for (int x = inside.left() + 1; x < right; ++x)
                    places.emplace_back(x, y);
            const auto free = std::find_if(places.begin(), places.end(),
                                           [&](const QPoint& at) { return covered(QRect(at, box)) == 0; });
            if (free != places.end())
                found = CMarkPlace{QRect(*free, box), size};
            least = QRect(*std::min_element(std::begin(corners), std::end(corners),
                                            [&](const QPoint& a, const QPoint& b) {
                                                return covered(QRect(a, box)) < covered(QRect(b, box));
                                            }),
                          box);
        }
        placed.push_back(found ? *found : CMarkPlace{least, kSmallestMark});
    }
    return placed;
}
