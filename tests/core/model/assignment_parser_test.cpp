// SPDX-License-Identifier: MIT
#include "core/macro/macro_event_parser.h"
#include "core/macro/macro_list.h"
#include "core/model/assignment_parser.h"
#include "core/model/key_reference.h"
#include "core/util/utf.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class Parsers : public ::testing::Test {
protected:
    Result<PendingAssignment> target(std::vector<std::string> words, UiLanguage lang = {}) {
        return parseAssignmentTarget(words, names, macros, 63, lang);
    }
    std::string errorOf(std::vector<std::string> words) {
        auto r = target(std::move(words));
        EXPECT_FALSE(r.ok());
        if (r.ok()) {
            return {};
        }
        EXPECT_EQ(r.error().code, ErrorCode::InvalidArgument);
        return r.error().message;
    }

    KeyNameTable names = BuildKeyNameTable();
    MacroTable macros;
};

TEST_F(Parsers, KeyNames) {
    EXPECT_EQ(*parseKeyCode(names, "A"), 0x41);
    EXPECT_EQ(*parseKeyCode(names, "a "), 0x41);
    EXPECT_EQ(*parseKeyCode(names, "lctrl"), 0xA2);
    EXPECT_EQ(*parseKeyCode(names, "F1"), 0x70);
    EXPECT_EQ(*parseKeyCode(names, "F12"), 0x7B);
    EXPECT_EQ(*parseKeyCode(names, "Esc"), 0x1B);
    EXPECT_EQ(*parseKeyCode(names, "MsLB"), 0xF0);
    EXPECT_EQ(*parseKeyCode(names, "0"), 0x30);
    EXPECT_EQ(*parseKeyCode(names, "0-num"), 0x60);
    EXPECT_EQ(*parseKeyCode(names, "GameMode"), 0xAE);
    EXPECT_EQ(*parseKeyCode(names, "Game Mode"), 0xAE);
    EXPECT_EQ(*parseKeyCode(names, "0x41"), 0x41);
    // Main block first, "-num" for the keypad twin.
    EXPECT_EQ(*parseKeyCode(names, "Enter"), 0x0D);
    EXPECT_EQ(*parseKeyCode(names, "Enter-num"), 0x6C);
    EXPECT_EQ(*parseKeyCode(names, "-"), 0xBD);
    EXPECT_EQ(*parseKeyCode(names, "--num"), 0x6D);
    EXPECT_EQ(*parseKeyCode(names, "."), 0xBE);
    EXPECT_EQ(*parseKeyCode(names, ".-num"), 0x6E);
    EXPECT_EQ(*parseKeyCode(names, "/"), 0xBF);
    EXPECT_EQ(*parseKeyCode(names, "/-num"), 0x6F);
    for (unsigned vk = 0; vk < 256; ++vk) {
        const auto code = static_cast<std::uint8_t>(vk);
        if (names.usage(code) != 0) {
            EXPECT_EQ(*parseKeyCode(names, keyReference(names, code)), code) << vk;
        }
    }
    for (const char* bad : {"", "Foo", "0x07", "0xZZ", "0x100", "A-num"}) {
        auto r = parseKeyCode(names, bad);
        ASSERT_FALSE(r.ok()) << bad;
        EXPECT_EQ(r.error().code, ErrorCode::InvalidArgument);
    }
    EXPECT_NE(parseKeyCode(names, "Foo").error().message.find("\"Foo\""), std::string::npos);
}

TEST_F(Parsers, KeyPositions) {
    EXPECT_EQ(*parseKeyPosition(names, "Esc"), 0u);
    EXPECT_EQ(*parseKeyPosition(names, "A"), 63u);
    EXPECT_EQ(*parseKeyPosition(names, "Enter"), 74u);
    EXPECT_EQ(*parseKeyPosition(names, "enter-num"), 94u);
    EXPECT_EQ(*parseKeyPosition(names, "/"), 88u);
    EXPECT_EQ(*parseKeyPosition(names, "/-num"), 38u);
    EXPECT_EQ(*parseKeyPosition(names, "Apps"), 101u);
    EXPECT_EQ(*parseKeyPosition(names, "Fn"), 100u);
    EXPECT_EQ(*parseKeyPosition(names, "#16"), 16u);
    EXPECT_FALSE(parseKeyPosition(names, "#108").ok());
    EXPECT_FALSE(parseKeyPosition(names, "RWin").ok()); // not on this keyboard
    EXPECT_FALSE(parseKeyPosition(names, "MsLB").ok());
}

