// SPDX-License-Identifier: MIT
// Shared by the systems' own writeFileAtomically.
#pragma once

#include <filesystem>

namespace vantrel {

// "<name>.tmp-" and eight random lower-case hex digits, in the same folder
// (a rename across folders would not be atomic), and so found again by
// removeStaleTemporaries.
std::filesystem::path temporarySibling(const std::filesystem::path& path);

} // namespace vantrel
