// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "platform/launcher.h"
#include "platform/launcher_parts.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#if __has_include(<linux/close_range.h>)
#include <linux/close_range.h>
#endif

namespace vantrel::platform {

char launchPathSeparator() {
    return '/';
}

namespace {

// Nothing of this program's own open files reaches the started program:
// every descriptor above stderr is closed when it is exec'd (the pipe that
// reports a failed exec is close-on-exec already). Only system calls here;
// this runs between fork and exec.
void closeOnExecAboveStderr() {
#ifdef CLOSE_RANGE_CLOEXEC
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0) {
        return;
    }
#endif
    rlimit limit{};
    int highest = 1024;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        highest = static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 65536));
    }
    for (int fd = 3; fd < highest; ++fd) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
}

// Starts argv[0] (searched in PATH when `searchPath`) in `folder`, detached:
// the intermediate child exits at once so that no zombie is left, and the
// grandchild reports a failed exec through a close-on-exec pipe.
Status spawnDetached(const std::vector<std::string>& args, const std::string& folder,
                     bool searchPath) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return makeError(ErrorCode::Io,
                         std::string("Could not start a program: ") + std::strerror(errno) + ".");
    }
    const pid_t child = fork();
    if (child < 0) {
        const int err = errno;
        close(pipeFds[0]);
        close(pipeFds[1]);
        return makeError(ErrorCode::Io,
                         std::string("Could not start a program: ") + std::strerror(err) + ".");
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        close(pipeFds[0]);
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            _exit(grandchild < 0 ? 1 : 0);
        }
        setsid();
        closeOnExecAboveStderr();
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            const int err = errno;
            (void)!write(pipeFds[1], &err, sizeof err);
            _exit(127);
        }
        if (searchPath) {
            execvp(argv[0], argv.data());
        } else {
            execv(argv[0], argv.data());
        }
        const int err = errno;
        (void)!write(pipeFds[1], &err, sizeof err);
        _exit(127);
    }
    close(pipeFds[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t n;
    do {
        n = read(pipeFds[0], &execError, sizeof execError);
    } while (n < 0 && errno == EINTR);
    close(pipeFds[0]);
    if (n == static_cast<ssize_t>(sizeof execError)) {
        return makeError(ErrorCode::Io, "Could not start \"" + args.front() +
                                            "\": " + std::strerror(execError) + ".");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return makeError(ErrorCode::Io, "Could not start \"" + args.front() + "\".");
    }
    return Status::success();
}

} // namespace

Status launch(const LaunchTarget& target) {
    if (target.fileName.empty()) {
        return noFileName(target);
    }
    const std::string full =
        (target.folder.empty() ? std::string() : target.folder) + "/" + target.fileName;
    if (target.kind == AssignmentKind::LaunchProgram) {
        return spawnDetached({full}, target.folder, false);
    }
    // Music, files and folders: the desktop's default application.
    Status s = spawnDetached({"xdg-open", full}, target.folder, true);
    if (!s && s.error().message.find("xdg-open") != std::string::npos) {
        return makeError(ErrorCode::Unsupported, "Could not open \"" + full +
                                                     "\": xdg-open is missing; install xdg-utils.");
    }
    return s;
}

namespace {

namespace fs = std::filesystem;

bool isExecutableFile(const fs::path& p) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) {
        return false;
    }
    return ::access(p.c_str(), X_OK) == 0;
}

std::optional<fs::path> findInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::nullopt;
    }
    constexpr char kListSeparator = ':';
    std::string_view rest(path);
    while (!rest.empty()) {
        const auto end = rest.find(kListSeparator);
        const std::string_view folder = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (folder.empty()) {
            continue; // an empty entry would mean the current folder of every key press
        }
        const fs::path candidate = fs::path(std::string(folder)) / name;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace

Result<std::string> resolveLaunchPath(AssignmentKind kind, const std::string& path) {
    const fs::path given(path);
    if (given.is_absolute()) {
        return path;
    }
    const bool bare = path.find(launchPathSeparator()) == std::string::npos &&
                      path.find('/') == std::string::npos;
    if (bare && kind == AssignmentKind::LaunchProgram) {
        if (auto found = findInPath(path)) {
            return pathText(*found);
        }
        return makeError(ErrorCode::InvalidArgument,
                         "there is no program \"" + path +
                             "\" in PATH; give the program's full path, such as /usr/bin/" + path);
    }
    std::error_code ec;
    fs::path full = fs::absolute(given, ec).lexically_normal();
    if (!full.has_filename()) {
        full = full.parent_path(); // "." or "dir/": the folder itself
    }
    if (ec || !fs::exists(full, ec)) {
        return makeError(ErrorCode::InvalidArgument,
                         "there is no \"" + path +
                             "\" in the current folder; give the full path of what the key opens");
    }
    return pathText(full);
}

} // namespace vantrel::platform
