// SPDX-License-Identifier: MIT
// What the systems' own data folder files give the shared one.
#pragma once

#include <filesystem>

namespace vantrel::platform {

// The folder under which the simulated keyboards' folders are made.
std::filesystem::path stateFolder();

} // namespace vantrel::platform
