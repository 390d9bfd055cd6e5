// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace vantrel {

// What a read of one of the program's files found.
struct FileRead {
    bool exists = false;
    std::uint64_t size = 0;          // the file's size on disk
    std::vector<std::uint8_t> bytes; // what was read (see the functions)
};

// Reads a file that must hold exactly `expected` bytes. A missing file is no
// error (exists is false); a file of another size is not read at all (bytes
// stay empty, size tells how big it is). Anything but a regular file (a
// folder, a named pipe, a device) is refused without being read and without
// waiting for it, with an Io error that names the file and what it is; so is
// a file that cannot be opened or read.
Result<FileRead> readFileOfSize(const std::filesystem::path& path, std::size_t expected);

// Reads at most the first `count` bytes of a regular file, as above.
Result<FileRead> readFileStart(const std::filesystem::path& path, std::size_t count);

} // namespace vantrel
