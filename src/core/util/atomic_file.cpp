// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace fs = std::filesystem;

namespace {

constexpr unsigned kMaxMovedAside = 1000;

std::string describe(const fs::path& path, const char* what, int err) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(err);
}

// A temporary file is named "<name>.tmp-" and eight lower-case hex digits.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 8;

fs::path temporarySibling(const fs::path& path) {
    std::random_device rd;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(rd()));
    return path.parent_path() / (path.filename().string() + std::string(kTemporaryMark) + digits);
}

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

#ifndef _WIN32
Status writeAll(int fd, std::span<const std::uint8_t> bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return makeError(ErrorCode::Io, describe(path, "cannot write", errno));
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}
#endif

} // namespace

Status writeFileAtomically(const fs::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts) {
    const fs::path tmp = temporarySibling(path);
#ifndef _WIN32
    // A file the user made private stays private: the replacement takes the
    // mode of the file it replaces; a new file gets the usual 0644 less the
    // umask.
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const int fd =
        ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0644);
    if (fd < 0) {
        return makeError(ErrorCode::Io, describe(path, "cannot create a file beside", errno));
    }
    Status status;
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) {
        status = makeError(ErrorCode::Io, describe(path, "cannot keep the mode of", errno));
    }
    for (const auto part : parts) {
        if (!status) {
            break;
        }
        status = writeAll(fd, part, path);
    }
    if (status && ::fsync(fd) != 0) {
        status = makeError(ErrorCode::Io, describe(path, "cannot flush", errno));
    }
    if (::close(fd) != 0 && status) {
        status = makeError(ErrorCode::Io, describe(path, "cannot close", errno));
    }
    if (!status) {
        ::unlink(tmp.c_str());
        return status;
    }
#else
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return makeError(ErrorCode::Io, "cannot create a file beside " + path.string());
        }
        for (const auto part : parts) {
            out.write(reinterpret_cast<const char*>(part.data()),
                      static_cast<std::streamsize>(part.size()));
        }
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(tmp, ignored);
            return makeError(ErrorCode::Io, "cannot write " + path.string());
        }
    }
#endif
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return makeError(ErrorCode::Io, "cannot replace " + path.string() + ": " + ec.message());
    }
#ifndef _WIN32
    // The rename itself lives in the folder; flush it so that a power loss
    // right after a save cannot bring back the old file.
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#endif
    return {};
}

std::vector<fs::path> removeStaleTemporaries(const fs::path& path) {
    std::vector<fs::path> removed;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string target = path.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& found = it->path();
        // Not followed: a link of that name points at something of the user's.
        std::error_code typeError;
        if (!isTemporaryOf(found.filename().string(), target) ||
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
                             "cannot move " + path.string() + " aside: " + ec.message());
        }
        return bad;
    }
    return makeError(ErrorCode::Io, "cannot move " + path.string() + " aside: there are already " +
                                        std::to_string(kMaxMovedAside) +
                                        " damaged copies beside it; remove some of them.");
}

} // namespace vantrel
