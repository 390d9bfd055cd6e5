// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/util/result.h"

#include <cstdint>

namespace vantrel::ui {

// Starts what a launch key of the keyboard stands for. Behind an interface
// so that window tests never start real programs.
class KeyActionLauncher {
public:
    virtual ~KeyActionLauncher() = default;
    virtual Status launch(const AssignmentTable& table, std::uint8_t key) = 0;
};

// The system's launcher (platform/launcher.h).
class PlatformKeyActionLauncher final : public KeyActionLauncher {
public:
    Status launch(const AssignmentTable& table, std::uint8_t key) override;
};

} // namespace vantrel::ui