TEST_F(Parsers, Targets) {
    auto k = target({"key", "B"});
    ASSERT_TRUE(k.ok());
    EXPECT_EQ(k->PendingKind, 0);
    EXPECT_EQ(k->PendingKeys[0], 0x42);
    EXPECT_EQ(k->PendingKeyCount, 1);
    EXPECT_EQ(k->CurrentKeyIndex, 63);

    auto c = target({"combo", "LCtrl+LAlt+Del"});
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c->PendingKind, 1);
    EXPECT_EQ(c->PendingKeyCount, 3);
    EXPECT_EQ(c->PendingKeys[2], 0x2E);
    auto plus = target({"combo", "LCtrl++"});
    ASSERT_TRUE(plus.ok());
    EXPECT_EQ(plus->PendingKeys[1], 0x6B);

    const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}};
    ASSERT_TRUE(addMacro(macros, u"Ёж", 1, false, *MacroStreams::fromEvents(ev)).ok());
    auto m = target({"macro", "Ёж"});
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(m->PendingKind, 2);
    EXPECT_EQ(m->PendingMacro, 0);
    EXPECT_EQ(target({"macro", "5"})->PendingMacro, 5); // range checked by the commit

    auto f = target({"function", "mute"}, UiLanguage::chineseInterface());
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f->PendingKind, 3);
    EXPECT_EQ(f->PendingFunctionName, "静音");
    // Named in any language, kept in the interface's (English here).
    EXPECT_EQ(target({"function", "静音"})->PendingFunctionName, "Mute");
    EXPECT_EQ(target({"function", "Без звука"})->PendingFunctionName, "Mute");
    EXPECT_EQ(target({"function", "Mute"}, UiLanguage::russianInterface())->PendingFunctionName,
              "Без звука");
    EXPECT_EQ(target({"function", "Vol+"})->PendingFunctionName, "Vol+");

    auto l = target({"launch", "folder", "/home/ü"});
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l->PendingKind, 7);
    EXPECT_EQ(l->PendingPath, u"/home/ü");

    auto d = target({"disable"});
    EXPECT_EQ(d->PendingKind, 8);
    EXPECT_EQ(d->PendingKeyEnabled, 0);
    EXPECT_EQ(target({"default"})->PendingKeyCount, kRestoreDefaultKeyCount);
}

TEST_F(Parsers, BadTargetsNameTheWord) {
    EXPECT_NE(errorOf({}).find("missing"), std::string::npos);
    EXPECT_NE(errorOf({"paint", "it"}).find("\"paint\""), std::string::npos);
    EXPECT_NE(errorOf({"key", "Nope"}).find("\"Nope\""), std::string::npos);
    EXPECT_NE(errorOf({"key"}).find("\"key\""), std::string::npos);
    EXPECT_NE(errorOf({"combo", "A+B+C+D"}).find("at most 3"), std::string::npos);
    EXPECT_NE(errorOf({"combo", "A+Zap"}).find("\"Zap\""), std::string::npos);
    EXPECT_NE(errorOf({"macro", "Missing"}).find("\"Missing\""), std::string::npos);
    EXPECT_NE(errorOf({"function", "мультимедиа"}).find("group"), std::string::npos);
    EXPECT_NE(errorOf({"function", "dance"}).find("\"dance\""), std::string::npos);
    EXPECT_NE(errorOf({"launch", "rocket", "/x"}).find("\"rocket\""), std::string::npos);
    EXPECT_NE(errorOf({"launch", "file", std::string(256, 'x')}).find("255"), std::string::npos);
    EXPECT_NE(errorOf({"launch", "file", "\xff"}).find("UTF-8"), std::string::npos);
    EXPECT_NE(errorOf({"disable", "now"}).find("\"disable\""), std::string::npos);
}

