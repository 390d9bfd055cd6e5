// SPDX-License-Identifier: MIT
#include "cli/profile_words.h"

#include "cli/json_writer.h"
#include "core/model/binding_edit.h"
#include "core/util/path_text.h"
#include "platform/data_folder.h"

namespace vantrel::cli {
namespace fs = std::filesystem;

namespace {

Error bad(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

} // namespace

fs::path bindingsFile() {
    return platform::userConfigFolder() / kBindingsFileName;
}

Result<ProgramBindings> loadBindings(Context& context) {
    auto loaded = LoadBindingsFile(bindingsFile());
    if (!loaded) {
        return loaded.error();
    }
    if (loaded->problem) {
        context.warn(loaded->problem->message);
    }
    return std::move(loaded->bindings);
}

Result<fs::path> existingProfile(const Context& context, const std::string& name) {
    const ProfileStore store(context.dataFolder().profiles());
    const fs::path file = store.pathOf(name);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return bad("there is no profile " + name + "; 'vantrelctl profile list' shows them.");
    }
    return file;
}

Result<std::string> programWord(const Context& context, const std::string& word, bool mustExist) {
    if (word.starts_with(ProgramBindings::kClassPrefix)) {
        return word;
    }
    auto resolved = ResolvedExecutable(context.userFile(word));
    if (!resolved && !mustExist) {
        return word; // a program removed since it was bound can still be unbound
    }
    if (!resolved) {
        return bad("there is no program " + word + "; give an executable's absolute path.");
    }
    return resolved;
}

std::optional<std::string> profileLoadedBy(const std::string& command,
                                           const std::vector<std::string>& args, int status) {
    if (command != "profile" || status != kExitOk || args.size() != 2 || args[0] != "load") {
        return std::nullopt;
    }
    return args[1];
}

int runBind(Context& context, const std::string& name, const std::string& program) {
    if (auto file = existingProfile(context, name); !file) {
        return context.fail(file.error());
    }
    auto word = programWord(context, program, true);
    if (!word) {
        return context.fail(word.error());
    }
    auto bound = BindProgramInFile(bindingsFile(), *word, name);
    if (!bound) {
        return context.fail(bound.error());
    }
    context.print("bound %s to profile %s\n", word->c_str(), name.c_str());
    if (bound->movedFrom) {
        context.print("(it was bound to profile %s)\n", bound->movedFrom->c_str());
    }
    return kExitOk;
}

int runUnbind(Context& context, const std::string& program) {
    auto word = programWord(context, program, false);
    if (!word) {
        return context.fail(word.error());
    }
    auto unbound = UnbindProgramInFile(bindingsFile(), {*word, program});
    if (!unbound) {
        if (unbound.error().code == ErrorCode::InvalidArgument) {
            return context.fail(bad(program + " is not bound; 'vantrelctl profile bindings' "
                                              "shows the bound programs."));
        }
        return context.fail(unbound.error());
    }
    context.print("unbound %s\n", unbound->c_str());
    return kExitOk;
}

int runBindings(Context& context, bool json) {
    auto loaded = LoadBindingsFile(bindingsFile());
    if (!loaded) {
        return context.fail(loaded.error());
    }
    if (loaded->problem) {
        return context.fail(*loaded->problem);
    }
    const ProgramBindings& b = loaded->bindings;
    if (!json) {
        for (const ProgramBinding& e : b.all()) {
            context.print("%s\t%s\n", e.program.c_str(), e.profile.c_str());
        }
        if (!b.empty() && !b.switchingOn()) {
            context.warn("switching by the program in front is turned off.");
        }
        return kExitOk;
    }
    JsonWriter j;
    j.beginObject();
    j.key("switching");
    j.value(b.switchingOn());
    j.key("bindings");
    j.beginArrayOfObjects();
    for (const ProgramBinding& e : b.all()) {
        j.beginObject();
        j.key("program");
        j.value(e.program);
        j.key("profile");
        j.value(e.profile);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    context.print("%s\n", j.text().c_str());
    return kExitOk;
}

} // namespace vantrel::cli
