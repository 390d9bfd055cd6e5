// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"
#include "core/util/atomic_file_parts.h"
#include "core/util/path_text.h"
#include "core/util/windows_text.h"

#include <algorithm>
#include <string>
#include <windows.h>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

Error failure(const fs::path& path, const char* what) {
    return makeError(ErrorCode::Io,
                     std::string(what) + " " + pathText(path) + ": " + windows::lastErrorText());
}

Status writeAll(HANDLE file, std::span<const std::uint8_t> bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        constexpr std::size_t kMaxChunk = 1u << 30;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            return failure(path, "cannot write");
        }
        done += written;
    }
    return {};
}

// Writes the parts to the new file `tmp` and flushes it to the disk; removes
// it when anything fails.
Status writeTemporary(const fs::path& path, const fs::path& tmp,
                      std::initializer_list<std::span<const std::uint8_t>> parts) {
    HANDLE file = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return failure(path, "cannot create a file beside");
    }
    Status status;
    for (const auto part : parts) {
        status = writeAll(file, part, path);
        if (!status) {
            break;
        }
    }
    if (status && !FlushFileBuffers(file)) {
        status = failure(path, "cannot flush");
    }
    if (!CloseHandle(file) && status) {
        status = failure(path, "cannot close");
    }
    if (!status) {
        DeleteFileW(tmp.c_str());
    }
    return status;
}

bool isFolder(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Write-through: the call returns once the new name is on the disk, so a
// power loss right after a save cannot bring back the old file. A file that
// someone has open (a virus scanner, the search indexer, a backup) cannot be
// replaced until they let go, which they do within moments: the rename is
// tried again for a while. GetLastError tells the last failure.
bool replaceWith(const fs::path& tmp, const fs::path& path) {
    constexpr int kTries = 20;
    constexpr DWORD kPauseMs = 50;
    for (int i = 0;; ++i) {
        if (MoveFileExW(tmp.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        if (!held || i + 1 == kTries || isFolder(path)) {
            SetLastError(error);
            return false;
        }
        Sleep(kPauseMs);
    }
}

} // namespace

Status writeFileAtomically(const fs::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts) {
    const fs::path tmp = temporarySibling(path);
    if (Status s = writeTemporary(path, tmp, parts); !s) {
        return s;
    }
    if (!replaceWith(tmp, path)) {
        const Error e = failure(path, "cannot replace");
        DeleteFileW(tmp.c_str());
        return e;
    }
    return {};
}

} // namespace vantrel
