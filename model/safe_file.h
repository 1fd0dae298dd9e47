// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "file_system.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Replaces the file at path with contents so that it is always either the
// old file, byte for byte, or the complete new one: writes a temporary file
// beside it, flushes it to disk and renames it over path. On any failure the
// temporary file is removed and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         CFileSystem& fs = CFileSystem::System());

// The contents of path if it is a regular file of at most maxBytes bytes.
// Never blocks: a named pipe, a device or a directory gives nullopt, and so
// does a file that cannot be opened or read, or one that is larger.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         CFileSystem& fs = CFileSystem::System());
