// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/program_bindings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// Changes of the bindings file as vantrelctl and the window make them: the
// file is read, changed and written back atomically. A damaged file is set
// aside and the change is refused with the reason (BadFile), so that a
// binding made in ignorance of the lost ones is not written over them;
// the next change starts from no bindings.

struct BindOutcome {
    // The profile the program was bound to before, when it was another:
    // a program has one profile, so the binding moved.
    std::optional<std::string> movedFrom;
};

// Binds `program` (as checkProgram accepts it) to `profile`.
Result<BindOutcome> BindProgramInFile(const std::filesystem::path& file, const std::string& program,
                                      const std::string& profile);

// Unbinds the first of `programs` that is bound (a resolved path, then the
// word as typed) and says which; InvalidArgument when none is.
Result<std::string> UnbindProgramInFile(const std::filesystem::path& file,
                                        const std::vector<std::string>& programs);

// An executable as the window in front is matched against it: its path
// with the links resolved; InvalidArgument when it is not an existing file.
Result<std::string> ResolvedExecutable(const std::filesystem::path& file);

} // namespace vantrel
