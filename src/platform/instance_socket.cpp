// SPDX-License-Identifier: MIT
#include "platform/instance_socket.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel::platform {
namespace {

std::string keepNameCharacters(std::string_view s) {
    std::string out;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 128 && std::isalnum(u)) || c == '-') {
            out += c;
        }
    }
    return out;
}

#ifndef _WIN32

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
    return ec ? std::string("/tmp") : folder.string();
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

#endif

} // namespace

std::string instanceSocketName(std::string_view instanceName) {
    const std::string name = "vantrel-" + keepNameCharacters(instanceName);
#ifndef _WIN32
    return (std::filesystem::path(privateRuntimeFolder()) /
            (name + '-' + std::to_string(::getuid())))
        .string();
#else
    const char* user = std::getenv("USERNAME");
    return name + '-' + keepNameCharacters(user != nullptr ? user : "");
#endif
}

bool peerIsThisUser(long long descriptor) {
#ifdef _WIN32
    (void)descriptor;
    return true; // named pipes of another session are out of reach
#elif defined(SO_PEERCRED)
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
