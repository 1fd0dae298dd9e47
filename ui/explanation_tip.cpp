// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "explanation_tip.h"

#include "citation_style.h"
#include "popup.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Between the tip and the window it stands beside.
constexpr int kGap = 4;
// Where the tip does not fit beside the window, it is tried at this many
// widths and one more, from the screen's width down to the narrowest.
constexpr int kWidthSteps = 6;

// As long as the toolkit's own tooltips show: ten seconds, and more for a
// longer text.
int ShownMs(const QString& text) { return 10000 + 40 * static_cast<int>(text.size()); }

std::int64_t Area(const QRect& r) { return r.isEmpty() ? 0 : std::int64_t{r.width()} * r.height(); }

// The tip beside the window: the sides in order, each tried as wide as it
// allows, the tip level with the explained cell (anchor).
std::optional<QRect> BesideWindow(const QRect& screen, const QRect& window, const QRect& anchor,
                                  const std::function<QSize(int)>& sizeFor, int widest, int narrowest)
{
    enum Side { Right, Left, Below, Above };
    const QRect sides[] = {
        QRect(QPoint(window.right() + 1 + kGap, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(window.left() - 1 - kGap, screen.bottom())),
        QRect(QPoint(screen.left(), window.bottom() + 1 + kGap), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), window.top() - 1 - kGap)),
    };
    for (const Side side : {Right, Left, Below, Above}) {
        const QRect& room = sides[side];
        if (room.width() < narrowest || room.height() <= 0)
            continue;
        const QSize size = sizeFor(std::min(widest, room.width()));
        if (size.width() > room.width() || size.height() > room.height())
            continue;
        QRect placed(QPoint(), size);
        if (side == Right || side == Left) {
            placed.moveLeft(side == Left ? room.right() - size.width() + 1 : room.left());
            placed.moveTop(std::clamp(anchor.top(), room.top(), room.bottom() - size.height() + 1));
        } else {
            placed.moveLeft(std::clamp(anchor.left(), room.left(), room.right() - size.width() + 1));
            placed.moveTop(side == Above ? room.bottom() - size.height() + 1 : room.top());
        }
        return placed;
    }
    return std::nullopt;
}

} // namespace

std::vector<int> TipWidths(const QRect& screen, int narrowest)
{
    std::vector<int> widths;
    const int widest = std::max(1, screen.width());
    narrowest = std::clamp(narrowest, 1, widest);
    for (int step = kWidthSteps; step >= 0; --step)
        widths.push_back(narrowest + (widest - narrowest) * step / kWidthSteps);
    return widths;
}

QRect PlaceTip(const QRect& screen, const QRect& window, const std::vector<QRect>& keepClear,
               const std::function<QSize(int)>& sizeFor, int widest, int narrowest)
{
    widest = std::clamp(widest, 1, std::max(1, screen.width()));
    narrowest = std::clamp(narrowest, 1, widest);
    const QRect anchor = keepClear.empty() ? window : keepClear.front();
    std::vector<QRect> kept;
    for (const QRect& k : keepClear)
        kept.push_back(k.adjusted(-kClearance, -kClearance, kClearance, kClearance));
    const auto clear = [&kept](const QRect& r) {
        return std::none_of(kept.begin(), kept.end(), [&r](const QRect& k) { return r.intersects(k); });
    };
    if (const auto beside = BesideWindow(screen, window, anchor, sizeFor, widest, narrowest); beside && clear(*beside))
        return *beside;

    // A rectangle that fits among others can slide left until it meets the
    // screen's edge or one of them, then up in the same way, and still
    // fit: so the places whose left and top edges lie there are all that
    // need trying. The others (right and bottom edges against one) are
    // tried too, for places nearer the cell.
    struct Choice {
        QRect place;
        std::int64_t cost;
    };
    std::optional<Choice> best;
    std::optional<Choice> fallback;
    const QPoint centre = anchor.center();
    for (const int width : TipWidths(screen, narrowest)) {
        const QSize size = sizeFor(width);
        const int w = std::min(size.width(), screen.width());
        const int h = std::min(size.height(), screen.height());
        std::vector<int> xs = {screen.left(), screen.right() - w + 1};
        std::vector<int> ys = {screen.top(), screen.bottom() - h + 1};
        for (const QRect& k : kept) {
            xs.push_back(k.right() + 1);
            xs.push_back(k.left() - w);
            ys.push_back(k.bottom() + 1);
            ys.push_back(k.top() - h);
        }
        for (int x : xs) {
            for (int y : ys) {
                const QRect place(std::clamp(x, screen.left(), screen.right() - w + 1),
                                  std::clamp(y, screen.top(), screen.bottom() - h + 1), w, h);
                const std::int64_t distance =
                    std::abs(place.center().x() - centre.x()) + std::abs(place.center().y() - centre.y());
                if (size.height() <= screen.height() && clear(place)) {
                    // Over as little of the window as it can, then near the cell.
                    const std::int64_t cost = Area(place & window) * 4 + distance;
                    if (!best || cost < best->cost)
                        best = Choice{place, cost};
                } else if (!best) {
                    // The explained cell first, then as few cited cells as can be.
                    std::int64_t covered = 0;
                    for (std::size_t i = 0; i < keepClear.size(); ++i)
                        covered += place.intersects(keepClear[i]) ? (i == 0 ? 1000 : 1) : 0;
                    const std::int64_t cost = covered * (std::int64_t{1} << 40) + distance;
                    if (!fallback || cost < fallback->cost)
                        fallback = Choice{place, cost};
                }
            }
        }
    }
    return best ? best->place : fallback->place;
}

