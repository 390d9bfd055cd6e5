// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vantrel::platform {

// The name every copy of the desktop program shares (begins with a blank).
inline constexpr const char* kInstanceName = " {57D1171D-1a34-0804-8A3A-65ABA2150001}";

// Where the desktop program listens for later starts of itself and for
// vantrelctl: "vantrel-" and the instance name's letters, digits and '-',
// then the numeric user id, in $XDG_RUNTIME_DIR (or a folder of the user's
// own in the temporary folder) so that users do not see each other. The
// user is who the system says runs the program, not $USER. On Windows a
// pipe name with the user's name.
std::string instanceSocketName(std::string_view instanceName = kInstanceName);

// True when the other end of a connected local socket runs as this user.
bool peerIsThisUser(long long descriptor);

} // namespace vantrel::platform
