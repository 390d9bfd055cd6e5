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
// or the new one, never a truncated mix. A replaced file keeps its mode.
Status writeFileAtomically(const std::filesystem::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts);

// Removes the temporary files that writeFileAtomically left beside `path`
// when it was cut short (a crash or a power loss before the rename): regular
// files named "<name>.tmp-" and eight lower-case hex digits, nothing else.
// Only whoever alone writes `path` may call it, since another writer's
// temporary file looks the same. Best effort; returns what was removed.
std::vector<std::filesystem::path> removeStaleTemporaries(const std::filesystem::path& path);

// Moves a bad file aside to "<name>.bad", or "<name>.bad.1", ".bad.2" ... when
// that is taken, so that every damaged original is kept for inspection.
// Returns the new path.
Result<std::filesystem::path> moveAside(const std::filesystem::path& path);

} // namespace vantrel
