// SPDX-License-Identifier: MIT
#include "core/util/message_text.h"

namespace vantrel {

std::string MessageText::english() const {
    std::string out;
    if (source == nullptr) {
        return out;
    }
    // %1..%9 as Qt's arg() reads them; any other % stays.
    for (const char* c = source; *c != '\0'; ++c) {
        const char next = c[1];
        if (*c == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size()) {
                out += args[index];
            }
            ++c;
            continue;
        }
        out += *c;
    }
    return out;
}

} // namespace vantrel
