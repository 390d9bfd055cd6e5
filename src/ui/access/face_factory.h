// SPDX-License-Identifier: MIT
#pragma once

namespace vantrel::ui {

// Gives every widget that is an AccessibleFace its region tree. Call once,
// after the application object exists and before the first window.
void installFaceAccessibility();

} // namespace vantrel::ui
