// SPDX-License-Identifier: MIT
#include "core/util/file_read_parts.h"
#include "core/util/path_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

Error cannotRead(const fs::path& path, const char* what, int err) {
    return makeError(ErrorCode::Io,
                     std::string(what) + " " + pathText(path) + ": " + std::strerror(err) + ".");
}

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

Status readAll(int fd, std::vector<std::uint8_t>& bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return cannotRead(path, "cannot read", errno);
        }
        if (n == 0) {
            return changedWhileRead(path); // the file shrank while it was read
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

} // namespace

// Opening never blocks: a named pipe without a writer would otherwise hang
// the program before the type check below could refuse it.
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
    out.bytes.resize(static_cast<std::size_t>(
        std::min<std::uint64_t>(out.size, static_cast<std::uint64_t>(wanted))));
    if (Status s = readAll(fd.get(), out.bytes, path); !s) {
        return s.error();
    }
    return out;
}

} // namespace vantrel
