// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell.h"

#include <cassert>

namespace {

// All 512 pencil-mark texts, built once: the display is rewritten after
// every change, and this keeps that to a copy.
std::array<std::string, 512> BuildCandidateTexts()
{
    std::array<std::string, 512> texts;
    for (unsigned open = 0; open < texts.size(); ++open) {
        std::string& text = texts[open];
        for (int d = 1; d <= 9; ++d) {
            text += (open & DigitBit(d)) ? static_cast<char>('0' + d) : ' ';
            if (d % 3 != 0)
                text += "  ";
            else if (d != 9)
                text += "\r\n";
        }
    }
    return texts;
}

const std::string& CandidateText(int openMask)
{
    static const std::array<std::string, 512> texts = BuildCandidateTexts();
    return texts[static_cast<unsigned>(openMask)];
}

} // namespace

void CCell::SetValue(int v)
{
    assert(v >= 0 && v <= 9);
    if (v == 0) {
        ClearCell();
        return;
    }
    value_ = v;
    excluded_ = kAllDigits & ~DigitBit(v);
    UpdateDisplay();
}

void CCell::ClearCell()
{
    value_ = 0;
    excluded_ = 0;
    UpdateDisplay();
}

int CCell::ReadFromControl()
{
    if (!control_)
        return value_;
    const std::string text = control_->CellText();
    int v = 0;
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        v = text[0] - '0';
    value_ = v;
    return v;
}

void CCell::AttachFonts(FontHandle valueFont, FontHandle candidateFont)
{
    valueFont_ = valueFont;
    candidateFont_ = candidateFont;
}

std::string CCell::DisplayText() const
{
    if (value_ != 0)
        return std::to_string(value_);
    if (excluded_ == 0)
        return {};
    return CandidateText(CandidateMask());
}

FontHandle CCell::DisplayFont() const
{
    return ShowsCandidates() ? candidateFont_ : valueFont_;
}

void CCell::UpdateDisplay()
{
    if (!control_)
        return;
    control_->SetCellFont(DisplayFont());
    control_->SetCellText(DisplayText());
}
