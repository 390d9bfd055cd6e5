// SPDX-License-Identifier: MIT
#include "core/util/windows_text.h"
#include "platform/instance_socket.h"
#include "platform/instance_socket_parts.h"

#include <cstdint>
#include <vector>
#include <windows.h>

namespace vantrel::platform {
namespace {

std::string userName() {
    wchar_t buffer[256 + 1];
    DWORD size = sizeof buffer / sizeof buffer[0];
    if (!GetUserNameW(buffer, &size) || size == 0) {
        return {};
    }
    return windows::utf8FromWide(std::wstring_view(buffer, size - 1)); // less the terminator
}

// The user a token stands for, as its security identifier record.
std::vector<std::uint8_t> tokenUser(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<std::uint8_t> user(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size)) {
        return {};
    }
    return user;
}

std::vector<std::uint8_t> userOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return {};
    }
    auto user = tokenUser(token);
    CloseHandle(token);
    return user;
}

bool runsAsThisUser(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return false; // out of our reach: not ours
    }
    const auto theirs = userOfProcess(process);
    CloseHandle(process);
    const auto ours = userOfProcess(GetCurrentProcess());
    if (theirs.empty() || ours.empty()) {
        return false;
    }
    const auto* a = reinterpret_cast<const TOKEN_USER*>(theirs.data());
    const auto* b = reinterpret_cast<const TOKEN_USER*>(ours.data());
    return EqualSid(a->User.Sid, b->User.Sid) != 0;
}

} // namespace

// Qt makes "\\.\pipe\" and this name of it. Letters outside ASCII are left
// out, so two users with names of such letters alone share the name; the
// peer check then keeps them apart.
std::string instanceSocketName(std::string_view instanceName) {
    return "vantrel-" + keepNameCharacters(instanceName) + '-' + keepNameCharacters(userName());
}

// Either end of a pipe: the client asks after the server's process, the
// server (which finds itself there) after the client's. A pipe name taken
// first by another user's program is so refused.
bool peerIsThisUser(long long descriptor) {
    HANDLE pipe = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(descriptor));
    ULONG peer = 0;
    if (!GetNamedPipeServerProcessId(pipe, &peer)) {
        return false;
    }
    if (peer == GetCurrentProcessId() && !GetNamedPipeClientProcessId(pipe, &peer)) {
        return false;
    }
    return runsAsThisUser(peer);
}

} // namespace vantrel::platform
