// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// A fuzz target built as a plain program: every file of the folders named
// goes once through the target's entry point, as libFuzzer would pass it.
// The target aborts on a fault, so the seed corpus runs as a test in every
// test build, without libFuzzer.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int k = 1; k < argc; ++k) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[k])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::cout << inputs << " inputs replayed\n";
    // No input at all is a folder gone astray, not a pass.
    return inputs > 0 ? 0 : 1;
}
