// SPDX-License-Identifier: MIT
// Shared by the systems' own launchers.
#pragma once

#include "core/device/key_action.h"
#include "core/util/result.h"

namespace vantrel::platform {

// A launch path that ends in a separator: nothing to start.
Error noFileName(const LaunchTarget& target);

} // namespace vantrel::platform
