// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch reads its options as every GNU tool does: a value after "="
// or as the next argument, a unique prefix for the whole name, and "--"
// ending the options.

#include "test_support.h"

#include <gtest/gtest.h>

TEST(BatchOptions, GnuSpellingsMeanTheSame)
{
    std::string puzzles;
    for (const SetPuzzle& puzzle : LoadPuzzleSet("easy"))
        puzzles += puzzle.puzzle + "\n";
    const std::vector<std::pair<std::string, std::string>> same = {
        {"--pass=3", "--pass 3"},
        {"--cell=7 --candidates", "--cell 7 --candidates"},
        {"--generate=2 --seed=5 --level=2", "--generate 2 --seed 5 --level 2"},
        {"--gen 2 --se 5 --lev 1 --sym none", "--generate 2 --seed 5 --level 1 --symmetry none"},
        {"--cand --pass 1 --", "--candidates --pass 1"},
        {"--grade --", "--grade"},
    };
    for (const auto& [spelt, plain] : same) {
        const BatchRun a = RunBatch(spelt, puzzles);
        const BatchRun b = RunBatch(plain, puzzles);
        EXPECT_EQ(a.status, 0) << spelt << a.err;
        EXPECT_EQ(a.out, b.out) << spelt;
        EXPECT_FALSE(a.out.empty()) << spelt;
    }
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"--c 3", "option '--c' is ambiguous; try --help"},
        {"--help=yes", "option '--help' takes no value; try --help"},
        {"-x", "unknown option '-x'; try --help"},
        {"--pass 1 -- extra", "unexpected argument 'extra'; try --help"},
        {"-- --pass", "unexpected argument '--pass'; try --help"},
    };
    for (const auto& [args, message] : refused) {
        const BatchRun run = RunBatch(args, "");
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err, "zifrel-batch: " + message + "\n") << args;
    }
}
