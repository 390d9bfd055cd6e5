// SPDX-License-Identifier: MIT
#include "platform/launcher.h"

#include "platform/launcher_parts.h"

namespace vantrel::platform {

Error noFileName(const LaunchTarget& t) {
    return makeError(ErrorCode::InvalidArgument,
                     "The launch path \"" + t.folder +
                         "\" names no file; assign the key to a file, program or folder again.");
}

Status launchKeyAction(const AssignmentTable& table, std::uint8_t key) {
    const auto index = findKeyActionRecord(table, key);
    if (!index) {
        return Status::success();
    }
    return launch(launchTargetOf(table[*index], launchPathSeparator()));
}

} // namespace vantrel::platform
