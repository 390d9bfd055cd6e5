// SPDX-License-Identifier: MIT
#include "cli/set_fields.h"

#include "core/model/key_positions.h"
#include "core/model/key_reference.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace vantrel::cli {

namespace {

// The keyboard's lighting effects.
constexpr std::array<int, 16> kEffects = {1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 51, 52, 53, 54, 55};

std::optional<int> parseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return v;
}

std::optional<Rgb> parseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    std::array<std::uint8_t, 3> c{};
    for (std::size_t i = 0; i < 3; ++i) {
        unsigned v = 0;
        const char* from = text.data() + 1 + 2 * i;
        auto [end, ec] = std::from_chars(from, from + 2, v, 16);
        if (ec != std::errc() || end != from + 2) {
            return std::nullopt;
        }
        c[i] = static_cast<std::uint8_t>(v);
    }
    return Rgb{c[0], c[1], c[2]};
}

Error bad(const std::string& message) {
    return makeError(ErrorCode::InvalidArgument, message);
}

struct NumberField {
    const char* name;
    int low;
    int high;
    std::function<void(ConfigImage&, std::uint8_t)> set;
    std::function<int(const ConfigImage&)> get;
};

const std::vector<NumberField>& numberFields() {
    static const std::vector<NumberField> fields = {
        {"speed", 0, 9, [](ConfigImage& i, std::uint8_t v) { i.setLightSpeed(v); },
         [](const ConfigImage& i) { return int(i.lightSpeed()); }},
        {"brightness", 0, 50, [](ConfigImage& i, std::uint8_t v) { i.setLightBrightness(v); },
         [](const ConfigImage& i) { return int(i.lightBrightness()); }},
        {"colour-index", 1, 8, [](ConfigImage& i, std::uint8_t v) { i.setLightColourIndex(v); },
         [](const ConfigImage& i) { return int(i.lightColourIndex()); }},
        {"direction", 1, 4, [](ConfigImage& i, std::uint8_t v) { i.setLightDirection(v); },
         [](const ConfigImage& i) { return int(i.lightDirection()); }},
        {"game-mode", 0, 1, [](ConfigImage& i, std::uint8_t v) { i.setGameMode(v); },
         [](const ConfigImage& i) { return int(i.gameMode()); }},
        {"win-lock", 0, 1, [](ConfigImage& i, std::uint8_t v) { i.setWinLock(v); },
         [](const ConfigImage& i) { return int(i.winLock()); }},
        {"report-rate", 0, 3, [](ConfigImage& i, std::uint8_t v) { i.setReportRate(v); },
         [](const ConfigImage& i) { return int(i.reportRate()); }},
        {"response-time", 0, 9, [](ConfigImage& i, std::uint8_t v) { i.setKeyResponseTime(v); },
         [](const ConfigImage& i) { return int(i.keyResponseTime()); }},
        {"wrist.effect", 0, 4,
         [](ConfigImage& i, std::uint8_t v) { i.wristLighting()[image::kWristEffect] = v; },
         [](const ConfigImage& i) { return int(i.wristLighting()[image::kWristEffect]); }},
        {"wrist.brightness", 0, 3,
         [](ConfigImage& i, std::uint8_t v) { i.wristLighting()[image::kWristBrightness] = v; },
         [](const ConfigImage& i) { return int(i.wristLighting()[image::kWristBrightness]); }},
        // The record keeps 4 minus the slider value.
        {"wrist.speed", 0, 3,
         [](ConfigImage& i, std::uint8_t v) {
             i.wristLighting()[image::kWristSpeed] = static_cast<std::uint8_t>(4 - v);
         },
         [](const ConfigImage& i) { return 4 - int(i.wristLighting()[image::kWristSpeed]); }},
        {"wrist.colour-choice", 0, 7,
         [](ConfigImage& i, std::uint8_t v) { i.wristLighting()[image::kWristColourChoice] = v; },
         [](const ConfigImage& i) { return int(i.wristLighting()[image::kWristColourChoice]); }},
    };
    return fields;
}

