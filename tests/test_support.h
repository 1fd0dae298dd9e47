// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A display that shows each cell as the window does: when the board tells
// it a cell changed, it reads the cell's text again; it counts how often
// it was told of each.
class CRecordingDisplay : public CBoardDisplay {
public:
    explicit CRecordingDisplay(const CBoard& board) : board_(board) {}
    void OnCellsChanged(const CCellSet& cells) override;
    // What each cell shows, and how often the board told of it.
    std::array<std::string, kCellCount> shown;
    std::array<int, kCellCount> told{};
    int Told() const;

private:
    const CBoard& board_;
};

// A board that tells a recording display, as the window's board tells the
// window; it starts cleared and with nothing told yet.
struct CBoundBoard {
    explicit CBoundBoard(CFileSystem& fs = CFileSystem::System());
    CBoard board;
    CRecordingDisplay display{board};
    const std::string& Shown(int row, int column) const { return display.shown[CellIndex(row, column)]; }
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
