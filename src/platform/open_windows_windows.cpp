// SPDX-License-Identifier: MIT
#include "platform/open_windows.h"

namespace vantrel::platform {

Result<std::vector<OpenWindow>> listOpenWindows() {
    return std::vector<OpenWindow>{};
}

} // namespace vantrel::platform
