// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "dialog_template.h"

#include "app_icon.h"
#include "push_button.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace {

// The small windows ask for "MS Sans Serif". Where it is missing, Liberation
// Sans, metric-compatible with Arial, keeps the texts within the widths they
// were laid out for; the system's sans font comes after it.
constexpr int kMargin = 7;

QFont TemplateFont()
{
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

CDialogTemplate::CDialogTemplate(QWidget* parent, const QString& title, int width, int height)
    : CDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      units_(TemplateFont())
{
    setFont(TemplateFont());
    setWindowTitle(title);
    setFixedSize(units_.X(width), units_.Y(height));
}

// The left edge of the first control, not one of the texts, that stands
// within the lines of a text at area further right; none when there is none.
std::optional<int> CDialogTemplate::ControlBeside(const QRect& area) const
{
    std::optional<int> left;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool text =
            std::any_of(texts_.begin(), texts_.end(), [control](const auto& t) { return t.first == control; });
        if (!text && control->x() > area.left() && control->geometry().top() <= area.bottom()
            && control->geometry().bottom() >= area.top())
            left = std::min(left.value_or(control->x()), control->x());
    }
    return left;
}

// How far right a text at area may reach: to the margin, or to the first
// control beside it.
int CDialogTemplate::RightLimit(const QRect& area) const
{
    const int margin = width() - units_.X(kMargin);
    const std::optional<int> control = ControlBeside(area);
    return control ? std::min(margin, *control - units_.X(kMargin)) : margin;
}

QLabel* CDialogTemplate::AddText(int x, int y, int width, int height, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(units_.Rect(x, y, width, height));
    texts_.push_back({label, QRect(x, y, width, height)});
    return label;
}

// The layout was measured in a narrower font than most systems have, in
// which a text may need another line. So a text that would lose its end is
// given the room up to the right margin (or the control beside it), each
// text is as tall as its lines, and the texts follow one another down the
// window with the gaps the layout has between them, so that a longer text
// pushes the next down instead of running into it. If the last would then
// end within the bottom margin, the gaps shrink alike until it does not.
void CDialogTemplate::LayOutTexts()
{
    std::vector<QRect> areas;
    std::vector<int> gaps;
    int layoutBottom = 0;
    int totalGap = 0;
    int totalHeight = 0;
    for (const auto& [label, layout] : texts_) {
        QRect area = units_.Rect(layout.x(), layout.y(), layout.width(), layout.height());
        if (label->heightForWidth(area.width()) > area.height())
            area.setRight(RightLimit(area) - 1);
        area.setHeight(label->heightForWidth(area.width()));
        gaps.push_back(units_.Y(std::max(0, layout.y() - layoutBottom)));
        layoutBottom = layout.y() + layout.height();
        // The first text keeps its place below the top margin.
        totalGap += areas.empty() ? 0 : gaps.back();
        totalHeight += area.height();
        areas.push_back(area);
    }
    const int room = texts_.empty() ? 0 : height() - units_.Y(kMargin) - totalHeight - gaps[0];
    int top = 0;
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        const bool shrink = i > 0 && room < totalGap;
        const int gap = shrink ? std::max(0, room) * gaps[i] / totalGap : gaps[i];
        areas[i].moveTop(top + gap);
        // Moved down, a text may come beside a control it was not beside in
        // the layout: then its lines end before it.
        if (const int limit = RightLimit(areas[i]); ControlBeside(areas[i]) && areas[i].right() >= limit) {
            areas[i].setRight(limit - 1);
            areas[i].setHeight(texts_[i].first->heightForWidth(areas[i].width()));
        }
        top = areas[i].bottom() + 1;
        texts_[i].first->setGeometry(areas[i]);
    }
}

QPushButton* CDialogTemplate::AddButton(int x, int y, int width, int height, const QString& caption)
{
    auto* button = new CPushButton(caption, this);
    button->setGeometry(units_.Rect(x, y, width, height));
    return button;
}

QLabel* CDialogTemplate::AddIcon(int x, int y, int width, int height)
{
    auto* label = new QLabel(this);
    const QPixmap icon = ZifrelIcon().pixmap(32, 32);
    // The layout's box may be smaller than the icon at this font; the icon
    // is never cut.
    const QRect area = units_.Rect(x, y, width, height);
    label->setGeometry(QRect(area.topLeft(), area.size().expandedTo(icon.deviceIndependentSize().toSize())));
    label->setPixmap(icon);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