// "key-colour.3" -> index 2 when the prefix matches and N is 1-7.
std::optional<std::size_t> colourSlot(std::string_view field, std::string_view prefix) {
    if (field.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    auto n = parseNumber(field.substr(prefix.size()));
    if (!n || *n < 1 || *n > static_cast<int>(image::kColourCount)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*n - 1);
}

constexpr std::string_view kColourMapPrefix = "colour-map.";

// "colour-map.M=#RRGGBB,..." (every key, in position order) or
// "colour-map.M.KEY=#RRGGBB" (one key).
Result<FieldEdit> parseColourMap(const std::string& field, const std::string& text) {
    const std::string rest = field.substr(kColourMapPrefix.size());
    const auto dot = rest.find('.');
    const auto m = parseNumber(std::string_view(rest).substr(0, dot));
    if (!m || *m < 1 || *m > static_cast<int>(image::kColourMapCount)) {
        return bad("unknown field '" + field + "': the colour maps are numbered 1-5.");
    }
    const auto map = static_cast<std::size_t>(*m - 1);
    if (dot != std::string::npos) {
        static const KeyNameTable names = BuildKeyNameTable();
        auto position = parseKeyPosition(names, std::string_view(rest).substr(dot + 1));
        if (!position) {
            return bad("unknown field '" + field + "': " + position.error().message + ".");
        }
        auto c = parseColour(text);
        if (!c) {
            return bad(field + " must be a colour #RRGGBB (got '" + text + "').");
        }
        const std::uint16_t code = KeyPositionMatrixCode(*position);
        const Rgb rgb = *c;
        return FieldEdit([map, code, rgb](ConfigImage& i) { i.setColourMapEntry(map, code, rgb); });
    }
    std::vector<Rgb> colours;
    std::string_view list = text;
    while (!list.empty() || colours.empty()) {
        const auto comma = list.find(',');
        auto c = parseColour(list.substr(0, comma));
        if (!c) {
            return bad(field + " must be " + std::to_string(kKeyPositionCount) +
                       " colours #RRGGBB separated by commas, one per key position.");
        }
        colours.push_back(*c);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    if (colours.size() != kKeyPositionCount) {
        return bad(field + " has " + std::to_string(colours.size()) + " colours; it needs " +
                   std::to_string(kKeyPositionCount) + ", one per key position.");
    }
    return FieldEdit([map, colours](ConfigImage& i) {
        for (std::size_t p = 0; p < colours.size(); ++p) {
            i.setColourMapEntry(map, KeyPositionMatrixCode(p), colours[p]);
        }
    });
}

Result<FieldEdit> parseOne(const std::string& arg) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
        return bad("'" + arg + "' is not FIELD=VALUE; see 'vantrelctl set --help'.");
    }
    const std::string field = arg.substr(0, eq);
    const std::string text = arg.substr(eq + 1);

    if (field == "effect") {
        auto v = parseNumber(text);
        if (!v || std::find(kEffects.begin(), kEffects.end(), *v) == kEffects.end()) {
            return bad("effect must be one of 1 2 3 4 5 6 8 10 11 12 13 51 52 53 54 55 (got '" +
                       text + "').");
        }
        const auto value = static_cast<std::uint8_t>(*v);
        return FieldEdit([value](ConfigImage& i) { i.setLightEffect(value); });
    }
    for (const auto& f : numberFields()) {
        if (field != f.name) {
            continue;
        }
        auto v = parseNumber(text);
        if (!v || *v < f.low || *v > f.high) {
            return bad(field + " must be " + std::to_string(f.low) + "-" + std::to_string(f.high) +
                       " (got '" + text + "').");
        }
        const auto value = static_cast<std::uint8_t>(*v);
        auto set = f.set;
        return FieldEdit([set, value](ConfigImage& i) { set(i, value); });
    }
    const bool keyColour = field.rfind("key-colour.", 0) == 0;
    const bool wristColour = field.rfind("wrist-colour.", 0) == 0;
    if (keyColour || wristColour) {
        auto index = colourSlot(field, keyColour ? "key-colour." : "wrist-colour.");
        if (!index) {
            return bad("unknown field '" + field + "': colours are numbered 1-7.");
        }
        auto c = parseColour(text);
        if (!c) {
            return bad(field + " must be a colour #RRGGBB (got '" + text + "').");
        }
        const std::size_t i = *index;
        const Rgb rgb = *c;
        if (keyColour) {
            return FieldEdit([i, rgb](ConfigImage& img) { img.setKeyColour(i, rgb); });
        }
        return FieldEdit([i, rgb](ConfigImage& img) { img.setWristColour(i, rgb); });
    }
    if (field.rfind(kColourMapPrefix, 0) == 0) {
        return parseColourMap(field, text);
    }
    return bad("unknown field '" + field + "'; see 'vantrelctl set --help' for the fields.");
}

std::string numbered(std::string_view prefix, std::size_t n) {
    return std::string(prefix) + std::to_string(n);
}

} // namespace

Result<std::vector<FieldEdit>> parseFieldEdits(const std::vector<std::string>& args) {
    if (args.empty()) {
        return bad("set needs at least one FIELD=VALUE; see 'vantrelctl set --help'.");
    }
    std::vector<FieldEdit> edits;
    for (const auto& arg : args) {
        auto e = parseOne(arg);
        if (!e) {
            return e.error();
        }
        edits.push_back(std::move(*e));
    }
    return edits;
}

std::string formatColour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.red, c.green, c.blue);
    return buf;
}

std::vector<FieldValue> fieldValues(const ConfigImage& image) {
    std::vector<FieldValue> out;
    out.push_back({"effect", std::to_string(image.lightEffect()), true});
    for (const auto& f : numberFields()) {
        out.push_back({f.name, std::to_string(f.get(image)), true});
    }
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        out.push_back({numbered("key-colour.", i + 1), formatColour(image.keyColour(i))});
    }
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        out.push_back({numbered("wrist-colour.", i + 1), formatColour(image.wristColour(i))});
    }
    for (std::size_t m = 0; m < image::kColourMapCount; ++m) {
        std::string list;
        for (std::size_t p = 0; p < kKeyPositionCount; ++p) {
            list +=
                (p ? "," : "") + formatColour(image.colourMapEntry(m, KeyPositionMatrixCode(p)));
        }
        out.push_back({numbered(kColourMapPrefix, m + 1), std::move(list)});
    }
    return out;
}

std::string fieldHelp() {
    return "fields:\n"
           "  effect=1|2|3|4|5|6|8|10|11|12|13|51-55   lighting effect\n"
           "  speed=0-9  brightness=0-50  colour-index=1-8  direction=1-4\n"
           "  key-colour.N=#RRGGBB (N 1-7)              palette colour\n"
           "  game-mode=0|1  win-lock=0|1  report-rate=0-3  response-time=0-9\n"
           "  wrist.effect=0-4  wrist.brightness=0-3  wrist.speed=0-3\n"
           "  wrist.colour-choice=0-7  wrist-colour.N=#RRGGBB (N 1-7)\n"
           "  colour-map.M=#RRGGBB,...  the 108 key colours of custom effect M (1-5),\n"
           "                            in key-position order (as 'read' prints them)\n"
           "  colour-map.M.KEY=#RRGGBB  one key's colour in custom effect M\n";
}

} // namespace vantrel::cli
