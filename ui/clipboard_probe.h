// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QString>

#include <optional>

// Reads the clipboard without letting its owner hold the window up. Under
// X11 the program that owns the clipboard hands its contents over; one that
// does not answer makes every read wait five seconds. So before the
// toolkit reads, the owner is asked, on a connection of its own, which
// formats it has, and given half a second to answer. An owner that did not
// answer is not waited for again until the clipboard changes hands.
class CClipboardProbe {
public:
    // True when the clipboard may be read at once: its owner answered, or
    // this program owns it, or nothing does, or the window system is not
    // X11 (where the toolkit does not wait in the same way).
    static bool OwnerAnswers();
    // Forgets the owner that did not answer; for when the clipboard changes.
    static void Forget();
    // How long the owner is given, in milliseconds.
    static constexpr int kPatienceMs = 500;
};

// The clipboard's text (empty when it holds none), or nullopt when its
// owner does not answer.
std::optional<QString> ClipboardText();
