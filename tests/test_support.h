// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"
#include "cell_control.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A cell control that remembers every font and text it was given, and
// whose text a test can set as if the user had typed it.
class CRecordingControl : public CCellControl {
public:
    struct Write {
        enum Kind { Font, Text } kind;
        FontHandle font;
        std::string text;
    };

    void SetCellFont(FontHandle font) override { writes.push_back({Write::Font, font, {}}); font_ = font; }
    void SetCellText(const std::string& text) override { writes.push_back({Write::Text, 0, text}); text_ = text; }
    std::string CellText() const override { return text_; }

    void Type(const std::string& text) { text_ = text; }
    FontHandle Font() const { return font_; }
    int TextWrites() const;

    std::vector<Write> writes;

private:
    FontHandle font_ = kNoFont;
    std::string text_;
};

inline constexpr FontHandle kValueFont = 0x1111;
inline constexpr FontHandle kCandidateFont = 0x2222;

// A board whose working cells are bound to recording controls and fonts,
// as the window binds them.
struct CBoundBoard {
    explicit CBoundBoard(CFileSystem& fs = CFileSystem::System());
    CBoard board;
    std::array<CRecordingControl, kCellCount> controls;
    CRecordingControl& Control(int row, int column) { return controls[CellIndex(row, column)]; }
};

// "53..7...." style: 81 characters, '.' or '0' empty.
Values ValuesFrom(const std::string& cells);
std::string CellsOf(const Values& values);
// The open digits of a cell, ascending, as text: "1259".
std::string OpenDigits(const CCell& cell);

struct SetPuzzle {
    std::string puzzle;
    std::string solution;
};
// The puzzles of one set of the test data ("simple", "easy", ...).
std::vector<SetPuzzle> LoadPuzzleSet(const std::string& name);

// Makes a fresh empty folder, enters it, and on destruction leaves it and
// removes it, so that tests touching "Zifrel.zfr" never see each other.
class CScratchFolder {
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& contents);
// Every name in the folder, sorted; for checking that no temporary is left.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// Runs action as a user whom permissions apply to: root ignores them, so as
// root the action runs in a child process that has given root up (to the
// user and group nobody, 65534). Returns the action's result.
bool AsUnprivilegedUser(const std::function<bool()>& action);
inline constexpr unsigned kNobody = 65534;

// zifrel-batch run as a separate process on input, from a scratch folder.
struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};
BatchRun RunBatch(const std::string& arguments, const std::string& input);
// Runs a bash script (no single quotes in it) in a scratch folder that holds
// input as in.txt, with its standard output and error captured.
BatchRun RunShell(const std::string& script, const std::string& input);
std::vector<std::string> Lines(const std::string& text);
