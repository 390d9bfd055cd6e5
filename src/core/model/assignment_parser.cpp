// SPDX-License-Identifier: MIT
#include "core/model/assignment_parser.h"

#include "core/macro/macro_list.h"
#include "core/model/key_reference.h"
#include "core/util/utf.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace vantrel {
namespace {

Error bad(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

Status expectWords(std::span<const std::string> words, std::size_t n, std::string_view usage) {
    if (words.size() != n) {
        return bad("\"" + words[0] + "\" takes " + std::string(usage));
    }
    return {};
}

struct LaunchKind {
    std::string_view word;
    AssignmentKind kind;
};
constexpr std::array<LaunchKind, 4> kLaunchKinds = {{
    {"music", AssignmentKind::PlayMusic},
    {"program", AssignmentKind::LaunchProgram},
    {"file", AssignmentKind::OpenFile},
    {"folder", AssignmentKind::OpenFolder},
}};

} // namespace

Result<std::vector<std::uint8_t>> parseKeyCombination(const KeyNameTable& names,
                                                      std::string_view text) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : text) {
        if (c == '+' && !current.empty()) {
            parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (current.empty()) {
        return bad("the combination \"" + std::string(text) + "\" ends without a key");
    }
    parts.push_back(current);
    if (parts.size() > kMaxComboKeys) {
        return bad("the combination \"" + std::string(text) + "\" has " +
                   std::to_string(parts.size()) + " keys; at most 3 are pressed together");
    }
    std::vector<std::uint8_t> keys;
    for (const auto& p : parts) {
        auto vk = parseKeyCode(names, p);
        if (!vk) {
            return vk.error();
        }
        keys.push_back(*vk);
    }
    return keys;
}

Result<const BasicFunction*> parseBasicFunction(std::string_view name) {
    const std::string id = lower(name);
    for (const auto& row : BasicFunctionTable()) {
        if (row.named(name) || row.id == id) {
            if (row.groupHeader) {
                std::string children;
                bool inside = false;
                for (const auto& r : BasicFunctionTable()) {
                    if (&r == &row) {
                        inside = true;
                    } else if (inside && r.inGroup) {
                        children += (children.empty() ? "" : ", ") + std::string(r.id);
                    } else if (inside) {
                        break;
                    }
                }
                return bad("\"" + std::string(name) + "\" is a group; choose one of: " + children);
            }
            return &row;
        }
    }
    return bad("unknown function \"" + std::string(name) + "\"");
}

namespace {

// What the parsers of the single targets share: the words after the verb
// and where the pending values go.
struct TargetWords {
    std::span<const std::string> words;
    const KeyNameTable& names;
    const MacroTable& macros;
    UiLanguage language;
};

Status parseKeyTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 2, "one key name"); !s) {
        return s;
    }
    auto vk = parseKeyCode(t.names, t.words[1]);
    if (!vk) {
        return vk.error();
    }
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::SingleKey);
    p.PendingKeys[0] = *vk;
    p.PendingKeyCount = 1;
    return {};
}

Status parseComboTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 2, "keys joined by +, such as LCtrl+C"); !s) {
        return s;
    }
    auto keys = parseKeyCombination(t.names, t.words[1]);
    if (!keys) {
        return keys.error();
    }
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::Combination);
    std::copy(keys->begin(), keys->end(), p.PendingKeys.begin());
    p.PendingKeyCount = static_cast<int>(keys->size());
    return {};
}

// A macro by its number, or else by its name in the list.
Status parseMacroTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 2, "a macro number or name"); !s) {
        return s;
    }
    const std::string& w = t.words[1];
    int n = -1;
    const auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), n);
    if (ec != std::errc{} || ptr != w.data() + w.size()) {
        auto name = utf8ToUtf16(w);
        const auto found = name ? findMacroByName(t.macros, *name) : std::nullopt;
        if (!found) {
            return bad("there is no macro \"" + w + "\"");
        }
        n = static_cast<int>(*found);
    }
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::Macro);
    p.PendingMacro = n;
    return {};
}

Status parseFunctionTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 2, "one function name"); !s) {
        return s;
    }
    auto f = parseBasicFunction(t.words[1]);
    if (!f) {
        return f.error();
    }
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::BasicFunction);
    p.PendingFunctionName = std::string((*f)->name(t.language));
    return {};
}