CExplanationTip::CExplanationTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::BypassGraphicsProxyWidget),
      popup_(new CPopup(this, CPopup::Closing::OnInputOrFocusLoss))
{
    document_.setDefaultFont(font());
    document_.setDocumentMargin(0);
    connect(popup_, &CPopup::hidden, this, &CExplanationTip::hidden);
    connect(popup_, &CPopup::dismissed, this, &CExplanationTip::dismissed);
}

int CExplanationTip::Widest()
{
    return QFontMetrics(font()).averageCharWidth() * 64 + Frame().left() + Frame().right();
}

int CExplanationTip::Narrowest()
{
    return QFontMetrics(font()).averageCharWidth() * 26 + Frame().left() + Frame().right();
}

// The tip is placed by its frame, where the platform gives a tooltip one.
QMargins CExplanationTip::Frame()
{
    create();
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

QSize CExplanationTip::FramedSize(int width)
{
    const QMargins frame = Frame();
    return SizeFor(width - frame.left() - frame.right())
        + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

QSize CExplanationTip::SizeFor(int width)
{
    const int room = std::max(1, width - 2 * popup_->Margin());
    document_.setTextWidth(room);
    // As narrow as the text allows within that room.
    document_.setTextWidth(std::min<qreal>(room, std::ceil(document_.idealWidth())));
    return QSize(static_cast<int>(std::ceil(document_.textWidth())),
                 static_cast<int>(std::ceil(document_.size().height())))
        + QSize(2 * popup_->Margin(), 2 * popup_->Margin());
}

void CExplanationTip::ShowExplanation(const CExplanation& explanation, const QWidget* window,
                                      const std::vector<QRect>& keepClear)
{
    text_ = explanation.Text();
    title_ = explanation.title;
    // The window may have enlarged the tip's font since the last one.
    document_.setDefaultFont(font());
    const QColor fill = CitationColour(window->palette());
    const QColor letter = CitationMarkColour(window->palette());
    QString html =
        QStringLiteral("<p style=\"margin-bottom:3px\"><b>%1</b></p><table cellspacing=\"0\" cellpadding=\"2\">")
            .arg(title_.toHtmlEscaped());
    for (const CExplanation::CLine& line : explanation.lines) {
        // The mark as the outlines show it: its letter on their colour.
        const QString mark = line.mark.isNull()
            ? QString()
            : QStringLiteral("<span style=\"background-color:%1; color:%2; font-weight:bold\">&nbsp;%3&nbsp;</span>")
                  .arg(fill.name(), letter.name(), QString(line.mark));
        html += QStringLiteral("<tr><td valign=\"top\">%1</td><td>%2</td></tr>").arg(mark, line.text.toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    document_.setHtml(html);

    const QRect place = PlaceTip(
        window->screen()->availableGeometry(), window->frameGeometry(), keepClear,
        [this](int width) { return FramedSize(width); }, Widest(), Narrowest());
    setGeometry(place.marginsRemoved(Frame()));
    SizeFor(width());
    popup_->Show(ShownMs(text_));
    update();
}

void CExplanationTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    popup_->PaintPanel(painter);
    painter.translate(popup_->Margin(), popup_->Margin());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
    document_.documentLayout()->draw(&painter, context);
}
