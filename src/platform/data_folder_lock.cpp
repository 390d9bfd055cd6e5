// SPDX-License-Identifier: MIT
#include "platform/data_folder_lock.h"

#include "core/model/state_files.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kRetryInterval{20};
constexpr std::size_t kMaxHolderText = 128;

std::optional<FolderHolder> parseHolder(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos || space == 0) {
        return std::nullopt;
    }
    FolderHolder h;
    h.program = std::string(text.substr(0, space));
    const std::string_view digits = text.substr(space + 1);
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), h.pid);
    if (ec != std::errc{} || h.pid <= 0) {
        return std::nullopt;
    }
    return h;
}

std::string describeHolder(const std::optional<FolderHolder>& h) {
    if (!h) {
        return "another program";
    }
    return h->program + " (process " + std::to_string(h->pid) + ")";
}

Error heldBy(const fs::path& folder, const std::optional<FolderHolder>& h) {
    if (h && h->program == kDesktopProgramName) {
        return makeError(ErrorCode::Busy, "the desktop program " + describeHolder(h) +
                                              " is running and keeps the data folder " +
                                              folder.string() +
                                              "; make the change there, or quit it and try again.");
    }
    return makeError(ErrorCode::Busy, describeHolder(h) + " is still working on the data folder " +
                                          folder.string() + "; try again when it has finished.");
}

// The holder alone writes the folder's state files, so a temporary file of
// theirs that is there now is left by a save that never finished.
void sweep(const fs::path& folder) {
    DataFolder(folder).removeStaleTemporaries();
}

#ifndef _WIN32

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
    std::string_view text(buffer, static_cast<std::size_t>(n));
    text = text.substr(0, text.find('\n'));
    auto h = parseHolder(text);
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

#endif

} // namespace

#ifndef _WIN32

Result<DataFolderLock> DataFolderLock::acquire(const fs::path& folder, std::string_view program,
                                               std::chrono::milliseconds wait) {
    if (Status s = DataFolder(folder).ensureExists(); !s) {
        return s.error();
    }
    const fs::path file = folder / kFileName;
    const int fd = openLockFile(file);
    if (fd < 0) {
        return makeError(ErrorCode::Io, "cannot lock the data folder " + folder.string() + ": " +
                                            std::strerror(errno) + ".");
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
            return fail(makeError(ErrorCode::Io, "cannot lock the data folder " + folder.string() +
                                                     ": " + std::strerror(errno) + "."));
        }
        const auto h = readHolder(fd);
        if ((h && h->program == kDesktopProgramName) ||
            std::chrono::steady_clock::now() >= deadline) {
            return fail(heldBy(folder, h));
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
    DataFolderLock lock(fd);
    const std::string line = std::string(program) + " " + std::to_string(::getpid()) + "\n";
    // Best effort: a read-only lock file still locks, it only cannot say who.
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const auto n = ::pwrite(fd, line.data(), line.size(), 0);
    }
    sweep(folder);
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

#else

// Windows: the same protocol with LockFileEx on the lock file; the holder's
// line is written and read like on the other systems.
Result<DataFolderLock> DataFolderLock::acquire(const fs::path& folder, std::string_view program,
                                               std::chrono::milliseconds wait) {
    if (Status s = DataFolder(folder).ensureExists(); !s) {
        return s.error();
    }
    const fs::path file = folder / kFileName;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return makeError(ErrorCode::Io, "cannot lock the data folder " + folder.string() + ".");
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    // The lock covers a byte far behind the holder's line, so that the line
    // stays readable to the programs kept waiting.
    OVERLAPPED region{};
    region.Offset = 0xFFFFFF00u;
    while (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &region)) {
        const auto holding = holder(folder);
        if ((holding && holding->program == kDesktopProgramName) ||
            std::chrono::steady_clock::now() >= deadline) {
            CloseHandle(h);
            return heldBy(folder, holding);
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
    DataFolderLock lock(reinterpret_cast<std::intptr_t>(h));
    const std::string line =
        std::string(program) + " " + std::to_string(GetCurrentProcessId()) + "\n";
    DWORD written = 0;
    SetFilePointer(h, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    sweep(folder);
    return lock;
}

std::optional<FolderHolder> DataFolderLock::holder(const fs::path& folder) {
    HANDLE h = CreateFileW((folder / kFileName).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    char buffer[kMaxHolderText];
    DWORD n = 0;
    const bool read = ReadFile(h, buffer, sizeof buffer, &n, nullptr) && n > 0;
    CloseHandle(h);
    if (!read) {
        return std::nullopt;
    }
    std::string_view text(buffer, n);
    return parseHolder(text.substr(0, text.find('\n')));
}

void DataFolderLock::release() {
    if (handle_ == -1) {
        return;
    }
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    SetFilePointer(h, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
    handle_ = -1;
}

#endif

DataFolderLock::DataFolderLock(DataFolderLock&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)) {}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

DataFolderLock::~DataFolderLock() {
    release();
}

} // namespace vantrel::platform
