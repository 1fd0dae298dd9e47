// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <cstdint>
#include <string>

// Fonts belong to the window; the model only hands their handles on.
// Handle 0 stands for "no font": the control falls back to its own.
using FontHandle = std::uintptr_t;
inline constexpr FontHandle kNoFont = 0;

// What a cell needs of the control that shows it, and nothing more.
class CCellControl {
public:
    virtual ~CCellControl() = default;

    // Selects the font for the text that follows; must not repaint by itself.
    virtual void SetCellFont(FontHandle font) = 0;
    // Replaces the text. Lines are separated by "\r\n". A text set here is
    // never reported back to the window as an edit made by the user.
    virtual void SetCellText(const std::string& text) = 0;
    virtual std::string CellText() const = 0;
};
