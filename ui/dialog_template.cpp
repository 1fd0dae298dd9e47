// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "dialog_template.h"

#include "app_icon.h"
#include "push_button.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

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
    : CDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      units_(TemplateFont())
{
    setFont(TemplateFont());
    setWindowTitle(title);
    setFixedSize(units_.X(width), units_.Y(height));
}

QLabel* CDialogTemplate::AddText(int x, int y, int width, int height, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // The layout was measured in a narrower font than most systems have: a
    // text that would lose its end is given the room up to the right margin,
    // and if that is not enough, the room below it down to the window's edge.
    QRect area = units_.Rect(x, y, width, height);
    const auto needed = [&](const QRect& r) {
        return label->fontMetrics().boundingRect(r, Qt::TextWordWrap, text).height();
    };
    if (needed(area) > area.height())
        area.setRight(this->width() - units_.X(kMargin) - 1);
    if (needed(area) > area.height())
        area.setHeight(std::min(needed(area), this->height() - area.top()));
    label->setGeometry(area);
    return label;
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
    const QRect area = units_.Rect(x, y, width, height);
    label->setGeometry(area);
    label->setPixmap(ZifrelIcon().pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
