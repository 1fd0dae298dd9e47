// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "file_system.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Why a file could not be written or read, in terms a user can act on.
enum class FileError : std::uint8_t {
    None,
    Missing,            // no file of that name (reading), or a folder on its way is missing
    Folder,             // the name is a folder
    NotAFile,           // a device, a pipe or a socket
    WriteProtected,     // the file may not be written
    ReadProtected,      // the file may not be read
    FolderProtected,    // no file may be made in the folder
    ReadOnlyFileSystem, // the file or folder is on a read-only file system
    DiskFull,           // no room left, or the user's quota is used up
    TooLarge,           // larger than any puzzle file
    LinkLoop,           // symbolic links that lead round in a circle
    Other,              // see systemError
};

// What became of a save or a read. systemError is the errno the system
// gave, where it gave one.
struct CFileResult {
    FileError error = FileError::None;
    int systemError = 0;
    explicit operator bool() const { return error == FileError::None; }
};

// Writes contents as the file at path, the way a careful editor saves:
//  - A symbolic link is followed (to its end, or to where a dangling one
//    points) and the file it names is written; the link stays a link.
//  - Only a regular file is written, and only one the user may write: a
//    device, a pipe, a folder or a write-protected file is left alone.
//  - The file is replaced whole: a temporary file beside it is written,
//    flushed to disk, given the old file's owner, group, mode and extended
//    attributes (ACLs among them) and renamed over it, so the file is
//    always either the old one, byte for byte, or the complete new one. On
//    any failure the temporary file is removed.
//  - Where that cannot keep what the file has, the existing file is written
//    in place instead, which keeps all of it: a file with more than one name
//    (hard links), so that every name sees the new contents; a file whose
//    owner, group or extended attributes the saver may not give a new file;
//    a writable file in a folder where no temporary file may be made, or
//    where the file may not be replaced (a sticky folder such as /tmp). A
//    write in place is one positioned write of all the bytes, then a cut to
//    their length where the file was longer: a reader sees either contents
//    whole wherever the kernel makes one write whole, but a crash in the
//    middle may leave the file torn.
//  - Temporary files that an earlier save left behind when its process died
//    are removed.
// Success when the file holds contents; otherwise says why not.
CFileResult WriteFileSafely(const std::string& path, std::string_view contents,
                            CFileSystem& fs = CFileSystem::System());

// The contents of path if it is a regular file of at most maxBytes bytes.
// Never blocks: a named pipe, a device or a directory gives nullopt, and so
// does a file that cannot be opened or read, or one that is larger; why
// says which, if given.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         CFileSystem& fs = CFileSystem::System(), CFileResult* why = nullptr);
