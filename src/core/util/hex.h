// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

// Bytes as two-digit upper-case hex separated by single spaces ("00 81 7E"),
// the form of the protocol trace and of the command-line tool's output.
std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace vantrel
