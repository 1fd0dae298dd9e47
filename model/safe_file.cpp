// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "safe_file.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <unistd.h>
#include <utility>

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

// Writes all of contents through write(data, size, done), which writes
// some of what is left, done bytes in, as write(2) does; retries where a
// signal cut it short.
template <typename WriteSome>
bool WriteFully(std::string_view contents, WriteSome write)
{
    for (std::size_t done = 0; done < contents.size();) {
        const ssize_t written = write(contents.data() + done, contents.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool WriteAll(CFileSystem& fs, int fd, std::string_view contents)
{
    return WriteFully(contents, [&](const char* data, std::size_t size, std::size_t) { return fs.Write(fd, data, size); });
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

// Lets go of a file descriptor when it goes out of scope.
class CDescriptor {
public:
    CDescriptor(CFileSystem& fs, int fd) : fs_(fs), fd_(fd) {}
    ~CDescriptor()
    {
        if (fd_ >= 0)
            fs_.Close(fd_);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes it now; false if closing reports an error.
    bool Close()
    {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || fs_.Close(fd) == 0;
    }

private:
    CFileSystem& fs_;
    int fd_;
};

// Where path leads once every symbolic link on its last part is followed:
// an existing file that is no link, or a name that does not exist yet.
// nullopt for a loop, a link that cannot be read, or a failed look.
std::optional<std::string> ResolveLinks(std::string path, CFileSystem& fs)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (fs.Lstat(path.c_str(), &status) != 0)
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        if (!S_ISLNK(status.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = fs.Readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return std::nullopt;
}

// The temporary files of path's name that a save left behind when its
// process ended before it could rename or remove them.
void RemoveStaleTemporaries(const std::string& path, CFileSystem& fs)
{
    const std::string prefix = "." + BaseNameOf(path) + ".tmp-";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(DirectoryOf(path), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        long long pid = 0;
        const char* first = name.data() + prefix.size();
        const auto [end, failure] = std::from_chars(first, name.data() + name.size(), pid);
        if (failure != std::errc() || end == first || *end != '-' || pid <= 0)
            continue;
        // This process has no save under way while it looks; another
        // process that still runs may be in the middle of one.
        const bool gone = pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
        if (gone)
            fs.Unlink((DirectoryOf(path) + "/" + name).c_str());
    }
}

// Overwrites the open file fd with contents and cuts it to their length.
bool WriteInPlace(CFileSystem& fs, int fd, std::string_view contents)
{
    const auto writeAt = [&](const char* data, std::size_t size, std::size_t done) {
        return fs.Pwrite(fd, data, size, static_cast<off_t>(done));
    };
    return WriteFully(contents, writeAt) && fs.Ftruncate(fd, static_cast<off_t>(contents.size())) == 0
        && fs.Fsync(fd) == 0;
}

// Creates a temporary file beside target with the given mode; its name
// goes to temporary. -1 with errno set when none can be made.
int CreateTemporary(const std::string& target, mode_t mode, std::string& temporary, CFileSystem& fs)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryNameFor(target);
        const int fd = fs.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes contents to a temporary file beside target and renames it over
// target. old, when given, is the file being replaced, whose mode, owner
// and group the new one takes. createError tells why no temporary file
// could be made, if none could.
bool ReplaceWhole(const std::string& target, std::string_view contents, const struct stat* old, CFileSystem& fs,
                  int& createError)
{
    std::string temporary;
    CDescriptor fd(fs, CreateTemporary(target, old ? old->st_mode & 07777 : 0666, temporary, fs));
    createError = fd.Get() < 0 ? errno : 0;
    if (fd.Get() < 0)
        return false;
    bool ok = WriteAll(fs, fd.Get(), contents);
    if (ok && old) {
        // Owner first: changing it may clear the set-id bits of the mode.
        if (fs.Fchown(fd.Get(), old->st_uid, old->st_gid) != 0)
            fs.Fchown(fd.Get(), static_cast<uid_t>(-1), old->st_gid);
        fs.Fchmod(fd.Get(), old->st_mode & 07777);
    }
    ok = ok && fs.Fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && fs.Rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        fs.Unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(fs, target);
    return true;
}

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view contents, CFileSystem& fs)
{
    const auto target = ResolveLinks(path, fs);
    if (!target)
        return false;
    struct stat old {};
    const bool exists = fs.Lstat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    // A file the user may not write is left as it is, even where the folder
    // would let it be replaced. Opening it for writing changes nothing yet.
    const int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    CDescriptor existing(fs, exists ? fs.Open(target->c_str(), flags, 0) : -1);
    if (exists && existing.Get() < 0)
        return false;
    if (exists && (fs.Fstat(existing.Get(), &old) != 0 || !S_ISREG(old.st_mode)))
        return false;
    if (exists && old.st_nlink > 1)
        return WriteInPlace(fs, existing.Get(), contents) && existing.Close();

    RemoveStaleTemporaries(*target, fs);
    int createError = 0;
    if (ReplaceWhole(*target, contents, exists ? &old : nullptr, fs, createError))
        return true;
    // No temporary file may be made beside it, but the file itself may be
    // written: write it, as a plain save would.
    if (exists && (createError == EACCES || createError == EPERM))
        return WriteInPlace(fs, existing.Get(), contents) && existing.Close();
    return false;
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
