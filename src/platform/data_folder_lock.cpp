// SPDX-License-Identifier: MIT
#include "platform/data_folder_lock.h"

#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "platform/lock_holder.h"

#include <charconv>
#include <utility>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

std::string describeHolder(const std::optional<FolderHolder>& h) {
    if (!h) {
        return "another program";
    }
    return h->program + " (process " + std::to_string(h->pid) + ")";
}

} // namespace

std::string holderLine(std::string_view program, long pid) {
    return std::string(program) + " " + std::to_string(pid) + "\n";
}

std::optional<FolderHolder> parseHolder(std::string_view text) {
    text = text.substr(0, text.find('\n'));
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

Error heldBy(const fs::path& folder, const std::optional<FolderHolder>& h) {
    if (h && h->program == kDesktopProgramName) {
        return makeError(ErrorCode::Busy, "the desktop program " + describeHolder(h) +
                                              " is running and keeps the data folder " +
                                              pathText(folder) +
                                              "; make the change there, or quit it and try again.");
    }
    return makeError(ErrorCode::Busy, describeHolder(h) + " is still working on the data folder " +
                                          pathText(folder) + "; try again when it has finished.");
}

bool stopWaiting(const std::optional<FolderHolder>& holder,
                 std::chrono::steady_clock::time_point deadline) {
    return (holder && holder->program == kDesktopProgramName) ||
           std::chrono::steady_clock::now() >= deadline;
}

void sweepAfterCrash(const fs::path& folder) {
    DataFolder(folder).removeStaleTemporaries();
}

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
