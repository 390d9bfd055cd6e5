// SPDX-License-Identifier: MIT
#include "core/util/file_read_parts.h"
#include "core/util/path_text.h"
#include "core/util/windows_text.h"

#include <algorithm>
#include <string>
#include <windows.h>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

Error cannotRead(const fs::path& path, const char* what) {
    return makeError(ErrorCode::Io, std::string(what) + " " + pathText(path) + ": " +
                                        windows::lastErrorText() + ".");
}

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE) {
            CloseHandle(h_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

// What the handle is when it is not a regular file; null when it is one.
const char* kindOf(HANDLE h, const BY_HANDLE_FILE_INFORMATION& info) {
    switch (GetFileType(h)) {
    case FILE_TYPE_PIPE:
        return "a named pipe";
    case FILE_TYPE_CHAR:
        return "a device";
    case FILE_TYPE_DISK:
        return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "a folder" : nullptr;
    default:
        return "not a regular file";
    }
}

Status readAll(HANDLE h, std::vector<std::uint8_t>& bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        constexpr std::size_t kMaxChunk = 1u << 30;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD n = 0;
        if (!ReadFile(h, bytes.data() + done, chunk, &n, nullptr)) {
            return cannotRead(path, "cannot read");
        }
        if (n == 0) {
            return changedWhileRead(path); // the file shrank while it was read
        }
        done += n;
    }
    return {};
}

} // namespace

// Backup semantics let a folder open too, so that it is told apart from a
// missing file; a pipe is opened without waiting for its server.
Result<FileRead> readRegular(const fs::path& path, std::size_t wanted, bool exact) {
    FileRead out;
    FileHandle h(CreateFileW(path.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) {
            return out;
        }
        return cannotRead(path, "cannot open");
    }
    out.exists = true;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = GetFileType(h.get()) == FILE_TYPE_DISK;
    if (disk && !GetFileInformationByHandle(h.get(), &info)) {
        return cannotRead(path, "cannot look at");
    }
    if (const char* kind = kindOf(h.get(), info)) {
        return notAFile(path, kind);
    }
    out.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (exact && out.size != wanted) {
        return out;
    }
    out.bytes.resize(static_cast<std::size_t>(
        std::min<std::uint64_t>(out.size, static_cast<std::uint64_t>(wanted))));
    if (Status s = readAll(h.get(), out.bytes, path); !s) {
        return s.error();
    }
    return out;
}

} // namespace vantrel
