// SPDX-License-Identifier: MIT
#include "core/model/binding_edit.h"

#include "core/util/path_text.h"
#include "core/util/translatable.h"

namespace vantrel {
namespace fs = std::filesystem;

namespace {

// The bindings to change; the damage of a damaged file is the answer.
Result<ProgramBindings> bindingsToChange(const fs::path& file) {
    auto loaded = LoadBindingsFile(file);
    if (!loaded) {
        return loaded.error();
    }
    if (loaded->problem) {
        return *loaded->problem;
    }
    return std::move(loaded->bindings);
}

} // namespace

Result<BindOutcome> BindProgramInFile(const fs::path& file, const std::string& program,
                                      const std::string& profile) {
    if (Status s = ProgramBindings::checkProgram(program); !s) {
        return s.error();
    }
    auto bindings = bindingsToChange(file);
    if (!bindings) {
        return bindings.error();
    }
    BindOutcome outcome;
    for (const ProgramBinding& b : bindings->all()) {
        if (b.program == program && b.profile != profile) {
            outcome.movedFrom = b.profile;
        }
    }
    bindings->bind(program, profile);
    if (Status s = SaveBindingsFile(file, *bindings); !s) {
        return s.error();
    }
    return outcome;
}

Result<std::string> UnbindProgramInFile(const fs::path& file,
                                        const std::vector<std::string>& programs) {
    auto bindings = bindingsToChange(file);
    if (!bindings) {
        return bindings.error();
    }
    for (const std::string& program : programs) {
        if (!bindings->unbind(program)) {
            continue;
        }
        if (Status s = SaveBindingsFile(file, *bindings); !s) {
            return s.error();
        }
        return program;
    }
    return makeError(ErrorCode::InvalidArgument,
                     MessageText{VANTREL_TR_NOOP("CoreMessage", "%1 is not bound"),
                                 {programs.empty() ? std::string() : programs.back()}});
}

Result<std::string> ResolvedExecutable(const fs::path& file) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(file, ec);
    if (ec || !fs::is_regular_file(resolved, ec)) {
        return makeError(
            ErrorCode::InvalidArgument,
            MessageText{VANTREL_TR_NOOP("CoreMessage", "there is no program %1; give an "
                                                       "executable's absolute path"),
                        {pathText(file)}});
    }
    return pathText(resolved);
}

} // namespace vantrel
