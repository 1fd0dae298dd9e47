// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell.h"

#include <bit>
#include <cassert>
#include <cstring>

namespace {

// All 512 pencil-mark texts, built once: the display is made again after
// every change, and this keeps that to a copy. Three lines of seven
// characters, each open digit at its keypad place.
std::array<std::string, 512> BuildCandidateTexts()
{
    constexpr int kLineLength = 7;
    const std::string blank = "       \r\n       \r\n       ";
    std::array<std::string, 512> texts;
    for (unsigned open = 0; open < texts.size(); ++open) {
        std::string& text = texts[open] = blank;
        for (int d = 1; d <= 9; ++d)
            if (open & DigitBit(d)) {
                const CCandidatePlace place = CandidatePlace(d);
                text[static_cast<std::size_t>(place.line * (kLineLength + 2) + place.column)] =
                    static_cast<char>('0' + d);
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
    value_ = v;
    excluded_ = kExcludedForValue[v];
    fill_ = Fill::Given;
    ruledBy_ = {};
    UpdateDisplay();
}

void CCell::Place(int v, Fill how)
{
    assert(v >= 1 && v <= 9);
    value_ = v;
    excluded_ = kAllDigits & ~DigitBit(v);
    fill_ = how;
    UpdateDisplay();
}

void CCell::ClearCell() { SetValue(0); }

void CCell::Enter(int v)
{
    SetValue(v);
    if (v != 0)
        fill_ = Fill::Entered;
}

void CCell::Restore(const CCellState& state)
{
    value_ = state.value;
    fill_ = state.fill;
    excluded_ = state.excluded;
    ruledBy_ = state.ruledBy;
    evidence_ = state.evidence;
    secondEvidence_ = state.secondEvidence;
    pairOther_ = state.pairOther;
    UpdateDisplay();
}

CReason CCell::Reason(int digit) const
{
    const auto d = static_cast<unsigned>(digit - 1);
    for (unsigned k = 0; k < ruledBy_.size(); ++k)
        if (ruledBy_[k] & DigitBit(digit)) {
            const auto rule = static_cast<Rule>(k + 1);
            const bool pair = rule == Rule::RowPair || rule == Rule::ColumnPair;
            if (!pair)
                return {rule, evidence_[d]};
            return {rule, evidence_[d], secondEvidence_[d], pairOther_[d]};
        }
    return {};
}

void CCell::NoteRowColumnBox(std::uint64_t owed, const std::uint8_t* byRow, const std::uint8_t* byColumn,
                             const std::uint8_t* byBox)
{
    const std::uint8_t* const byLine[3] = {byRow, byColumn, byBox};
    for (unsigned k = 0; k < 3; ++k) {
        const auto digits = static_cast<DigitMask>(owed >> (16 * k) & kAllDigits);
        ruledBy_[k] |= digits;
        std::uint64_t firstEight = 0;
        std::memcpy(&firstEight, byLine[k], sizeof firstEight);
        BlendEvidence(digits, firstEight, byLine[k][8]);
    }
}

void CCell::NoteEvidence(const DigitMask (&sets)[4], const std::uint8_t (&evidence)[4])
{
    for (std::size_t k = 0; k < 4; ++k)
        BlendEvidence(sets[k], evidence[k] * std::uint64_t{0x0101010101010101}, evidence[k]);
}

std::string CCell::DisplayText() const
{
    if (value_ != 0)
        return std::to_string(value_);
    if (excluded_ == 0)
        return {};
    return CandidateText(CandidateMask());
}
