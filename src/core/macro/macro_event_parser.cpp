// SPDX-License-Identifier: MIT
#include "core/macro/macro_event_parser.h"

#include "core/model/key_reference.h"

#include <cctype>
#include <charconv>

namespace vantrel {
namespace {

Error bad(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == ',') {
            if (!current.empty()) {
                out.push_back(current);
                current.clear();
            }
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        out.push_back(current);
    }
    return out;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Mouse actions a macro may hold: the three buttons. The pointer and wheel
// codes of the key table are never produced by this program.
bool isMouseCode(std::uint8_t vk) {
    return vk >= 0xF0 && vk <= 0xF9;
}
bool isMouseButton(std::uint8_t vk) {
    return vk == macro::kMouseLeft || vk == macro::kMouseRight || vk == macro::kMouseMiddle;
}

} // namespace

Result<std::vector<MacroEvent>> parseMacroEvents(const KeyNameTable& names, std::string_view text) {
    std::vector<MacroEvent> events;
    std::uint16_t delay = 0; // the delay waiting for its event; 0 for none
    std::string delayWord;
    std::size_t bytes = 0;
    for (const auto& word : splitWords(text)) {
        const std::string w = lower(word);
        if (w.size() > 2 && w.ends_with("ms") && std::isdigit(static_cast<unsigned char>(w[0]))) {
            unsigned long value = 0;
            const auto* end = w.data() + w.size() - 2;
            const auto [ptr, ec] = std::from_chars(w.data(), end, value);
            if (ec != std::errc{} || ptr != end) {
                return bad("\"" + word + "\" is not a delay such as 120ms");
            }
            if (value < macro::kMinTypedDelay || value > macro::kMaxDelay) {
                return bad("the delay \"" + word + "\" must be 2 to 60000 ms");
            }
            if (events.empty()) {
                return bad("the delay \"" + word +
                           "\" comes before the first event, which never waits");
            }
            if (delay != 0) {
                std::string message = "two delays in a row: \"" + delayWord;
                message += "\" and \"" + word + "\"";
                return bad(std::move(message));
            }
            delay = static_cast<std::uint16_t>(value);
            delayWord = word;
            continue;
        }
        const auto colon = word.rfind(':');
        if (colon == std::string::npos || colon == 0) {
            return bad("\"" + word +
                       "\" is neither an event such as A:dn nor a delay such as "
                       "120ms");
        }
        const std::string action = lower(std::string_view(word).substr(colon + 1));
        if (action != "dn" && action != "up") {
            return bad("\"" + word + "\" must end in :dn or :up");
        }
        auto vk = parseKeyCode(names, std::string_view(word).substr(0, colon));
        if (!vk) {
            return vk.error();
        }
        if (isMouseCode(*vk) && !isMouseButton(*vk)) {
            return bad("\"" + word +
                       "\": only the mouse buttons MsLB, MsRB and MsMB can be "
                       "used in a macro");
        }
        MacroEvent e;
        e.release = action == "up";
        e.deviceKey = names.usage(*vk);
        e.displayKey = *vk;
        e.delay = delay != 0 ? delay : macro::kNoDelay;
        delay = 0;
        bytes += e.encodedSize();
        if (bytes > macro::kStreamSize) {
            return bad("the events up to \"" + word + "\" take " + std::to_string(bytes) +
                       " bytes; a macro holds at most 190");
        }
        events.push_back(e);
    }
    if (delay != 0) {
        return bad("the delay \"" + delayWord + "\" is not followed by an event");
    }
    if (events.empty()) {
        return bad("a macro needs at least one event, such as A:dn A:up");
    }
    return events;
}

std::string formatMacroEvents(const MacroStreams& streams, const KeyNameTable& names) {
    std::string out;
    for (const auto& e : streams.events()) {
        if (!out.empty()) {
            out.push_back(' ');
        }
        if (e.hasDelayLine) {
            out += std::to_string(e.event.delay) + "ms ";
        }
        out += keyReference(names, e.event.displayKey) + (e.event.release ? ":up" : ":dn");
    }
    return out;
}

} // namespace vantrel
