// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <stdexcept>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

void CRecordingDisplay::OnCellsChanged(const CCellSet& cells)
{
    cells.ForEach([this](int i) {
        shown[static_cast<std::size_t>(i)] = board_.Working()[static_cast<std::size_t>(i)].DisplayText();
        ++told[static_cast<std::size_t>(i)];
    });
}

int CRecordingDisplay::Told() const { return std::accumulate(told.begin(), told.end(), 0); }

CBoundBoard::CBoundBoard(CFileSystem& fs) : board(fs)
{
    board.SetDisplay(&display);
    board.OnClear();
    display.told = {};
}

Values ValuesFrom(const std::string& cells)
{
    if (cells.size() != kCellCount)
        throw std::invalid_argument("a board needs 81 cells: " + cells);
    Values values{};
    for (int i = 0; i < kCellCount; ++i)
        values[i] = (cells[i] >= '1' && cells[i] <= '9') ? cells[i] - '0' : 0;
    return values;
}

std::string CellsOf(const Values& values)
{
    std::string cells;
    for (int v : values)
        cells += static_cast<char>('0' + v);
    return cells;
}

std::string OpenDigits(const CCell& cell)
{
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (cell.IsOpen(d))
            digits += static_cast<char>('0' + d);
    return digits;
}

std::vector<SetPuzzle> LoadPuzzleSet(const std::string& name)
{
    const std::string path = std::string(ZIFREL_PUZZLE_DIR) + "/" + name + ".csv";
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read puzzle set " + path);
    std::vector<SetPuzzle> puzzles;
    std::string line;
    while (std::getline(in, line)) {
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        puzzles.push_back({line.substr(0, comma), line.substr(comma + 1, kCellCount)});
    }
    return puzzles;
}

CScratchFolder::CScratchFolder() : previous_(std::filesystem::current_path())
{
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("zifrel-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

CScratchFolder::~CScratchFolder()
{
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

BatchRun RunShell(const std::string& script, const std::string& input)
{
    CScratchFolder folder;
    WriteWholeFile("in.txt", input);
    const std::string command = "bash -c '" + script + "' > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile("out.txt"), ReadWholeFile("err.txt")};
}

BatchRun RunBatch(const std::string& arguments, const std::string& input)
{
    return RunShell("\"" + std::string(ZIFREL_BATCH) + "\" " + arguments + " < in.txt", input);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool AsUnprivilegedUser(const std::function<bool()>& action)
{
    if (::geteuid() != 0)
        return action();
    const pid_t child = ::fork();
    if (child == 0) {
        // No group of root's stays with it, as none would for a real user.
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        _exit(!dropped ? 2 : action() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not give up root";
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}
