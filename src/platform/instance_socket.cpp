// SPDX-License-Identifier: MIT
#include "platform/instance_socket_parts.h"

namespace vantrel::platform {

std::string keepNameCharacters(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter || (c >= '0' && c <= '9') || c == '-') {
            out += c;
        }
    }
    return out;
}

} // namespace vantrel::platform
