// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"

#include "core/util/atomic_file_parts.h"
#include "core/util/path_text.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

constexpr unsigned kMaxMovedAside = 1000;

// A temporary file is named "<name>.tmp-" and eight lower-case hex digits.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 8;

bool isTemporaryOf(std::string_view name, std::string_view target) {
    if (name.size() != target.size() + kTemporaryMark.size() + kTemporaryDigits ||
        !name.starts_with(target) ||
        name.substr(target.size(), kTemporaryMark.size()) != kTemporaryMark) {
        return false;
    }
    const auto hex = name.substr(target.size() + kTemporaryMark.size());
    return std::all_of(hex.begin(), hex.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace

fs::path temporarySibling(const fs::path& path) {
    std::random_device rd;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(rd()));
    fs::path name = path.filename();
    name += std::string(kTemporaryMark) + digits;
    return path.parent_path() / name;
}

std::vector<fs::path> removeStaleTemporaries(const fs::path& path) {
    std::vector<fs::path> removed;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string target = pathText(path.filename());
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& found = it->path();
        // Not followed: a link of that name points at something of the user's.
        std::error_code typeError;
        if (!isTemporaryOf(pathText(found.filename()), target) ||
            !fs::is_regular_file(fs::symlink_status(found, typeError))) {
            continue;
        }
        std::error_code gone;
        if (fs::remove(found, gone)) {
            removed.push_back(found);
        }
    }
    return removed;
}

Result<fs::path> moveAside(const fs::path& path) {
    // Every damaged original is kept: the first is NAME.bad, later ones
    // NAME.bad.1, NAME.bad.2 and so on. The callers hold the data folder's
    // lock, so no other program picks the same name in between.
    for (unsigned n = 0; n < kMaxMovedAside; ++n) {
        fs::path bad = path;
        bad += n == 0 ? std::string(".bad") : ".bad." + std::to_string(n);
        std::error_code ec;
        if (fs::symlink_status(bad, ec).type() != fs::file_type::not_found) {
            continue;
        }
        fs::rename(path, bad, ec);
        if (ec) {
            return makeError(ErrorCode::Io,
                             "cannot move " + pathText(path) + " aside: " + ec.message());
        }
        return bad;
    }
    return makeError(ErrorCode::Io, "cannot move " + pathText(path) + " aside: there are already " +
                                        std::to_string(kMaxMovedAside) +
                                        " damaged copies beside it; remove some of them.");
}

} // namespace vantrel
