// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path, const char* what, int err) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(err);
}

fs::path temporarySibling(const fs::path& path) {
    std::random_device rd;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(rd()));
    return path.parent_path() / (path.filename().string() + suffix);
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
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return makeError(ErrorCode::Io, describe(path, "cannot create a file beside", errno));
    }
    Status status;
    for (const auto part : parts) {
        status = writeAll(fd, part, path);
        if (!status) {
            break;
        }
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

Result<std::vector<std::uint8_t>> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return makeError(ErrorCode::Io, describe(path, "cannot open", errno));
    }
    std::vector<std::uint8_t> bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) {
        return makeError(ErrorCode::Io, "cannot read " + path.string());
    }
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!in) {
        return makeError(ErrorCode::Io, "cannot read " + path.string());
    }
    return bytes;
}

Result<fs::path> moveAside(const fs::path& path) {
    fs::path bad = path;
    bad += ".bad";
    std::error_code ec;
    fs::rename(path, bad, ec);
    if (ec) {
        return makeError(ErrorCode::Io, "cannot move " + path.string() + " aside: " + ec.message());
    }
    return bad;
}

} // namespace vantrel
