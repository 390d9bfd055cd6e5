// SPDX-License-Identifier: MIT
// Shared by the systems' own reads of regular files.
#pragma once

#include "core/util/file_read.h"

namespace vantrel {

// "<path> is <what>, not a file; ..." for a folder, pipe or device.
Error notAFile(const std::filesystem::path& path, const char* what);
// "<path> changed while it was read" for a file that shrank under the read.
Error changedWhileRead(const std::filesystem::path& path);

// Reads `wanted` bytes of a regular file, or what it has when `exact` is
// false (see readFileOfSize).
Result<FileRead> readRegular(const std::filesystem::path& path, std::size_t wanted, bool exact);

} // namespace vantrel
