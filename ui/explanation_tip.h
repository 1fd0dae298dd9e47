// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell_explanation.h"

#include <QTextDocument>
#include <QWidget>

#include <functional>
#include <vector>

// Where a tip goes on screen (all in global coordinates): beside window
// (to its right, else its left, below, above) if it fits there whole, as
// wide as the side allows up to widest; else anywhere on screen where it
// covers none of keepClear (nor comes within kClearance of them), at one
// of TipWidths, over as little of the window and as near keepClear's first
// rectangle (the explained cell) as it can; else where it covers that first
// rectangle if it can help it, and as few of the others as it can. sizeFor
// gives the tip's size when it may be at most that wide. If any place at
// any of those widths keeps clear, the tip keeps clear. The result lies on
// screen wherever it fits there.
inline constexpr int kClearance = 2;
QRect PlaceTip(const QRect& screen, const QRect& window, const std::vector<QRect>& keepClear,
               const std::function<QSize(int)>& sizeFor, int widest, int narrowest);
// The widths a tip is tried at away from the window: from the screen's
// width down to narrowest.
std::vector<int> TipWidths(const QRect& screen, int narrowest);

class CPopup;

// An explanation beside the board, under a title naming the cell, each line
// that cites cells after its mark, in the colours of the outlines on the
// board. A pop-up (see CPopup) that also goes when the window loses the
// focus.
class CExplanationTip : public QWidget {
    Q_OBJECT

public:
    explicit CExplanationTip(QWidget* parent);
    // Shows explanation placed by PlaceTip on the screen that holds window,
    // keeping keepClear (global rectangles) uncovered.
    void ShowExplanation(const CExplanation& explanation, const QWidget* window, const std::vector<QRect>& keepClear);
    // The explanation's text, as a screen reader reads it.
    QString Text() const { return text_; }
    QString Title() const { return title_; }
    // The document the tip paints, for checking what it shows.
    const QTextDocument& Document() const { return document_; }
    // The size the tip takes when it may be at most width wide; framed:
    // with the frame the platform gives it, which is what is placed.
    QSize SizeFor(int width);
    QSize FramedSize(int width);
    // The widest and narrowest the tip is made, framed.
    int Widest();
    int Narrowest();

signals:
    void hidden();
    // Escape closed it: what it showed is dismissed, not only out of sight.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMargins Frame();

    CPopup* popup_;
    QTextDocument document_;
    QString text_;
    QString title_;
};
