// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Undo and redo over every command and over typing: each step back brings
// the board exactly to where it was (cells, reasons, what the display
// shows, snapshot, cursor), each step forward exactly to where it went.

#include "history.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const std::string kPuzzle = "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";

// The display shows what every cell holds.
std::string DisplayAgrees(CBoundBoard& b)
{
    for (int i = 0; i < kCellCount; ++i)
        if (b.display.shown[i] != b.board.Working()[i].DisplayText())
            return "cell " + std::to_string(i) + " shows something else than it holds";
    return {};
}

TEST(History, UndoAndRedoRetraceEveryCommandExactly)
{
    const auto puzzles = LoadPuzzleSet("easy");
    CScratchFolder folder;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
        CBoundBoard b;
        CHistory history;
        std::vector<CBoardState> states{b.board.State()};
        for (int step = 0; step < 60; ++step) {
            const CBoardState before = b.board.State();
            const int command = pick(10);
            switch (command) {
            case 0: b.board.OnClear(); break;
            case 1: b.board.OnSet(); break;
            case 2: b.board.OnReset(); break;
            case 3: b.board.OnPass(); break;
            case 4: b.board.OnSolve(); break;
            case 5: b.board.OnCellStep(); break;
            case 6: b.board.OnSave(), b.board.OnLoad(); break;
            case 7: b.board.LoadValues(ValuesFrom(puzzles[static_cast<std::size_t>(pick(100))].puzzle)); break;
            case 8: {
                const int cell = pick(kCellCount);
                b.board.SetValue(RowOf(cell), ColumnOf(cell), pick(10));
                break;
            }
            default: b.board.OnStart(); break;
            }
            history.Record("step", before, b.board.State());
            if (b.board.State() != before)
                states.push_back(b.board.State());
        }
        ASSERT_EQ(history.Size(), states.size() - 1);
        for (std::size_t k = states.size() - 1; k > 0; --k) {
            ASSERT_TRUE(history.Undo(b.board));
            ASSERT_TRUE(b.board.State() == states[k - 1]) << "seed " << seed << ", undo to " << k - 1;
        }
        EXPECT_FALSE(history.Undo(b.board));
        for (std::size_t k = 1; k < states.size(); ++k) {
            ASSERT_TRUE(history.Redo(b.board));
            ASSERT_TRUE(b.board.State() == states[k]) << "seed " << seed << ", redo to " << k;
        }
        EXPECT_FALSE(history.Redo(b.board));
    }
}

TEST(History, WhatTheDisplayShowsComesBackWithTheCells)
{
    CBoundBoard b;
    CHistory history;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    const CBoardState loaded = b.board.State();
    b.board.OnPass();
    history.Record("Pass", loaded, b.board.State());
    const std::string shownAfterPass = b.display.shown[0];
    ASSERT_NE(shownAfterPass, "");
    history.Undo(b.board);
    EXPECT_EQ(b.display.shown[0], "");
    EXPECT_EQ(DisplayAgrees(b), "");
    history.Redo(b.board);
    EXPECT_EQ(b.display.shown[0], shownAfterPass);
    EXPECT_EQ(b.board.Cell(0, 0).Reason(4).rule, Rule::Row);
    EXPECT_EQ(DisplayAgrees(b), "");
}

TEST(History, UndoOfSetBringsBackWhatResetGaveBefore)
{
    CBoundBoard b;
    CHistory history;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnSet();
    b.board.OnClear();
    b.board.Cell(0, 0).SetValue(9);
    const CBoardState before = b.board.State();
    b.board.OnSet();
    history.Record("Set", before, b.board.State());
    ASSERT_TRUE(history.Undo(b.board));
    b.board.OnReset();
    EXPECT_EQ(b.board.WorkingValues(), ValuesFrom(kPuzzle));
}

TEST(History, OnlyChangesAreKeptAndANewOneEndsRedo)
{
    CBoundBoard b;
    CHistory history;
    const CBoardState empty = b.board.State();
    b.board.OnSolve();
    history.Record("Solve", empty, b.board.State());
    EXPECT_FALSE(history.CanUndo()) << "Solve on an empty board changed nothing";

    b.board.Cell(4, 4).SetValue(5);
    history.Record("Typing", empty, b.board.State());
    EXPECT_EQ(history.UndoName(), "Typing");
    history.Undo(b.board);
    EXPECT_EQ(history.RedoName(), "Typing");
    const CBoardState before = b.board.State();
    b.board.Cell(0, 0).SetValue(1);
    history.Record("Typing", before, b.board.State());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Size(), 1u);
}

TEST(History, KeepsTheNewestThousandChanges)
{
    CBoard board;
    CHistory history;
    for (int i = 0; i < 1005; ++i) {
        const CBoardState before = board.State();
        board.Working()[static_cast<std::size_t>(i % kCellCount)].SetValue(1 + i / kCellCount % 9);
        history.Record("Typing", before, board.State());
    }
    EXPECT_EQ(history.Size(), 1000u);
    int undone = 0;
    while (history.Undo(board))
        ++undone;
    EXPECT_EQ(undone, 1000);
}

} // namespace