Status parseLaunchTarget(const TargetWords& t, PendingAssignment& p) {
    const auto& words = t.words;
    if (auto s = expectWords(words, 3, "music, program, file or folder and one path"); !s) {
        return s;
    }
    const auto what = lower(words[1]);
    const auto it = std::find_if(kLaunchKinds.begin(), kLaunchKinds.end(),
                                 [&](const LaunchKind& k) { return k.word == what; });
    if (it == kLaunchKinds.end()) {
        return bad("\"" + words[1] + "\" is not music, program, file or folder");
    }
    auto path = utf8ToUtf16(words[2]);
    if (!path) {
        return bad("the path \"" + words[2] + "\" is not valid UTF-8");
    }
    if (path->empty()) {
        return bad("the path is empty");
    }
    if (path->size() > record::kMaxPathLength) {
        return bad("the path is " + std::to_string(path->size()) +
                   " characters long; at most 255 fit in a key assignment");
    }
    p.PendingKind = static_cast<std::uint8_t>(it->kind);
    p.PendingPath = std::move(*path);
    return {};
}

Status parseDisableTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 1, "no further words"); !s) {
        return s;
    }
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::None);
    p.PendingKeyEnabled = 0;
    return {};
}

Status parseDefaultTarget(const TargetWords& t, PendingAssignment& p) {
    if (auto s = expectWords(t.words, 1, "no further words"); !s) {
        return s;
    }
    p.PendingKeyCount = kRestoreDefaultKeyCount;
    return {};
}

struct TargetVerb {
    std::string_view word;
    Status (*parse)(const TargetWords&, PendingAssignment&);
};
constexpr std::array<TargetVerb, 7> kTargetVerbs = {{
    {"key", parseKeyTarget},
    {"combo", parseComboTarget},
    {"macro", parseMacroTarget},
    {"function", parseFunctionTarget},
    {"launch", parseLaunchTarget},
    {"disable", parseDisableTarget},
    {"default", parseDefaultTarget},
}};

} // namespace

Result<PendingAssignment> parseAssignmentTarget(std::span<const std::string> words,
                                                const KeyNameTable& names, const MacroTable& macros,
                                                std::size_t keyIndex, UiLanguage language) {
    if (words.empty()) {
        return bad("the target is missing: key, combo, macro, function, launch, disable or "
                   "default");
    }
    PendingAssignment p;
    p.CurrentKeyIndex = static_cast<std::uint8_t>(std::min<std::size_t>(keyIndex, 255));
    p.language = language;
    const std::string verb = lower(words[0]);
    const auto it = std::find_if(kTargetVerbs.begin(), kTargetVerbs.end(),
                                 [&](const TargetVerb& v) { return v.word == verb; });
    if (it == kTargetVerbs.end()) {
        return bad("unknown target \"" + words[0] +
                   "\": expected key, combo, macro, function, launch, disable or default");
    }
    if (Status s = it->parse(TargetWords{words, names, macros, language}, p); !s) {
        return s.error();
    }
    return p;
}

std::vector<std::string> describeAssignment(const AssignmentRecord& r, const KeyNameTable& names) {
    const auto d = r.data();
    switch (r.kind()) {
    case static_cast<std::uint8_t>(AssignmentKind::SingleKey):
        if (r.keyCount() == 0 || d[0] == 0 || d[0] == r.ownKey()) {
            return {"default"};
        }
        return {"key", keyReference(names, d[0])};
    case static_cast<std::uint8_t>(AssignmentKind::Combination): {
        std::string keys;
        for (std::size_t k = 0; k < std::min<std::size_t>(r.keyCount(), kMaxComboKeys); ++k) {
            keys += (k ? "+" : "") + keyReference(names, d[k]);
        }
        return {"combo", keys};
    }
    case static_cast<std::uint8_t>(AssignmentKind::Macro):
        return {"macro", std::to_string(d[2])};
    case static_cast<std::uint8_t>(AssignmentKind::BasicFunction): {
        const auto* f = findBasicFunctionByEntry(d.first<entry::kSize>());
        return {"function", f ? std::string(f->id) : std::string("unknown")};
    }
    case static_cast<std::uint8_t>(AssignmentKind::PlayMusic):
    case static_cast<std::uint8_t>(AssignmentKind::LaunchProgram):
    case static_cast<std::uint8_t>(AssignmentKind::OpenFile):
    case static_cast<std::uint8_t>(AssignmentKind::OpenFolder):
        return {"launch", std::string(kLaunchKinds[r.kind() - 4].word), utf16ToUtf8(r.path())};
    default:
        return {"cleared"};
    }
}

} // namespace vantrel
