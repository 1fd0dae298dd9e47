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
// signal cut it short. On failure errno says why.
template <typename WriteSome>
bool WriteFully(std::string_view contents, WriteSome write)
{
    for (std::size_t done = 0; done < contents.size();) {
        const ssize_t written = write(contents.data() + done, contents.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool WriteAll(CFileSystem& fs, int fd, std::string_view contents)
{
    return WriteFully(contents,
                      [&](const char* data, std::size_t size, std::size_t) { return fs.Write(fd, data, size); });
}

// The user's word for what the system said, while writing or reading.
CFileResult Failure(int error, bool writing)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return {FileError::Missing, error};
    case EISDIR: return {FileError::Folder, error};
    case EACCES:
    case EPERM: return {writing ? FileError::WriteProtected : FileError::ReadProtected, error};
    case EROFS: return {FileError::ReadOnlyFileSystem, error};
    case ENOSPC:
    case EDQUOT: return {FileError::DiskFull, error};
    case ELOOP: return {FileError::LinkLoop, error};
    case EFBIG: return {FileError::TooLarge, error};
    default: return {FileError::Other, error};
    }
}

// What a name that is no regular file is.
CFileResult NotARegularFile(mode_t mode)
{
    return S_ISDIR(mode) ? CFileResult{FileError::Folder, EISDIR} : CFileResult{FileError::NotAFile, 0};
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
// nullopt for a loop, a link that cannot be read, or a failed look, with
// errno saying which.
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
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
            if (length >= 0)
                errno = ENAMETOOLONG;
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    errno = ELOOP;
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

// Overwrites the open file fd, oldSize bytes long, with contents: one
// positioned write of all of them (more only if the kernel takes fewer),
// then a cut to their length if the file was longer, so that a reader never
// meets the file shorter than either contents.
CFileResult WriteInPlace(CFileSystem& fs, int fd, std::string_view contents, off_t oldSize)
{
    const auto writeAt = [&](const char* data, std::size_t size, std::size_t done) {
        return fs.Pwrite(fd, data, size, static_cast<off_t>(done));
    };
    const auto length = static_cast<off_t>(contents.size());
    if (!WriteFully(contents, writeAt) || (oldSize > length && fs.Ftruncate(fd, length) != 0) || fs.Fsync(fd) != 0)
        return Failure(errno, true);
    return {};
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

// Gives the new file to the old one's owner and group and copies its
// extended attributes (ACLs are kept as such); false when the saver may
// not, or when the old file's attributes cannot be read.
bool TakeOverOwnerAndAttributes(CFileSystem& fs, int from, const struct stat& old, int to)
{
    struct stat now {};
    if (fs.Fstat(to, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && fs.Fchown(to, old.st_uid, old.st_gid) != 0)
        return false;
    const ssize_t listed = fs.Flistxattr(from, nullptr, 0);
    if (listed < 0)
        return errno == ENOTSUP;
    std::string names(static_cast<std::size_t>(listed), '\0');
    const ssize_t got = fs.Flistxattr(from, names.data(), names.size());
    if (got != listed)
        return false;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t size = fs.Fgetxattr(from, name, nullptr, 0);
        if (size < 0)
            return false;
        std::string value(static_cast<std::size_t>(size), '\0');
        if (fs.Fgetxattr(from, name, value.data(), value.size()) != size
            || fs.Fsetxattr(to, name, value.data(), value.size()) != 0)
            return false;
    }
    return true;
}

enum class Replacing { Done, Failed, InPlaceInstead };

// Writes contents to a temporary file beside target and renames it over
// target. When the file exists, old is its status and existing an open
// descriptor of it; the new file takes its owner, group, attributes and
// mode, and where it cannot, or where the folder lets no file be made or
// replaced, the answer is to write the file in place instead.
Replacing ReplaceWhole(const std::string& target, std::string_view contents, const struct stat* old, int existing,
                       CFileSystem& fs, CFileResult& failure)
{
    std::string temporary;
    CDescriptor fd(fs, CreateTemporary(target, old ? old->st_mode & 07777 : 0666, temporary, fs));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            if (old)
                return Replacing::InPlaceInstead;
            failure = {FileError::FolderProtected, error};
        } else {
            failure = Failure(error, true);
        }
        return Replacing::Failed;
    }
    const auto giveUp = [&](Replacing why) {
        failure = Failure(errno, true);
        fd.Close();
        fs.Unlink(temporary.c_str());
        return why;
    };
    if (old && !TakeOverOwnerAndAttributes(fs, existing, *old, fd.Get()))
        return giveUp(Replacing::InPlaceInstead);
    // After the owner: changing it may clear the set-id bits of the mode.
    if (!WriteAll(fs, fd.Get(), contents) || (old && fs.Fchmod(fd.Get(), old->st_mode & 07777) != 0)
        || fs.Fsync(fd.Get()) != 0)
        return giveUp(Replacing::Failed);
    if (!fd.Close())
        return giveUp(Replacing::Failed);
    if (fs.Rename(temporary.c_str(), target.c_str()) != 0) {
        // A sticky folder lets only the file's owner replace it.
        const bool mayNotReplace = errno == EPERM || errno == EACCES;
        return giveUp(old && mayNotReplace ? Replacing::InPlaceInstead : Replacing::Failed);
    }
    SyncDirectory(fs, target);
    return Replacing::Done;
}

// ReadSmallFile, with why it read nothing in result.
std::optional<std::string> ReadSmallFileOrSay(const std::string& path, std::size_t maxBytes, CFileSystem& fs,
                                              CFileResult& result)
{
    // O_NONBLOCK keeps a named pipe without a writer from stalling the open.
    CDescriptor fd(fs, fs.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0));
    if (fd.Get() < 0) {
        result = Failure(errno, false);
        return std::nullopt;
    }
    struct stat status {};
    if (fs.Fstat(fd.Get(), &status) != 0) {
        result = Failure(errno, false);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        result = NotARegularFile(status.st_mode);
        return std::nullopt;
    }
    result = {FileError::TooLarge, 0};
    if (static_cast<unsigned long long>(status.st_size) > maxBytes)
        return std::nullopt;
    // Read one byte past the limit so that a file grown since the stat is
    // still refused.
    std::string buffer(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = fs.Read(fd.Get(), buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result = Failure(errno, false);
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes)
        return std::nullopt;
    buffer.resize(filled);
    result = {};
    return buffer;
}

} // namespace

