// SPDX-License-Identifier: MIT
#include "platform/front_window.h"

namespace vantrel::platform {

Result<std::unique_ptr<FrontWindowWatcher>> watchFrontWindow() {
    return makeError(ErrorCode::Unsupported,
                     "switching by the program in front is not available on Windows yet");
}

std::string executableOf(long) {
    return {};
}

} // namespace vantrel::platform
