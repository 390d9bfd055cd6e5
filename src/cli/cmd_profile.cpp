// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/profile_words.h"
#include "core/util/file_read.h"
#include "core/util/folders.h"
#include "core/util/path_text.h"

#include <algorithm>
#include <cstdio>

namespace vantrel::cli {

namespace {

constexpr const char* kProfileHelp =
    "\n"
    "  profile list [--json]             the profiles of the profile folder; * marks\n"
    "                                    the one keymap.bin holds\n"
    "  profile save NAME                 the keyboard's configuration as profile NAME\n"
    "  profile load NAME                 send profile NAME to the keyboard (only what\n"
    "                                    differs is sent)\n"
    "  profile delete NAME               remove profile NAME and its bindings\n"
    "  profile bind NAME PROGRAM         bring profile NAME when PROGRAM is in front\n"
    "  profile unbind PROGRAM            forget PROGRAM's profile\n"
    "  profile bindings [--json]         every program and its profile\n"
    "\n"
    "Profiles are the files NAME.bin of the folder Configure in the data folder, in\n"
    "the layout of keymap.bin. PROGRAM is an executable's absolute path (links are\n"
    "resolved) or class:NAME, a window class (X11) or application id (Wayland).\n"
    "The bindings are kept in vantrel-bindings.conf in the user's configuration\n"
    "folder; the desktop program switches profiles by the program in front.\n";

Error bad(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

Status expectArgs(const std::vector<std::string>& args, std::size_t n, const char* usage) {
    if (args.size() != n) {
        return bad(std::string("usage: vantrelctl profile ") + usage +
                   "; see 'vantrelctl profile --help'.");
    }
    return Status::success();
}

Status checkProfile(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (args.empty()) {
        return bad("profile needs list, save, load, delete, bind, unbind or bindings; see "
                   "'vantrelctl profile --help'.");
    }
    const std::string& sub = args[0];
    if (sub == "list" || sub == "bindings") {
        if (args.size() == 2 && args[1] == "--json") {
            return Status::success();
        }
        return expectArgs(args, 1, sub == "list" ? "list [--json]" : "bindings [--json]");
    }
    if (sub == "save" || sub == "load" || sub == "delete" || sub == "bind") {
        const bool bind = sub == "bind";
        if (Status s = expectArgs(args, bind ? 3 : 2, bind ? "bind NAME PROGRAM" : "ACTION NAME");
            !s) {
            return s;
        }
        if (Status s = ProfileStore::checkName(args[1]); !s) {
            return bad(s.error().message + ".");
        }
        return bind ? ProgramBindings::checkProgram(args[2]) : Status::success();
    }
    if (sub == "unbind") {
        if (Status s = expectArgs(args, 2, "unbind PROGRAM"); !s) {
            return s;
        }
        return ProgramBindings::checkProgram(args[1]);
    }
    return bad("unknown profile command \"" + sub +
               "\": expected list, save, load, delete, bind, unbind or bindings.");
}

// Whether the profile file holds what keymap.bin holds. The wrist-rest
// record's first byte is the command that last carried it (set or get), not
// a setting, and is left out.
bool sameBytes(const std::filesystem::path& a, std::vector<std::uint8_t> bytes) {
    auto file = readFileOfSize(a, kKeymapFileSize);
    if (!file || file->bytes.size() != kKeymapFileSize || bytes.size() != kKeymapFileSize) {
        return false;
    }
    constexpr std::size_t kCarrier = image::kWristLighting + image::kWristCommandByte;
    bytes[kCarrier] = file->bytes[kCarrier];
    return file->bytes == bytes;
}

int runList(Context& context, bool json) {
    auto listed = ProfileStore(context.dataFolder().profiles()).list();
    if (!listed) {
        return context.fail(listed.error());
    }
    std::sort(listed->begin(), listed->end(),
              [](const ProfileEntry& a, const ProfileEntry& b) { return a.name < b.name; });
    auto keymap = readFileOfSize(context.dataFolder().keymap(), kKeymapFileSize);
    const std::vector<std::uint8_t> held = keymap ? keymap->bytes : std::vector<std::uint8_t>{};
    JsonWriter j;
    j.beginArrayOfObjects();
    for (const ProfileEntry& e : *listed) {
        const bool active = sameBytes(e.path, held);
        if (!json) {
            context.print("%s%s\n", active ? "* " : "  ", e.name.c_str());
            continue;
        }
        j.beginObject();
        j.key("name");
        j.value(e.name);
        j.key("file");
        j.value(pathText(e.path));
        j.key("inKeymap");
        j.value(active);
        j.endObject();
    }
    j.endArray();
    if (json) {
        context.print("%s\n", j.text().c_str());
    }
    return kExitOk;
}

int runSave(Context& context, const std::string& name) {
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    const ProfileStore store(context.dataFolder().profiles());
    if (std::error_code ec = createFolders(store.folder()); ec) {
        return context.fail(makeError(ErrorCode::Io, "cannot create " + pathText(store.folder()) +
                                                         ": " + ec.message()));
    }
    const std::filesystem::path file = store.pathOf(name);
    std::error_code ec;
    const bool replaced = std::filesystem::exists(file, ec);
    const ConfiguratorModel& m = context.model();
    if (Status s = SaveKeymapFile(file, m.image(), m.assignments()); !s) {
        return context.fail(s.error());
    }
    context.print("%s profile %s\n", replaced ? "replaced" : "saved", name.c_str());
    return kExitOk;
}

int runLoad(Context& context, const std::string& name) {
    auto file = existingProfile(context, name);
    if (!file) {
        return context.fail(file.error());
    }
    // Read before the keyboard is touched: a damaged profile changes nothing.
    ConfigImage image;
    AssignmentTable table;
    if (Status s = LoadProfileFile(*file, image, table); !s) {
        return context.fail(makeError(ErrorCode::BadFile, s.error().message));
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    ConfiguratorModel& m = context.model();
    m.image() = image;
    m.assignments() = table;
    m.assignments().writeOwnKeys();
    if (Status s = context.applyChanges(); !s) {
        return context.fail(s.error());
    }
    context.print("loaded profile %s\n", name.c_str());
    return kExitOk;
}

int runDelete(Context& context, const std::string& name) {
    auto file = existingProfile(context, name);
    if (!file) {
        return context.fail(file.error());
    }
    auto bindings = loadBindings(context);
    if (!bindings) {
        return context.fail(bindings.error());
    }
    if (Status s = ProfileStore(context.dataFolder().profiles()).remove(*file); !s) {
        return context.fail(s.error());
    }
    context.print("deleted profile %s\n", name.c_str());
    if (const std::size_t n = bindings->unbindProfile(name); n > 0) {
        if (Status s = SaveBindingsFile(bindingsFile(), *bindings); !s) {
            return context.fail(s.error());
        }
        context.print("unbound %zu program%s from it\n", n, n == 1 ? "" : "s");
    }
    return kExitOk;
}

int runProfile(Context& context, const std::vector<std::string>& args) {
    const std::string& sub = args[0];
    const bool json = args.size() == 2 && args[1] == "--json";
    if (sub == "list") {
        return runList(context, json);
    }
    if (sub == "bindings") {
        return runBindings(context, json);
    }
    if (sub == "save") {
        return runSave(context, args[1]);
    }
    if (sub == "load") {
        return runLoad(context, args[1]);
    }
    if (sub == "delete") {
        return runDelete(context, args[1]);
    }
    if (sub == "bind") {
        return runBind(context, args[1], args[2]);
    }
    return runUnbind(context, args[1]);
}

bool profileReadsOnlyFiles(const std::vector<std::string>& args) {
    return !args.empty() && args[0] != "save" && args[0] != "load";
}

} // namespace

CliCommand profileCommand() {
    return {"profile",
            "ACTION ...",
            "list, save, load, delete and bind profiles (profile --help)",
            kProfileHelp,
            checkProfile,
            runProfile,
            profileReadsOnlyFiles};
}

} // namespace vantrel::cli