TEST_F(Parsers, MacroEvents) {
    auto ev = parseMacroEvents(names, "A:dn 120ms A:up, 300ms MsLB:dn MsLB:up");
    ASSERT_TRUE(ev.ok());
    ASSERT_EQ(ev->size(), 4u);
    EXPECT_EQ((*ev)[0], (MacroEvent{false, 0x04, 0x41, 1}));
    EXPECT_EQ((*ev)[1], (MacroEvent{true, 0x04, 0x41, 120}));
    EXPECT_EQ((*ev)[2], (MacroEvent{false, 0xF0, 0xF0, 300}));
    EXPECT_EQ((*ev)[3].delay, 1);

    const auto streams = *MacroStreams::fromEvents(*ev);
    EXPECT_EQ(formatMacroEvents(streams, names), "A:dn 120ms A:up 300ms MsLB:dn MsLB:up");
    auto twins = parseMacroEvents(names, "Enter-num:dn Enter-num:up");
    EXPECT_EQ(formatMacroEvents(*MacroStreams::fromEvents(*twins), names),
              "Enter-num:dn Enter-num:up");

    const std::pair<const char*, const char*> bad[] = {
        {"", "at least one event"},
        {"120ms A:dn", "\"120ms\""},
        {"A:dn 5ms 6ms A:up", "\"6ms\""},
        {"A:dn 50ms", "\"50ms\""},
        {"A:dn 1ms A:up", "\"1ms\""},
        {"A:dn 60001ms A:up", "\"60001ms\""},
        {"A:dn 12xms A:up", "\"12xms\""},
        {"A:press", "\"A:press\""},
        {"Zap:dn", "\"Zap\""},
        {"A", "\"A\""},
        {"MouseWheelUp:dn", "\"MouseWheelUp:dn\""},
    };
    for (const auto& [text, word] : bad) {
        auto r = parseMacroEvents(names, text);
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.error().code, ErrorCode::InvalidArgument);
        EXPECT_NE(r.error().message.find(word), std::string::npos) << r.error().message;
    }
    std::string full;
    for (int i = 0; i < 96; ++i) {
        full += "A:dn ";
    }
    EXPECT_NE(parseMacroEvents(names, full).error().message.find("190"), std::string::npos);
}

TEST_F(Parsers, DescribedAssignmentsParseBack) {
    testing::TempDir dir;
    ConfiguratorModel model;
    model.assignments().writeOwnKeys();
    const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}};
    ASSERT_TRUE(addMacro(model.macros(), u"m", 1, false, *MacroStreams::fromEvents(ev)).ok());
    const std::vector<std::vector<std::string>> targets = {
        {"key", "Enter-num"}, {"combo", "LCtrl+LAlt+Del"},         {"macro", "0"},
        {"function", "mute"}, {"launch", "music", "/tmp/a b.ogg"}, {"default"},
    };
    for (const auto& words : targets) {
        auto p = parseAssignmentTarget(words, names, model.macros(), 63, UiLanguage{});
        ASSERT_TRUE(p.ok()) << words[0];
        ASSERT_TRUE(assignKey(model, *p, dir / "keymap.bin").ok()) << words[0];
        EXPECT_EQ(describeAssignment(model.assignments()[63], names), words);
    }
    auto self = parseAssignmentTarget(std::vector<std::string>{"key", "A"}, names, model.macros(),
                                      63, UiLanguage{});
    ASSERT_TRUE(assignKey(model, *self, dir / "keymap.bin").ok());
    EXPECT_EQ(describeAssignment(model.assignments()[63], names),
              (std::vector<std::string>{"default"}));
}

TEST(Utf, RoundTripAndRefusal) {
    const std::string s = "Ёж 静音 🎹";
    auto u = utf8ToUtf16(s);
    ASSERT_TRUE(u.ok());
    EXPECT_EQ(u->size(), 8u); // the last character takes a surrogate pair
    EXPECT_EQ(utf16ToUtf8(*u), s);
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "a\x80"}) {
        EXPECT_FALSE(utf8ToUtf16(bad).ok()) << bad;
    }
}

} // namespace
} // namespace vantrel
