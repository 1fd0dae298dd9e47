// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_text.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Standard input a line at a time, read in large blocks and handed on to a
// CLineCellReader as it arrives: memory stays bounded whatever comes in,
// however long a line is.
class CLineReader {
public:
    enum class Status { Line, End, Error };

    explicit CLineReader(int fd);
    // Reads the next line, without its LF, into cells (started afresh).
    // Before it waits for more input it calls flush, so that whoever is
    // typing or talking through a pipe sees each answer at once.
    template <typename Flush>
    Status Next(CLineCellReader& cells, Flush flush);
    // The line number of the line Next returned last (1-based).
    unsigned long long Number() const { return number_; }
    // After Error: what went wrong.
    int ErrorNumber() const { return error_; }

private:
    // Reads what comes next into the emptied buffer.
    void Fill();
    bool InputWaiting() const;

    int fd_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    int error_ = 0;
    unsigned long long number_ = 0;
};

// Standard output through one large buffer; every write is checked.
class COutput {
public:
    explicit COutput(int fd) : fd_(fd) { buffer_.reserve(kSize); }
    void Append(std::string_view text)
    {
        buffer_.append(text);
        if (buffer_.size() >= kSize)
            Flush();
    }
    void Append(char c)
    {
        buffer_.push_back(c);
        if (buffer_.size() >= kSize)
            Flush();
    }
    // Writes out what is buffered; false once any write has failed.
    bool Flush();
    bool Failed() const { return error_ != 0; }
    int ErrorNumber() const { return error_; }

private:
    static constexpr std::size_t kSize = 64 * 1024;
    int fd_;
    std::string buffer_;
    int error_ = 0;
};

template <typename Flush>
CLineReader::Status CLineReader::Next(CLineCellReader& cells, Flush flush)
{
    cells.Start();
    bool begun = false;
    for (;;) {
        const char* from = buffer_.data() + start_;
        if (const void* lf = std::memchr(from, '\n', end_ - start_)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - from);
            cells.Add(std::string_view(from, length));
            start_ += length + 1;
            ++number_;
            return Status::Line;
        }
        begun = begun || end_ > start_;
        cells.Add(std::string_view(from, end_ - start_));
        start_ = end_;
        if (error_ != 0)
            return Status::Error;
        if (eof_) {
            if (!begun)
                return Status::End;
            // A last line without its LF.
            ++number_;
            return Status::Line;
        }
        if (!InputWaiting())
            flush();
        Fill();
    }
}
