// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::platform {

// The program names a lock holder writes.
inline constexpr const char* kDesktopProgramName = "vantrel";
inline constexpr const char* kCommandLineProgramName = "vantrelctl";

// Who holds a data folder, as its lock file says.
struct FolderHolder {
    std::string program;
    long pid = 0;
};

// An advisory lock on one data folder, held by every program for as long
// as it works on the folder's files: by each vantrelctl command, and by the
// desktop program for its whole run (it keeps unsaved edits and writes
// keymap.bin when it closes). The holder writes its program name and
// process id into the lock file, so that a program kept waiting can say
// who holds the folder. The lock goes with the object, or with the process.
class DataFolderLock {
public:
    static constexpr const char* kFileName = "vantrel.lock";

    // Takes the lock of `folder` (created, for the user alone, when missing)
    // for `program`. While another program holds it, waits at most `wait`;
    // the desktop program is not waited for, since it keeps its folder
    // until it is closed. Busy names the holder when the lock stays taken;
    // Io when the lock file cannot be opened. Once taken, the temporary
    // files of saves cut short by a crash are removed (state files only).
    static Result<DataFolderLock> acquire(const std::filesystem::path& folder,
                                          std::string_view program, std::chrono::milliseconds wait);

    // Who holds the lock of `folder` now; empty when nobody does or the
    // holder cannot be told.
    static std::optional<FolderHolder> holder(const std::filesystem::path& folder);

    DataFolderLock(DataFolderLock&& other) noexcept;
    DataFolderLock& operator=(DataFolderLock&& other) noexcept;
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;
    ~DataFolderLock();

private:
    explicit DataFolderLock(std::intptr_t handle) : handle_(handle) {}
    void release();

    std::intptr_t handle_ = -1;
};

} // namespace vantrel::platform
