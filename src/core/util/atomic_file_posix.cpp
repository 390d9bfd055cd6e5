// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"
#include "core/util/atomic_file_parts.h"
#include "core/util/path_text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path, const char* what, int err) {
    return std::string(what) + " " + pathText(path) + ": " + std::strerror(err);
}

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

// Writes the parts to the new file `tmp` and flushes it; removes it when
// anything fails.
Status writeTemporary(const fs::path& path, const fs::path& tmp,
                      std::initializer_list<std::span<const std::uint8_t>> parts) {
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
    }
    return status;
}

} // namespace

Status writeFileAtomically(const fs::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts) {
    const fs::path tmp = temporarySibling(path);
    if (Status s = writeTemporary(path, tmp, parts); !s) {
        return s;
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return makeError(ErrorCode::Io, "cannot replace " + pathText(path) + ": " + ec.message());
    }
    // The rename itself lives in the folder; flush it so that a power loss
    // right after a save cannot bring back the old file.
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace vantrel
