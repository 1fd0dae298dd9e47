// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "batch_io.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlock = 64 * 1024;

} // namespace

CLineReader::CLineReader(int fd) : fd_(fd), buffer_(kBlock) {}

bool CLineReader::InputWaiting() const
{
    pollfd ready{fd_, POLLIN, 0};
    return ::poll(&ready, 1, 0) > 0;
}

void CLineReader::Fill()
{
    start_ = end_ = 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error_ = errno;
        else if (got == 0)
            eof_ = true;
        else
            end_ += static_cast<std::size_t>(got);
        return;
    }
}

bool COutput::Flush()
{
    std::string_view left = buffer_;
    while (!left.empty() && error_ == 0) {
        const ssize_t written = ::write(fd_, left.data(), left.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            error_ = written < 0 ? errno : EIO;
        else
            left.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
    return error_ == 0;
}
