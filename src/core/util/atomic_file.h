// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <vector>

namespace vantrel {

// Replaces `path` with the concatenation of `parts`: the bytes go to a
// temporary file in the same folder, are flushed to disk, and only then
// renamed over the target. A crash or a full disk leaves either the old file
// or the new one, never a truncated mix.
Status writeFileAtomically(const std::filesystem::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts);

// Reads a whole file. Missing files are ErrorCode::Io with a clear message;
// callers that want to tell "missing" apart check existence first.
Result<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path);

// Moves a bad file aside to "<name>.bad" (replacing an older one) so that the
// user's bytes are kept for inspection. Returns the new path.
Result<std::filesystem::path> moveAside(const std::filesystem::path& path);

} // namespace vantrel
