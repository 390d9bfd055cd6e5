// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "platform/instance_socket.h"
#include "platform/instance_socket_parts.h"

#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel::platform {
namespace {

// A folder only this user can enter: nobody else can bind a name in it, or
// replace one. $XDG_RUNTIME_DIR is made so by the system; the fallback in
// the temporary folder is made so here and checked, since anyone may have
// created it first.
bool isPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

std::string temporaryFolder() {
    // $TMPDIR when set, as Qt's own temporary folder (the program and
    // vantrelctl must agree on it).
    std::error_code ec;
    const auto folder = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : pathText(folder);
}

std::string privateRuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/' && isPrivateFolder(runtime)) {
        return runtime;
    }
    std::string fallback = temporaryFolder() + "/vantrel-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    if (isPrivateFolder(fallback)) {
        return fallback;
    }
    // Taken by someone else: a name of our own in the shared folder. The
    // peer check keeps the programs from talking to another user's.
    return temporaryFolder();
}

} // namespace

std::string instanceSocketName(std::string_view instanceName) {
    const std::string name = "vantrel-" + keepNameCharacters(instanceName);
    return pathText(std::filesystem::path(privateRuntimeFolder()) /
                    (name + '-' + std::to_string(::getuid())));
}

bool peerIsThisUser(long long descriptor) {
#if defined(SO_PEERCRED)
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
        return false;
    }
    return peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::getuid();
#endif
}

} // namespace vantrel::platform
