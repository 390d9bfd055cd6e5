// SPDX-License-Identifier: MIT
#include "cli/completion_words.h"

#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "cli/set_fields.h"
#include "core/model/basic_functions.h"
#include "core/model/key_positions.h"

namespace vantrel::cli {

Result<std::vector<std::string>> completionWords(std::string_view what) {
    std::vector<std::string> words;
    if (what == "commands") {
        for (const auto& c : allCommands()) {
            words.emplace_back(c.name);
        }
    } else if (what == "options") {
        words = {"--simulate", "--sim-state", "--trace",  "--data-dir",
                 "--local",    "--help",      "--version"};
    } else if (what == "fields") {
        for (const auto& f : fieldValues(ConfigImage{})) {
            words.push_back(f.name + "=");
        }
    } else if (what == "keys") {
        const KeyNameTable names = BuildKeyNameTable();
        for (std::size_t p = 0; p < kKeyPositionCount; ++p) {
            words.push_back(keyLabel(names, p));
        }
    } else if (what == "targets") {
        words = {"key", "combo", "macro", "function", "launch", "disable", "default"};
    } else if (what == "functions") {
        for (const auto& f : BasicFunctionTable()) {
            if (!f.groupHeader) {
                words.emplace_back(f.id);
            }
        }
    } else {
        return makeError(ErrorCode::InvalidArgument,
                         "--complete takes commands, options, fields, keys, targets or functions.");
    }
    return words;
}

} // namespace vantrel::cli
