// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QTransform>

#include <vector>

class QPainter;

// A cell's text laid out as the cell paints it: each line centred across
// the area, the lines as a block centred from top to bottom. The place of
// every gap between characters is worked out once for each text and font,
// when first needed: painting and hit-testing then cost the same for a
// digit as for a long paste.
class CCellText {
public:
    // Lines are separated by '\n'.
    void SetText(const QString& text);
    void SetFont(const QFont& font);
    void SetArea(const QRect& area)
    {
        // Which lines fit whole, and so are laid out, follows the width.
        if (area.width() != area_.width())
            laidOut_.clear();
        area_ = area;
    }
    const QString& Text() const { return text_; }
    const QFont& Font() const { return font_; }

    // The box the lines take, centred in the area (it may be larger).
    QRect Bounds() const;
    // The gap between characters nearest point, as an index into the text.
    int PositionAt(const QPoint& point) const;
    // Where the character at column of line stands, as high as the line.
    QRect CharacterRect(int line, int column) const;
    // The ink of the characters that can be seen within inside, a pixel
    // wider all round.
    std::vector<QRect> Ink(const QRect& inside) const;

    // How to paint: the text's colour, underlined or not; the characters
    // from selectionStart to selectionEnd on the highlight; the caret, if
    // at a place (-1: none).
    struct CPens {
        QColor text;
        bool underline = false;
        int selectionStart = 0;
        int selectionEnd = 0;
        QColor highlight;
        QColor highlightedText;
        int caret = -1;
        QColor caretColour;
    };
    // Paints only what can be seen of it, clipped to the area.
    void Paint(QPainter& painter, const CPens& pens) const;

private:
    // One line: where it starts in the text, how long it is, and the
    // distance of each gap between characters from its left end (length + 1).
    struct CLine {
        int start;
        int length;
        std::vector<int> edges;
    };
    const std::vector<CLine>& Lines() const;
    // The lines laid out for painting whole, or none on the first paints
    // since the text, the font or the transform changed.
    const std::vector<QStaticText>* LaidOut(const QTransform& transform) const;
    int Top() const;
    int LineLeft(const CLine& line) const;

    QString text_;
    QFont font_;
    QRect area_;
    mutable std::vector<CLine> lines_;
    // Each line laid out once for painting whole, as long as the text, the
    // font and the painter's transform stay: cells repaint far more often
    // than they change (a strike, the focus, a highlight), and laying a
    // line out again each time was most of a repaint.
    mutable std::vector<QStaticText> laidOut_;
    mutable QTransform laidOutFor_;
    mutable int drawnSinceChange_ = 0;
    static constexpr int kDrawsBeforeLayingOut = 2;
    mutable int lineHeight_ = 0;
    mutable bool stale_ = true;
};

// A frame of width inside rect, whole or in dashes, painted pixel-exact.
void PaintFrame(QPainter& painter, const QRect& rect, const QColor& colour, int width, bool dashed);

// Where the marks of the lines that cite a cell go: each tries the corners
// inside, then every place along the top and bottom edges, and takes the
// first that covers none of ink and no mark before it; failing that, the
// same at smaller sizes, from largest pixels down; failing all, the corner
// that covers the least, at the smallest size. Each mark is a letter of
// face, bold, at its size.
struct CMarkPlace {
    QRect rect;
    int pixelSize;
};
std::vector<CMarkPlace> PlaceMarks(const QString& marks, const QRect& inside, const std::vector<QRect>& ink,
                                   const QFont& face, int largest);
QFont MarkFont(const QFont& face, int pixelSize);
