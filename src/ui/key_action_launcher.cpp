// SPDX-License-Identifier: MIT
#include "ui/key_action_launcher.h"

#include "platform/launcher.h"

namespace vantrel::ui {

Status PlatformKeyActionLauncher::launch(const AssignmentTable& table, std::uint8_t key) {
    return platform::launchKeyAction(table, key);
}

} // namespace vantrel::ui
