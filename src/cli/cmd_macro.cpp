// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "cli/json_writer.h"
#include "core/macro/macro_event_parser.h"
#include "core/macro/macro_list.h"
#include "core/macro/macro_streams.h"
#include "core/model/macro_followers.h"
#include "core/util/utf.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace vantrel::cli {

namespace {

constexpr const char* kMacroHelp =
    "\n"
    "  macro list [--json]                every macro: number, name, loop count,\n"
    "                                     number of events\n"
    "  macro show N                       the event list of macro N\n"
    "  macro add NAME [--loop N] [EVENT ...]\n"
    "                                     a new macro at the end of the list\n"
    "  macro delete N                     remove macro N; later macros move up\n"
    "  macro send                         send every macro to the keyboard again\n"
    "\n"
    "Macros are numbered from 0; macro N plays from keyboard slot N, and only\n"
    "the first 32 fit on the keyboard. EVENTs are NAME:dn (press), NAME:up\n"
    "(release) and delays such as 120ms (2 to 60000) before the next event,\n"
    "for example: A:dn 120ms A:up MsLB:dn MsLB:up. Key names as for 'assign';\n"
    "the mouse buttons are MsLB, MsRB and MsMB. A macro holds at most 190\n"
    "bytes of events (95 without delays); its name at most 254 characters; the\n"
    "loop count (how often the keyboard plays it) is 1 to 999.\n"
    "\n"
    "list and show only read MacroDefine.bin. add, delete and send save\n"
    "MacroDefine.bin and keymap.bin and send the changed slots to the keyboard.\n"
    "delete gives keys that played a later macro the macro's new number, so they\n"
    "keep playing the same macro, and gives keys that played the deleted macro\n"
    "their own function back; each such key is named on stderr.\n";

constexpr const char* kRetrySend = "run 'vantrelctl macro send' once the keyboard answers.";

Error bad(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

// A checked `macro add`: everything but the place in the list.
struct NewMacro {
    std::u16string name;
    std::uint16_t loopCount = macro::kMinLoopCount;
    bool recordDelays = false;
    MacroStreams streams;
};

Result<std::uint16_t> parseLoopCount(std::string_view word) {
    unsigned n = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (word.empty() || ec != std::errc{} || ptr != word.data() + word.size() ||
        n < macro::kMinLoopCount || n > macro::kMaxLoopCount) {
        return bad("the loop count \"" + std::string(word) + "\" must be a number from 1 to 999.");
    }
    return static_cast<std::uint16_t>(n);
}

// args: NAME [--loop N] [EVENT ...], the loop option anywhere after NAME.
Result<NewMacro> parseNewMacro(std::span<const std::string> args, const KeyNameTable& names) {
    if (args.empty()) {
        return bad("macro add needs a NAME, such as 'macro add Greet A:dn A:up'.");
    }
    NewMacro m;
    auto name = utf8ToUtf16(args[0]);
    if (!name) {
        return bad("the macro name is not valid UTF-8.");
    }
    if (name->empty()) {
        return bad("a macro needs a name that is not empty.");
    }
    if (name->size() > macro::kMaxNameLength) {
        return bad("the macro name is " + std::to_string(name->size()) +
                   " characters long; at most 254 fit.");
    }
    m.name = std::move(*name);
    std::string events;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string_view a = args[i];
        std::string_view value;
        if (a == "--loop") {
            if (i + 1 == args.size()) {
                return bad("--loop needs a count from 1 to 999.");
            }
            value = args[++i];
        } else if (a.starts_with("--loop=")) {
            value = a.substr(7);
        } else if (a.starts_with("--")) {
            return bad("unknown option \"" + std::string(a) + "\" for macro add; only --loop N.");
        } else {
            events += std::string(events.empty() ? "" : " ") + std::string(a);
            continue;
        }
        auto loops = parseLoopCount(value);
        if (!loops) {
            return loops.error();
        }
        m.loopCount = *loops;
    }
    auto parsed = parseMacroEvents(names, events);
    if (!parsed) {
        return bad(parsed.error().message + "; see 'vantrelctl macro --help' for the events.");
    }
    auto streams = MacroStreams::fromEvents(*parsed);
    if (!streams) {
        return bad(streams.error().message + ".");
    }
    m.streams = *streams;
    m.recordDelays = std::any_of(parsed->begin(), parsed->end(),
                                 [](const MacroEvent& e) { return e.delay > macro::kNoDelay; });
    return m;
}

Status expectArgs(const std::vector<std::string>& args, std::size_t n, const char* usage) {
    if (args.size() != n) {
        return bad(std::string("usage: vantrelctl macro ") + usage +
                   "; see 'vantrelctl macro --help'.");
    }
    return Status::success();
}

Status checkMacro(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (args.empty()) {
        return bad("macro needs list, show, add, delete or send; see 'vantrelctl macro --help'.");
    }
    const std::string& sub = args[0];
    if (sub == "list") {
        if (args.size() == 2 && args[1] == "--json") {
            return Status::success();
        }
        return expectArgs(args, 1, "list [--json]");
    }
    if (sub == "send") {
        return expectArgs(args, 1, "send");
    }
    if (sub == "show" || sub == "delete") {
        if (Status s = expectArgs(args, 2, sub == "show" ? "show N" : "delete N"); !s) {
            return s;
        }
        if (auto n = parseMacroIndex(args[1]); !n) {
            return n.error();
        }
        return Status::success();
    }
    if (sub == "add") {
        const KeyNameTable names = BuildKeyNameTable();
        if (auto m = parseNewMacro(std::span(args).subspan(1), names); !m) {
            return m.error();
        }
        return Status::success();
    }
    return bad("unknown macro command \"" + sub +
               "\": expected list, show, add, delete or send; see 'vantrelctl macro --help'.");
}

// ---- list and show: MacroDefine.bin only -------------------------------------

int runList(Context& context, bool json) {
    MacroTable& table = context.model().macros();
    if (Status s = peekMacroFile(context.dataFolder().macros(), table); !s) {
        return context.fail(s.error());
    }
    const std::size_t n = usedMacroCount(table);
    if (json) {
        JsonWriter j;
        j.beginArrayOfObjects();
        for (std::size_t i = 0; i < n; ++i) {
            j.beginObject();
            j.key("number");
            j.value(static_cast<int>(i));
            j.key("name");
            j.value(utf16ToUtf8(table[i].name()));
            j.key("loopCount");
            j.value(static_cast<int>(shownLoopCount(table[i])));
            j.key("events");
            j.value(static_cast<int>(MacroStreams::fromRecord(table[i]).events().size()));
            j.key("onKeyboard");
            j.value(i < macro::kMaxMacros);
            j.endObject();
        }
        j.endArray();
        context.print("%s\n", j.text().c_str());
        return kExitOk;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const MacroRecord& r = table[i];
        const std::size_t events = MacroStreams::fromRecord(r).events().size();
        context.print("%zu\t%s\tloop %u\t%zu event%s%s\n", i, utf16ToUtf8(r.name()).c_str(),
                      static_cast<unsigned>(shownLoopCount(r)), events, events == 1 ? "" : "s",
                      i >= macro::kMaxMacros ? "\tnot on the keyboard" : "");
    }
    return kExitOk;
}

Result<std::size_t> existingMacro(const MacroTable& table, std::string_view word) {
    auto index = parseMacroIndex(word);
    if (!index) {
        return index.error();
    }
    const std::size_t n = usedMacroCount(table);
    if (*index >= n) {
        return bad("there is no macro " + std::to_string(*index) +
                   (n == 0 ? std::string("; there are no macros yet.")
                           : "; the macros are 0 to " + std::to_string(n - 1) + "."));
    }
    return *index;
}

int runShow(Context& context, const std::string& word) {
    MacroTable& table = context.model().macros();
    if (Status s = peekMacroFile(context.dataFolder().macros(), table); !s) {
        return context.fail(s.error());
    }
    auto index = existingMacro(table, word);
    if (!index) {
        return context.fail(index.error());
    }
    const MacroStreams streams = MacroStreams::fromRecord(table[*index]);
    for (const auto& line : macroLineTexts(streams, context.model().keyNames())) {
        context.print("%s\n", line.c_str());
    }
    return kExitOk;
}

// ---- add, delete, send: files and keyboard -----------------------------------

// The edit is tried on the file as it is before anything is opened or
// written, then made for real on the table as the program loads it.
template <class Edit> Status editMacros(Context& context, Edit&& edit) {
    MacroTable& table = context.model().macros();
    if (Status s = peekMacroFile(context.dataFolder().macros(), table);
        !s && s.error().code != ErrorCode::BadFile) {
        return s;
    }
    if (Status s = edit(table); !s) {
        return s;
    }
    if (Status s = loadMacros(context); !s) {
        return s;
    }
    return edit(table);
}

// Slots into the image, both files saved, the changed slots sent.
Status storeAndSend(Context& context) {
    ConfiguratorModel& m = context.model();
    fillMacroSlots(m.macros(), m.image());
    if (Status s = context.saveKeymap(); !s) {
        return s;
    }
    if (Status s = SaveMacroFile(context.dataFolder().macros(), m.macros()); !s) {
        return s;
    }
    return sendEdits(context, kRetrySend);
}

int runAdd(Context& context, const std::vector<std::string>& args) {
    auto request = parseNewMacro(std::span(args).subspan(1), context.model().keyNames());
    if (!request) {
        return context.fail(request.error());
    }
    std::size_t index = 0;
    Status edited = editMacros(context, [&](MacroTable& table) -> Status {
        auto added = addMacro(table, request->name, request->loopCount, request->recordDelays,
                              request->streams);
        if (!added) {
            return bad(added.error().message + "; 'vantrelctl macro list' shows the macros.");
        }
        index = *added;
        return Status::success();
    });
    if (!edited) {
        return context.fail(edited.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    if (Status s = storeAndSend(context); !s) {
        return context.fail(s.error());
    }
    context.print("added macro %zu \"%s\"\n", index, args[1].c_str());
    return kExitOk;
}

// Keys bound to the deleted macro or a later one follow the core's rule;
// one message each.
Result<std::vector<std::string>> followDeletedMacro(Context& context, std::size_t deleted,
                                                    std::size_t countBefore) {
    ConfiguratorModel& m = context.model();
    auto changes =
        vantrel::followDeletedMacro(m, deleted, countBefore, context.dataFolder().keymap());
    if (!changes) {
        return changes.error();
    }
    std::vector<std::string> notes;
    for (const MacroKeyChange& c : *changes) {
        const std::string key = keyLabel(m.keyNames(), c.position);
        if (!c.newSlot) {
            notes.push_back("key " + key + " played the deleted macro " +
                            std::to_string(c.oldSlot) + "; it has its own function back.");
        } else {
            notes.push_back("key " + key + " now plays macro " + std::to_string(*c.newSlot) +
                            ", which was macro " + std::to_string(c.oldSlot) + ".");
        }
    }
    return notes;
}

int runDelete(Context& context, const std::vector<std::string>& args) {
    std::size_t index = 0;
    std::size_t countBefore = 0;
    std::string name;
    Status edited = editMacros(context, [&](MacroTable& table) -> Status {
        auto found = existingMacro(table, args[1]);
        if (!found) {
            return found.error();
        }
        index = *found;
        countBefore = usedMacroCount(table);
        name = utf16ToUtf8(table[index].name());
        return deleteMacro(table, index);
    });
    if (!edited) {
        return context.fail(edited.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    auto notes = followDeletedMacro(context, index, countBefore);
    if (!notes) {
        return context.fail(notes.error());
    }
    for (const auto& note : *notes) {
        context.warn(note);
    }
    if (Status s = storeAndSend(context); !s) {
        return context.fail(s.error());
    }
    context.print("deleted macro %zu \"%s\"\n", index, name.c_str());
    return kExitOk;
}

int runSend(Context& context) {
    if (Status s = loadMacros(context); !s) {
        return context.fail(s.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    if (Status s = storeAndSend(context); !s) {
        return context.fail(s.error());
    }
    const std::size_t n = std::min(usedMacroCount(context.model().macros()), macro::kMaxMacros);
    context.print("the keyboard holds the %zu macro%s of MacroDefine.bin\n", n, n == 1 ? "" : "s");
    return kExitOk;
}

int runMacro(Context& context, const std::vector<std::string>& args) {
    const std::string& sub = args[0];
    if (sub == "list") {
        return runList(context, args.size() == 2);
    }
    if (sub == "show") {
        return runShow(context, args[1]);
    }
    if (sub == "add") {
        return runAdd(context, args);
    }
    if (sub == "delete") {
        return runDelete(context, args);
    }
    return runSend(context);
}

bool macroReadsOnlyFiles(const std::vector<std::string>& args) {
    return !args.empty() && (args[0] == "list" || args[0] == "show");
}

} // namespace

CliCommand macroCommand() {
    return {"macro",
            "ACTION ...",
            "list, show, add, delete or send macros (macro --help)",
            kMacroHelp,
            checkMacro,
            runMacro,
            macroReadsOnlyFiles};
}

} // namespace vantrel::cli
