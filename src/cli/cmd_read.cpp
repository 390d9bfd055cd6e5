// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/model/key_positions.h"
#include "core/util/hex.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

std::string colour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.red, c.green, c.blue);
    return buf;
}

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

void writeJson(JsonWriter& j, const ConfiguratorModel& m) {
    const ConfigImage& img = m.image();
    j.beginObject();
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
    j.key("keyColours");
    j.beginArray();
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        j.value(colour(img.keyColour(i)));
    }
    j.endArray();

    j.key("keys");
    j.beginArrayOfObjects();
    const auto& positions = keyPositions();
    for (std::size_t p = 0; p < positions.size(); ++p) {
        j.beginObject();
        j.key("position");
        j.value(static_cast<int>(p));
        j.key("name");
        j.value(positions[p].name);
        j.key("entry");
        j.value(hexBytes(img.keyTableEntry(positions[p].matrixCode())));
        j.key("enabled");
        j.value(img.keyEnabled(positions[p].enableBit));
        j.endObject();
    }
    j.endArray();

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

    j.key("colourMaps");
    j.beginArrayOfObjects();
    for (std::size_t map = 0; map < image::kColourMapCount; ++map) {
        j.beginArray();
        for (const auto& pos : positions) {
            j.value(colour(img.colourMapEntry(map, pos.matrixCode())));
        }
        j.endArray();
    }
    j.endArray();

    j.key("wristLighting");
    j.value(hexBytes(img.wristLighting()));
    j.key("wristColours");
    j.beginArray();
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        j.value(colour(img.wristColour(i)));
    }
    j.endArray();
    j.endObject();
}

Status checkRead(const std::vector<std::string>& args) {
    if (!args.empty()) {
        return makeError(ErrorCode::InvalidArgument, "read takes no arguments.");
    }
    return Status::success();
}

int runRead(Context& context, const std::vector<std::string>&) {
    if (Status s = context.connect(); !s) {
        return reportError(s.error());
    }
    JsonWriter j;
    writeJson(j, context.model());
    std::fputs(j.text().c_str(), stdout);
    return kExitOk;
}

} // namespace

CliCommand readCommand() {
    return {"read", "", "read the whole keyboard and print it as JSON", "", checkRead, runRead};
}

} // namespace vantrel::cli
