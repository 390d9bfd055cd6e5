// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "cli/json_writer.h"
#include "cli/key_words.h"
#include "cli/set_fields.h"
#include "core/macro/macro_event_parser.h"
#include "core/macro/macro_list.h"
#include "core/model/key_positions.h"
#include "core/util/hex.h"
#include "core/util/utf.h"

#include <cstdio>
#include <sstream>

namespace vantrel::cli {

namespace {

// Bytes of a macro slot's event stream up to its end: the stream ends at
// the first event whose key byte is 0; an event is 4 bytes when its delay
// escape (127) is set, else 2.
std::size_t streamLength(std::span<const std::uint8_t> events) {
    std::size_t at = 0;
    while (at + 1 < events.size() && events[at + 1] != 0) {
        const std::size_t size = (events[at] & 0x7F) == 0x7F ? 4 : 2;
        if (at + size > events.size()) {
            break;
        }
        at += size;
    }
    return at;
}

constexpr std::size_t kSlotLoopHigh = 0;
constexpr std::size_t kSlotLoopLow = 1;
constexpr std::size_t kSlotEvents = 2;

void writeWords(JsonWriter& j, const std::vector<std::string>& words) {
    j.beginArray();
    for (const auto& w : words) {
        j.value(w);
    }
    j.endArray();
}

// The key's assignment in the words of `assign`, with the macro's name or
// the launch path spelled out for a reader.
void writeAssignment(JsonWriter& j, const ConfiguratorModel& m, std::size_t position) {
    const auto words = assignWords(m, position);
    j.key("assign");
    if (!words) {
        j.null();
        return;
    }
    writeWords(j, *words);
    const std::string& kind = words->front();
    if (kind == "macro") {
        const std::size_t n = std::stoul((*words)[1]);
        if (n < usedMacroCount(m.macros())) {
            j.key("macro");
            j.value(utf16ToUtf8(m.macros()[n].name()));
        }
    } else if (kind == "launch") {
        j.key("path");
        j.value(words->back());
    }
}

// The macro list of MacroDefine.bin, each as `macro add` takes it.
void writeMacros(JsonWriter& j, const ConfiguratorModel& m) {
    j.key("macros");
    j.beginArrayOfObjects();
    for (std::size_t i = 0; i < usedMacroCount(m.macros()); ++i) {
        const MacroRecord& r = m.macros()[i];
        j.beginObject();
        j.key("number");
        j.value(static_cast<int>(i));
        j.key("name");
        j.value(utf16ToUtf8(r.name()));
        j.key("loopCount");
        j.value(static_cast<int>(shownLoopCount(r)));
        j.key("onKeyboard");
        j.value(i < macro::kMaxMacros);
        std::istringstream events(formatMacroEvents(MacroStreams::fromRecord(r), m.keyNames()));
        std::vector<std::string> words;
        for (std::string w; events >> w;) {
            words.push_back(w);
        }
        j.key("events");
        writeWords(j, words);
        j.endObject();
    }
    j.endArray();
}

// Every field as `set` takes it, then the device switches and the
// lighting as the image holds them.
void writeSettings(JsonWriter& j, const ConfiguratorModel& m) {
    const ConfigImage& img = m.image();
    j.key("settings");
    j.beginObject();
    for (const auto& f : fieldValues(img)) {
        j.key(f.name);
        if (f.number) {
            j.value(std::stoi(f.value));
        } else {
            j.value(f.value);
        }
    }
    j.endObject();
    j.key("firmware");
    j.value(m.firmwareVersion().toString());
    j.key("reportRate");
    j.value(img.reportRate());
    j.key("keyResponseTime");
    j.value(img.keyResponseTime());
    j.key("gameMode");
    j.value(img.gameMode());
    j.key("winLock");
    j.value(img.winLock());
    j.key("lighting");
    j.beginObject();
    j.key("effect");
    j.value(img.lightEffect());
    j.key("speed");
    j.value(img.lightSpeed());
    j.key("brightness");
    j.value(img.lightBrightness());
    j.key("colourIndex");
    j.value(img.lightColourIndex());
    j.key("direction");
    j.value(img.lightDirection());
    j.endObject();
}

// The seven colours of the palette the image keeps through `colour`.
void writeColours(JsonWriter& j, const char* key, const ConfigImage& img,
                  Rgb (ConfigImage::*colour)(std::size_t) const) {
    j.key(key);
    j.beginArray();
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        j.value(formatColour((img.*colour)(i)));
    }
    j.endArray();
}

// Each key of the picture: its key-table entry, enable bit and assignment.
void writeKeys(JsonWriter& j, const ConfiguratorModel& m) {
    const ConfigImage& img = m.image();
    j.key("keys");
    j.beginArrayOfObjects();
    const auto& positions = keyPositions();
    for (std::size_t p = 0; p < positions.size(); ++p) {
        j.beginObject();
        j.key("position");
        j.value(static_cast<int>(p));
        j.key("name");
        j.value(positions[p].name);
        j.key("key");
        j.value(keyLabel(m.keyNames(), p));
        j.key("entry");
        j.value(hexBytes(img.keyTableEntry(positions[p].matrixCode())));
        j.key("enabled");
        j.value(img.keyEnabled(positions[p].enableBit));
        writeAssignment(j, m, p);
        j.endObject();
    }
    j.endArray();
}

// The macro slots as the keyboard keeps them: loop count and event bytes.
void writeMacroSlots(JsonWriter& j, const ConfigImage& img) {
    j.key("macroSlots");
    j.beginArrayOfObjects();
    for (std::size_t s = 0; s < image::kMacroSlotCount; ++s) {
        const auto slot = img.macroSlot(s);
        const auto events = slot.subspan(kSlotEvents);
        j.beginObject();
        j.key("slot");
        j.value(static_cast<int>(s));
        j.key("loopCount");
        j.value((slot[kSlotLoopHigh] << 8) | slot[kSlotLoopLow]);
        j.key("events");
        j.value(hexBytes(events.first(streamLength(events))));
        j.endObject();
    }
    j.endArray();
}

// One array of per-key colours for each custom effect, in picture order.
void writeColourMaps(JsonWriter& j, const ConfigImage& img) {
    j.key("colourMaps");
    j.beginArrayOfObjects();
    for (std::size_t map = 0; map < image::kColourMapCount; ++map) {
        j.beginArray();
        for (const auto& pos : keyPositions()) {
            j.value(formatColour(img.colourMapEntry(map, pos.matrixCode())));
        }
        j.endArray();
    }
    j.endArray();
}

void writeJson(JsonWriter& j, const ConfiguratorModel& m) {
    const ConfigImage& img = m.image();
    j.beginObject();
    writeSettings(j, m);
    writeColours(j, "keyColours", img, &ConfigImage::keyColour);
    writeKeys(j, m);
    writeMacroSlots(j, img);
    writeMacros(j, m);
    writeColourMaps(j, img);
    j.key("wristLighting");
    j.value(hexBytes(img.wristLighting()));
    writeColours(j, "wristColours", img, &ConfigImage::wristColour);
    j.endObject();
}

constexpr const char* kReadHelp =
    "\n"
    "Beside the raw bytes, \"settings\" holds every setting as FIELD and VALUE\n"
    "of 'vantrelctl set', each entry of \"keys\" its assignment as the words of\n"
    "'vantrelctl assign KEY' (\"assign\"; null where no assignment gives it), and\n"
    "\"macros\" the macros of MacroDefine.bin with their loop counts and events\n"
    "as 'vantrelctl macro add' takes them. For example:\n"
    "  vantrelctl read | jq -r '.settings | to_entries[] | \"\\(.key)=\\(.value)\"'\n";

Status checkRead(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (!args.empty()) {
        return makeError(ErrorCode::InvalidArgument, "read takes no arguments.");
    }
    return Status::success();
}

int runRead(Context& context, const std::vector<std::string>&) {
    // The names of the macros; the keyboard keeps only their events.
    if (Status s = peekMacroFile(context.dataFolder().macros(), context.model().macros());
        !s && s.error().code != ErrorCode::BadFile) {
        return context.fail(s.error());
    }
    // What the keyboard holds now, even where the desktop program has it.
    if (Status s = context.connect(Context::Reading::Fresh); !s) {
        return context.fail(s.error());
    }
    JsonWriter j;
    writeJson(j, context.model());
    context.write(j.text());
    return kExitOk;
}

} // namespace

CliCommand readCommand() {
    return {"read",    "",        "read the whole keyboard and print it as JSON",
            kReadHelp, checkRead, runRead};
}

} // namespace vantrel::cli
