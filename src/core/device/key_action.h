// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The record a launch key reported by the keyboard stands for: the first
// (lowest index) record of an advanced kind (music, program, file, folder)
// whose own key byte equals `key`.
std::optional<std::size_t> findKeyActionRecord(const AssignmentTable& table, std::uint8_t key);

// A stored launch path split at its last separator: the folder before it,
// the file name after it. Without a separator the whole path is the folder
// and the file name is empty.
struct LaunchTarget {
    std::string folder;
    std::string fileName;
    AssignmentKind kind = AssignmentKind::LaunchProgram;
};
LaunchTarget splitLaunchPath(std::string_view path, char separator);

// The record's path as UTF-8, split for launching.
LaunchTarget launchTargetOf(const AssignmentRecord& record, char separator);

} // namespace vantrel
