// SPDX-License-Identifier: MIT
#include "core/util/file_read.h"

#include "core/util/file_read_parts.h"
#include "core/util/path_text.h"

namespace vantrel {
namespace fs = std::filesystem;

Error notAFile(const fs::path& path, const char* what) {
    return makeError(ErrorCode::Io, pathText(path) + " is " + what +
                                        ", not a file; move it out of the way and try again.");
}

Error changedWhileRead(const fs::path& path) {
    return makeError(ErrorCode::Io,
                     "cannot read " + pathText(path) + ": it changed while it was read.");
}

Result<FileRead> readFileOfSize(const fs::path& path, std::size_t expected) {
    return readRegular(path, expected, true);
}

Result<FileRead> readFileStart(const fs::path& path, std::size_t count) {
    return readRegular(path, count, false);
}

} // namespace vantrel
