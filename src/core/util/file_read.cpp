// SPDX-License-Identifier: MIT
#include "core/util/file_read.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace fs = std::filesystem;

namespace {

Error notAFile(const fs::path& path, const char* what) {
    return makeError(ErrorCode::Io, path.string() + " is " + what +
                                        ", not a file; move it out of the way and try again.");
}

Error cannotRead(const fs::path& path, const char* what, int err) {
    return makeError(ErrorCode::Io,
                     std::string(what) + " " + path.string() + ": " + std::strerror(err) + ".");
}

#ifndef _WIN32

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads `wanted` bytes of a regular file, or what it has when `exact` is
// false. Opening never blocks: a named pipe without a writer would otherwise
// hang the program before the type check below could refuse it.
Result<FileRead> readRegular(const fs::path& path, std::size_t wanted, bool exact) {
    FileRead out;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return out;
        }
        return cannotRead(path, "cannot open", errno);
    }
    out.exists = true;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return cannotRead(path, "cannot look at", errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return notAFile(path, kindOf(st.st_mode));
    }
    out.size = static_cast<std::uint64_t>(st.st_size);
    if (exact && out.size != wanted) {
        return out;
    }
    const std::size_t count = static_cast<std::size_t>(
        std::min<std::uint64_t>(out.size, static_cast<std::uint64_t>(wanted)));
    out.bytes.resize(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd.get(), out.bytes.data() + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return cannotRead(path, "cannot read", errno);
        }
        if (n == 0) {
            // The file shrank while it was read.
            return makeError(ErrorCode::Io,
                             "cannot read " + path.string() + ": it changed while it was read.");
        }
        done += static_cast<std::size_t>(n);
    }
    return out;
}

#else

Result<FileRead> readRegular(const fs::path& path, std::size_t wanted, bool exact) {
    FileRead out;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) {
        return out;
    }
    if (ec) {
        return makeError(ErrorCode::Io, "cannot open " + path.string() + ": " + ec.message() + ".");
    }
    out.exists = true;
    if (st.type() == fs::file_type::directory) {
        return notAFile(path, "a folder");
    }
    if (st.type() != fs::file_type::regular) {
        return notAFile(path, "not a regular file");
    }
    out.size = fs::file_size(path, ec);
    if (ec) {
        return makeError(ErrorCode::Io, "cannot read " + path.string() + ": " + ec.message() + ".");
    }
    if (exact && out.size != wanted) {
        return out;
    }
    out.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(out.size, wanted)));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(out.bytes.data()),
                 static_cast<std::streamsize>(out.bytes.size()))) {
        return makeError(ErrorCode::Io, "cannot read " + path.string() + ".");
    }
    return out;
}

#endif

} // namespace

Result<FileRead> readFileOfSize(const fs::path& path, std::size_t expected) {
    return readRegular(path, expected, true);
}

Result<FileRead> readFileStart(const fs::path& path, std::size_t count) {
    return readRegular(path, count, false);
}

} // namespace vantrel
