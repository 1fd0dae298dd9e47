// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Standard input a line at a time, read in large blocks. Memory stays
// bounded whatever comes in: a line longer than the limit is not kept but
// reported as too long and skipped to its end.
class CLineReader {
public:
    enum class Status { Line, TooLong, End, Error };

    CLineReader(int fd, std::size_t maxLine);
    // The next line, without its LF, in line (valid until the next call).
    // Before it waits for more input it calls flush, so that whoever is
    // typing or talking through a pipe sees each answer at once.
    template <typename Flush>
    Status Next(std::string_view& line, Flush flush);
    // The line number of the line Next returned last (1-based).
    unsigned long long Number() const { return number_; }
    // After Error: what went wrong.
    int ErrorNumber() const { return error_; }

private:
    // Moves the unread part to the front and reads what comes next.
    void Fill();
    bool InputWaiting() const;

    int fd_;
    std::size_t maxLine_;
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
CLineReader::Status CLineReader::Next(std::string_view& line, Flush flush)
{
    bool skipping = false;
    std::size_t scanned = start_;
    for (;;) {
        for (; scanned < end_; ++scanned) {
            if (buffer_[scanned] != '\n')
                continue;
            ++number_;
            line = std::string_view(buffer_.data() + start_, scanned - start_);
            start_ = scanned + 1;
            return skipping || line.size() > maxLine_ ? Status::TooLong : Status::Line;
        }
        // Too long to be a puzzle: forget it, and what follows up to its end.
        skipping = skipping || end_ - start_ > maxLine_;
        if (skipping)
            start_ = scanned = end_ = 0;
        if (eof_ || error_ != 0) {
            if (error_ != 0)
                return Status::Error;
            if (end_ == start_ && !skipping)
                return Status::End;
            // A last line without its LF.
            ++number_;
            line = std::string_view(buffer_.data() + start_, end_ - start_);
            start_ = end_;
            eof_ = true;
            return skipping || line.size() > maxLine_ ? Status::TooLong : Status::Line;
        }
        if (!InputWaiting())
            flush();
        scanned -= start_;
        Fill();
    }
}
