// SPDX-License-Identifier: MIT
#include "cli/profile_words.h"

#include "cli/json_writer.h"
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
        context.warn(*loaded->problem);
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
    const fs::path typed = context.userFile(word);
    std::error_code ec;
    const fs::path resolved = fs::canonical(typed, ec);
    if (ec || !fs::is_regular_file(resolved, ec)) {
        if (!mustExist) {
            return word; // a program removed since it was bound can still be unbound
        }
        return bad("there is no program " + word + "; give an executable's absolute path.");
    }
    return pathText(resolved);
}

int runBind(Context& context, const std::string& name, const std::string& program) {
    if (auto file = existingProfile(context, name); !file) {
        return context.fail(file.error());
    }
    auto word = programWord(context, program, true);
    if (!word) {
        return context.fail(word.error());
    }
    auto bindings = loadBindings(context);
    if (!bindings) {
        return context.fail(bindings.error());
    }
    bindings->bind(*word, name);
    if (Status s = SaveBindingsFile(bindingsFile(), *bindings); !s) {
        return context.fail(s.error());
    }
    context.print("bound %s to profile %s\n", word->c_str(), name.c_str());
    return kExitOk;
}

int runUnbind(Context& context, const std::string& program) {
    auto word = programWord(context, program, false);
    if (!word) {
        return context.fail(word.error());
    }
    auto bindings = loadBindings(context);
    if (!bindings) {
        return context.fail(bindings.error());
    }
    if (!bindings->unbind(*word) && !bindings->unbind(program)) {
        return context.fail(bad(program + " is not bound; 'vantrelctl profile bindings' shows "
                                          "the bound programs."));
    }
    if (Status s = SaveBindingsFile(bindingsFile(), *bindings); !s) {
        return context.fail(s.error());
    }
    context.print("unbound %s\n", word->c_str());
    return kExitOk;
}

int runBindings(Context& context, bool json) {
    auto loaded = LoadBindingsFile(bindingsFile());
    if (!loaded) {
        return context.fail(loaded.error());
    }
    if (loaded->problem) {
        return context.fail(makeError(ErrorCode::BadFile, *loaded->problem));
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
