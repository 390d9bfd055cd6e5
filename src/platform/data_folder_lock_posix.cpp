// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "platform/data_folder_lock.h"
#include "platform/lock_holder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

bool alive(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::optional<FolderHolder> readHolder(int fd) {
    char buffer[kMaxHolderText];
    ssize_t n;
    do {
        n = ::pread(fd, buffer, sizeof buffer, 0);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        return std::nullopt;
    }
    auto h = parseHolder(std::string_view(buffer, static_cast<std::size_t>(n)));
    // A holder that crashed leaves its line behind; its lock went with it.
    if (h && !alive(h->pid)) {
        return std::nullopt;
    }
    return h;
}

int openLockFile(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        // A folder the user may read but not write: a shared reader of the
        // lock file still takes part in the locking.
        fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    return fd;
}

Error cannotLock(const fs::path& folder, int err) {
    return makeError(ErrorCode::Io, "cannot lock the data folder " + pathText(folder) + ": " +
                                        std::strerror(err) + ".");
}

} // namespace

Result<DataFolderLock> DataFolderLock::acquire(const fs::path& folder, std::string_view program,
                                               std::chrono::milliseconds wait) {
    if (Status s = DataFolder(folder).ensureExists(); !s) {
        return s.error();
    }
    const int fd = openLockFile(folder / kFileName);
    if (fd < 0) {
        return cannotLock(folder, errno);
    }
    // Closed by hand until the lock is held: only a holder clears the line.
    const auto fail = [fd](Error e) {
        ::close(fd);
        return e;
    };
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            break;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return fail(cannotLock(folder, errno));
        }
        const auto h = readHolder(fd);
        if (stopWaiting(h, deadline)) {
            return fail(heldBy(folder, h));
        }
        std::this_thread::sleep_for(kLockRetryInterval);
    }
    DataFolderLock lock(fd);
    const std::string line = holderLine(program, ::getpid());
    // Best effort: a read-only lock file still locks, it only cannot say who.
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const auto n = ::pwrite(fd, line.data(), line.size(), 0);
    }
    sweepAfterCrash(folder);
    return lock;
}

std::optional<FolderHolder> DataFolderLock::holder(const fs::path& folder) {
    const int fd = ::open((folder / kFileName).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<FolderHolder> h;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        h = readHolder(fd);
    } else {
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return h;
}

void DataFolderLock::release() {
    if (handle_ < 0) {
        return;
    }
    const int fd = static_cast<int>(handle_);
    // The line goes before the lock, so that nobody reads a holder that has
    // already left.
    [[maybe_unused]] const int t = ::ftruncate(fd, 0);
    ::close(fd);
    handle_ = -1;
}

} // namespace vantrel::platform
