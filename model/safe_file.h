// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "file_system.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Writes contents as the file at path, the way a careful editor saves:
//  - A symbolic link is followed (to its end, or to where a dangling one
//    points) and the file it names is written; the link stays a link.
//  - Only a regular file is written, and only one the user may write: a
//    device, a pipe, a folder or a write-protected file is left alone.
//  - The file is replaced whole: a temporary file beside it is written,
//    flushed to disk, given the old file's mode (and owner and group where
//    the process may set them) and renamed over it, so the file is always
//    either the old one, byte for byte, or the complete new one. On any
//    failure the temporary file is removed.
//  - A file with more than one name (hard links) is written in place, so
//    that every name sees the new contents; so is a writable file in a
//    folder where no temporary file may be made.
//  - Temporary files that an earlier save left behind when its process died
//    are removed.
// Returns true when the file holds contents.
bool WriteFileSafely(const std::string& path, std::string_view contents, CFileSystem& fs = CFileSystem::System());

// The contents of path if it is a regular file of at most maxBytes bytes.
// Never blocks: a named pipe, a device or a directory gives nullopt, and so
// does a file that cannot be opened or read, or one that is larger.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         CFileSystem& fs = CFileSystem::System());
