// SPDX-License-Identifier: MIT
#pragma once

namespace vantrel {

// Where the package installs the udev rule that gives the user the
// keyboard's nodes: what a user without access is told to install.
inline constexpr const char* kUdevRulePath =
#ifdef VANTREL_UDEV_RULE_PATH
    VANTREL_UDEV_RULE_PATH;
#else
    "/lib/udev/rules.d/70-vantrel.rules";
#endif

} // namespace vantrel