CFileResult WriteFileSafely(const std::string& path, std::string_view contents, CFileSystem& fs)
{
    const auto target = ResolveLinks(path, fs);
    if (!target)
        return Failure(errno, true);
    struct stat old {};
    const bool exists = fs.Lstat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Failure(errno, true);
    if (exists && !S_ISREG(old.st_mode))
        return NotARegularFile(old.st_mode);
    // A file the user may not write is left as it is, even where the folder
    // would let it be replaced. Opening it for writing changes nothing yet.
    const int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    CDescriptor existing(fs, exists ? fs.Open(target->c_str(), flags, 0) : -1);
    if (exists && existing.Get() < 0)
        return Failure(errno, true);
    if (exists && fs.Fstat(existing.Get(), &old) != 0)
        return Failure(errno, true);
    if (exists && !S_ISREG(old.st_mode))
        return NotARegularFile(old.st_mode);
    const auto inPlace = [&] {
        CFileResult written = WriteInPlace(fs, existing.Get(), contents, old.st_size);
        if (!existing.Close() && written)
            written = Failure(errno, true);
        return written;
    };
    if (exists && old.st_nlink > 1)
        return inPlace();

    RemoveStaleTemporaries(*target, fs);
    CFileResult failure;
    switch (ReplaceWhole(*target, contents, exists ? &old : nullptr, existing.Get(), fs, failure)) {
    case Replacing::Done: return {};
    case Replacing::Failed: return failure;
    case Replacing::InPlaceInstead: break;
    }
    return inPlace();
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes, CFileSystem& fs,
                                         CFileResult* why)
{
    CFileResult result;
    std::optional<std::string> contents = ReadSmallFileOrSay(path, maxBytes, fs, result);
    if (why)
        *why = result;
    return contents;
}
