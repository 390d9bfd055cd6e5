// SPDX-License-Identifier: MIT
#include "cli/completion_words.h"

#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "cli/set_fields.h"
#include "core/model/basic_functions.h"
#include "core/model/key_positions.h"
#include "core/model/profile_store.h"
#include "core/model/state_files.h"

namespace vantrel::cli {

Result<std::vector<std::string>> completionWords(std::string_view what,
                                                 const std::filesystem::path& dataFolder) {
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
    } else if (what == "profile-actions") {
        words = {"list", "save", "load", "delete", "bind", "unbind", "bindings"};
    } else if (what == "profiles") {
        auto listed = ProfileStore(DataFolder(dataFolder).profiles()).list();
        for (const auto& e : listed ? *listed : std::vector<ProfileEntry>{}) {
            words.push_back(e.name);
        }
    } else {
        return makeError(ErrorCode::InvalidArgument,
                         "--complete takes commands, options, fields, keys, targets, functions, "
                         "profile-actions or profiles.");
    }
    return words;
}

} // namespace vantrel::cli
