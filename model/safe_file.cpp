// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "safe_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A hidden name beside path. The process id keeps other processes' saves
// apart, the counter this one's, and a name left by a crash is skipped.
std::string TemporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return DirectoryOf(path) + "/." + BaseNameOf(path) + ".tmp-" + std::to_string(::getpid()) + "-"
        + std::to_string(counter++);
}

bool WriteAll(CFileSystem& fs, int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = fs.Write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here cannot be undone and
// leaves the new file in place, so it is not counted as a failed save.
void SyncDirectory(CFileSystem& fs, const std::string& path)
{
    const int fd = fs.Open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    fs.Fsync(fd);
    fs.Close(fd);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents, CFileSystem& fs)
{
    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryNameFor(path);
        fd = fs.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = WriteAll(fs, fd, contents) && fs.Fsync(fd) == 0;
    ok = (fs.Close(fd) == 0) && ok;
    ok = ok && fs.Rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        fs.Unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(fs, path);
    return true;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes, CFileSystem& fs)
{
    // O_NONBLOCK keeps a named pipe without a writer from stalling the open.
    const int fd = fs.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;

    std::optional<std::string> contents;
    struct stat status {};
    if (fs.Fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
        && static_cast<unsigned long long>(status.st_size) <= maxBytes) {
        // Read one byte past the limit so that a file grown since the stat
        // is still refused.
        std::string buffer(maxBytes + 1, '\0');
        std::size_t filled = 0;
        bool failed = false;
        while (filled < buffer.size()) {
            const ssize_t got = fs.Read(fd, buffer.data() + filled, buffer.size() - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                failed = true;
            if (got <= 0)
                break;
            filled += static_cast<std::size_t>(got);
        }
        if (!failed && filled <= maxBytes) {
            buffer.resize(filled);
            contents = std::move(buffer);
        }
    }
    fs.Close(fd);
    return contents;
}
