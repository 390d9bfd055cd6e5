// SPDX-License-Identifier: MIT
// What each system adds to the shared diagnosis.
#pragma once

#include "hid/hid_diagnosis.h"

namespace vantrel {

// The system, the user and the system's own checks (udev rules on Linux).
void describeMachine(HidDiagnosis& d);
// What the system tells about one of the keyboard's interfaces, and whether
// this user can open it.
void describeNode(KeyboardNode& node);

} // namespace vantrel
