// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "core/util/windows_text.h"
#include "platform/launcher.h"
#include "platform/launcher_parts.h"

#include <filesystem>
#include <string>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

namespace vantrel::platform {
namespace fs = std::filesystem;

char launchPathSeparator() {
    return '\\';
}

namespace {

// "D:" alone is the current folder of drive D, not its root.
std::wstring folderOf(const LaunchTarget& target) {
    std::wstring folder = windows::wideFromUtf8(target.folder);
    if (folder.size() == 2 && folder[1] == L':') {
        folder += L'\\';
    }
    return folder;
}

} // namespace

Status launch(const LaunchTarget& target) {
    if (target.fileName.empty()) {
        return noFileName(target);
    }
    const std::string full = target.folder + "\\" + target.fileName;
    const std::wstring file = windows::wideFromUtf8(full);
    const std::wstring folder = folderOf(target);
    // No command line is ever built: the file is handed over whole and a
    // program gets no parameters, so nothing in the path is interpreted.
    // The default verb opens music, files and folders in their applications
    // and starts a program, in its own folder.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = nullptr;
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOW;
    if (!ShellExecuteExW(&info)) {
        return makeError(ErrorCode::Io,
                         "Could not start \"" + full + "\": " + windows::lastErrorText() + ".");
    }
    if (info.hProcess != nullptr) {
        CloseHandle(info.hProcess); // never waited for
    }
    return Status::success();
}

namespace {

// What Windows itself would start for a bare program name: the program's
// folder, the system folders, then PATH; ".exe" when the name has none.
std::optional<std::string> searchProgram(const std::string& name) {
    const std::wstring wide = windows::wideFromUtf8(name);
    std::wstring found(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = SearchPathW(nullptr, wide.c_str(), L".exe",
                                    static_cast<DWORD>(found.size()), found.data(), nullptr);
        if (n == 0) {
            return std::nullopt;
        }
        if (n < found.size()) {
            found.resize(n);
            return windows::utf8FromWide(found);
        }
        found.resize(n);
    }
}

} // namespace

Result<std::string> resolveLaunchPath(AssignmentKind kind, const std::string& path) {
    const fs::path given = pathFromText(path);
    // "\x" and "C:x" depend on the current drive and folder, so they are
    // resolved like other relative paths.
    if (isAbsolutePathText(path)) {
        return path;
    }
    const bool bare = path.find_first_of("\\/:") == std::string::npos;
    if (bare && kind == AssignmentKind::LaunchProgram) {
        if (auto found = searchProgram(path)) {
            return *found;
        }
        return makeError(ErrorCode::InvalidArgument,
                         "there is no program \"" + path +
                             "\" in PATH; give the program's full path, such as "
                             "C:\\Windows\\System32\\" +
                             path);
    }
    std::error_code ec;
    fs::path full = fs::absolute(given, ec).lexically_normal();
    if (!full.has_filename()) {
        full = full.parent_path(); // "." or "dir\": the folder itself
    }
    if (ec || !fs::exists(full, ec)) {
        return makeError(ErrorCode::InvalidArgument,
                         "there is no \"" + path +
                             "\" in the current folder; give the full path of what the key opens");
    }
    return pathText(full);
}

} // namespace vantrel::platform
