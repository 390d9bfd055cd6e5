// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "core/util/windows_text.h"
#include "platform/data_folder_lock.h"
#include "platform/lock_holder.h"

#include <thread>
#include <windows.h>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

// Windows locks are mandatory: a locked range cannot be read. The lock
// covers one byte far behind the holder's line, so that the programs kept
// waiting can still read who holds the folder.
constexpr DWORD kLockedByte = 0xFFFFFF00u;

OVERLAPPED lockedRange() {
    OVERLAPPED range{};
    range.Offset = kLockedByte;
    return range;
}

bool tryLock(HANDLE h, DWORD kind) {
    OVERLAPPED range = lockedRange();
    return LockFileEx(h, kind | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range) != 0;
}

void unlock(HANDLE h) {
    OVERLAPPED range = lockedRange();
    UnlockFileEx(h, 0, 1, 0, &range);
}

bool alive(long pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                 static_cast<DWORD>(pid));
    if (process == nullptr) {
        // Another user's process is there but out of our reach.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::optional<FolderHolder> readHolder(HANDLE h) {
    char buffer[kMaxHolderText];
    OVERLAPPED start{}; // from the file's beginning, whatever its position
    DWORD n = 0;
    if (!ReadFile(h, buffer, sizeof buffer, &n, &start) || n == 0) {
        return std::nullopt;
    }
    auto holder = parseHolder(std::string_view(buffer, n));
    // A holder that crashed leaves its line behind; its lock went with it.
    if (holder && !alive(holder->pid)) {
        return std::nullopt;
    }
    return holder;
}

HANDLE openLockFile(const fs::path& file) {
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        // A folder the user may read but not write: a reader of the lock
        // file still takes part in the locking.
        h = CreateFileW(file.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return h;
}

void writeLine(HANDLE h, const std::string& line) {
    // Best effort: a read-only lock file still locks, it only cannot say who.
    LARGE_INTEGER start{};
    if (SetFilePointerEx(h, start, nullptr, FILE_BEGIN) && SetEndOfFile(h)) {
        DWORD written = 0;
        WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

} // namespace

Result<DataFolderLock> DataFolderLock::acquire(const fs::path& folder, std::string_view program,
                                               std::chrono::milliseconds wait) {
    if (Status s = DataFolder(folder).ensureExists(); !s) {
        return s.error();
    }
    HANDLE h = openLockFile(folder / kFileName);
    if (h == INVALID_HANDLE_VALUE) {
        return makeError(ErrorCode::Io, "cannot lock the data folder " + pathText(folder) + ": " +
                                            windows::lastErrorText() + ".");
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!tryLock(h, LOCKFILE_EXCLUSIVE_LOCK)) {
        if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING) {
            const Error e =
                makeError(ErrorCode::Io, "cannot lock the data folder " + pathText(folder) + ": " +
                                             windows::lastErrorText() + ".");
            CloseHandle(h);
            return e;
        }
        const auto holding = readHolder(h);
        if (stopWaiting(holding, deadline)) {
            CloseHandle(h); // only a holder clears the line
            return heldBy(folder, holding);
        }
        std::this_thread::sleep_for(kLockRetryInterval);
    }
    DataFolderLock lock(reinterpret_cast<std::intptr_t>(h));
    writeLine(h, holderLine(program, static_cast<long>(GetCurrentProcessId())));
    sweepAfterCrash(folder);
    return lock;
}

std::optional<FolderHolder> DataFolderLock::holder(const fs::path& folder) {
    HANDLE h = CreateFileW((folder / kFileName).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<FolderHolder> holding;
    if (tryLock(h, 0)) {
        unlock(h); // nobody holds it
    } else {
        holding = readHolder(h);
    }
    CloseHandle(h);
    return holding;
}

void DataFolderLock::release() {
    if (handle_ == -1) {
        return;
    }
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    // The line goes before the lock, so that nobody reads a holder that has
    // already left.
    writeLine(h, std::string());
    unlock(h);
    CloseHandle(h);
    handle_ = -1;
}

} // namespace vantrel::platform
