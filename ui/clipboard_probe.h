// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QString>

#include <cstddef>

// What reading the clipboard's text came to.
struct CClipboardText {
    enum class Outcome {
        Read,    // text holds it (perhaps empty)
        NoText,  // the clipboard holds nothing, or nothing that is text
        Silent,  // its owner did not answer in time
        TooLong, // it holds more than a puzzle can
    } outcome = Outcome::NoText;
    QString text;
};

// Reads the clipboard without letting its owner hold the window up. Under
// X11 the program that owns the clipboard hands its contents over, and the
// toolkit waits seconds for one that hangs, at every stage of the
// transfer. So the text is fetched here, on a connection of this program's
// own: the owner is given half a second to list its formats, half a
// second to hand the text over, and half a second for each chunk of a
// chunked transfer, and no more is read than a puzzle can take up. An
// owner that did not answer is not waited for again until the clipboard
// changes hands.
class CClipboardProbe {
public:
    // Forgets the owner that did not answer; for when the clipboard changes.
    static void Forget();
    // How long the owner is given for each stage, in milliseconds.
    static constexpr int kPatienceMs = 500;
    // How long a whole transfer may take, however many stages it has.
    static constexpr int kTransferMs = 4 * kPatienceMs;
    // The most text a puzzle is taken from, in bytes of UTF-8: nine lines
    // of nine drawn with every separator and space a grid may have come to
    // less than a tenth of this.
    static constexpr std::size_t kMaxBytes = 4096;
};

// The clipboard's text, read as above where the window system is X11 and
// another program owns the clipboard, and from the toolkit otherwise.
CClipboardText ReadClipboardText();
