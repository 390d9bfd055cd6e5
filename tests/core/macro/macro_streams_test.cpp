// SPDX-License-Identifier: MIT
#include "core/macro/macro_streams.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

MacroEvent press(std::uint8_t vk, std::uint16_t delay = 1) {
    return MacroEvent{false, static_cast<std::uint8_t>(vk - 0x3D), vk, delay};
}
MacroEvent release(std::uint8_t vk, std::uint16_t delay = 1) {
    return MacroEvent{true, static_cast<std::uint8_t>(vk - 0x3D), vk, delay};
}

MacroStreams streamsOf(std::initializer_list<MacroEvent> events) {
    std::vector<MacroEvent> v(events);
    auto s = MacroStreams::fromEvents(v);
    EXPECT_TRUE(s.ok());
    return *s;
}

Bytes head(const MacroStreams::Stream& s, std::size_t n) {
    return Bytes(s.begin(), s.begin() + n);
}

bool zeroFrom(const MacroStreams::Stream& s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] != 0) {
            return false;
        }
    }
    return true;
}

// A raw device/display pair, for streams another program may have written.
MacroStreams raw(const Bytes& device, const Bytes& display) {
    MacroRecord r;
    std::copy(device.begin(), device.end(), r.deviceEvents().begin());
    std::copy(display.begin(), display.end(), r.displayEvents().begin());
    return MacroStreams::fromRecord(r);
}

// Every line that starts an event maps to that event's offset, and the line
// past the end to the used bytes: what the list shows and what the edits
// address never disagree.
void expectDisplayAndMappingAgree(const MacroStreams& s) {
    const auto evs = s.events();
    const auto lines = s.lines();
    std::size_t line = 0;
    for (const auto& e : evs) {
        ASSERT_EQ(s.offsetOfLine(line), e.offset);
        line += e.hasDelayLine ? 2 : 1;
    }
    EXPECT_EQ(line, lines.size());
    EXPECT_EQ(s.offsetOfLine(lines.size()), s.usedBytes());
    EXPECT_FALSE(s.offsetOfLine(lines.size() + 1).has_value());
}

TEST(MacroEventCodec, ShortAndLongForms) {
    std::array<std::uint8_t, 4> out{};
    EXPECT_EQ(encodeMacroEvent(press(0x41, 126), false, out), 2u);
    EXPECT_EQ(out[0], 126);
    EXPECT_EQ(out[1], 0x04);
    EXPECT_EQ(encodeMacroEvent(release(0x41, 126), true, out), 2u);
    EXPECT_EQ(out[0], 254);
    EXPECT_EQ(out[1], 0x41);

    out.fill(0);
    EXPECT_EQ(encodeMacroEvent(press(0x41, 127), false, out), 4u);
    EXPECT_EQ(Bytes(out.begin(), out.end()), (Bytes{0x7F, 0x04, 0x00, 0x7F}));
    EXPECT_EQ(encodeMacroEvent(release(0x41, 127), false, out), 4u);
    EXPECT_EQ(out[0], 0xFF);
}

TEST(MacroEventCodec, RecordedDelaysAreClamped) {
    EXPECT_EQ(clampRecordedDelay(75000), 60000);
    EXPECT_EQ(clampRecordedDelay(120000), 60000);
    // A key action at once after the last one stores "no delay", never 0.
    EXPECT_EQ(clampRecordedDelay(0), 1);
    EXPECT_EQ(clampTypedDelay(0), 2);
    EXPECT_EQ(clampTypedDelay(99999), 60000);

    std::array<std::uint8_t, 4> out{};
    encodeMacroEvent(release(0x41, clampRecordedDelay(75000)), false, out);
    EXPECT_EQ(Bytes(out.begin(), out.end()), (Bytes{0xFF, 0x04, 0xEA, 0x60}));
    encodeMacroEvent(press(0x41, 0), false, out);
    EXPECT_EQ(out[0], 0x01);
}

TEST(MacroStreams, FromEventsForcesTheFirstDelayAndRefusesOverflow) {
    const auto s = streamsOf({press(0x41, 300), release(0x41, 250)});
    EXPECT_EQ(head(s.device(), 6), (Bytes{0x01, 0x04, 0xFF, 0x04, 0x00, 0xFA}));
    EXPECT_EQ(head(s.display(), 6), (Bytes{0x01, 0x41, 0xFF, 0x41, 0x00, 0xFA}));

    std::vector<MacroEvent> many(96, press(0x41));
    EXPECT_FALSE(MacroStreams::fromEvents(many).ok());
    many.resize(95);
    EXPECT_TRUE(MacroStreams::fromEvents(many).ok());
    EXPECT_FALSE(MacroStreams::fromEvents(std::vector<MacroEvent>{{false, 0, 0, 1}}).ok());
}

TEST(MacroStreams, LinesAndMapping) {
    const KeyNameTable names = BuildKeyNameTable();
    const auto plain = streamsOf({press(0x41), release(0x41)});
    EXPECT_EQ(plain.offsetOfLine(0), 0u);
    EXPECT_EQ(plain.offsetOfLine(2), 4u);
    EXPECT_EQ(macroLineTexts(plain, names), (std::vector<std::string>{"A  dn", "A  up"}));

    const auto timed = streamsOf({press(0x41), release(0x41, 250), press(0x42, 1)});
    EXPECT_EQ(macroLineTexts(timed, names),
              (std::vector<std::string>{"A  dn", "250 ms", "A  up", "B  dn"}));
    EXPECT_EQ(timed.offsetOfLine(1), 2u);
    EXPECT_FALSE(timed.offsetOfLine(2).has_value()); // inside the delayed event
    EXPECT_EQ(timed.offsetOfLine(3), 6u);
    EXPECT_EQ(timed.offsetOfLine(4), 8u);
    expectDisplayAndMappingAgree(timed);

    EXPECT_TRUE(MacroStreams{}.lines().empty());
    EXPECT_EQ(MacroStreams{}.offsetOfLine(0), 0u);
}

TEST(MacroStreams, ForeignDelaysShowAndMapAlike) {
    const KeyNameTable names = BuildKeyNameTable();
    // First event a press with a delay (never shown), a release with 0 ms
    // (shown as a delay line), and a long delay of 1 ms (no delay line).
    const auto s = raw({0x05, 0x04, 0x80, 0x04, 0x7F, 0x05, 0x00, 0x01, 0x85, 0x05},
                       {0x05, 0x41, 0x80, 0x41, 0x7F, 0x42, 0x00, 0x01, 0x85, 0x42});
    EXPECT_EQ(macroLineTexts(s, names),
              (std::vector<std::string>{"A  dn", "0 ms", "A  up", "B  dn", "5 ms", "B  up"}));
    expectDisplayAndMappingAgree(s);

    // The walk stops at the first key byte 0 of either stream, and at an
    // event cut by the end of the 190 bytes.
    const auto gap = raw({0x01, 0x04, 0x81, 0x00, 0x01, 0x05}, {0x01, 0x41, 0x81, 0x41});
    EXPECT_EQ(gap.events().size(), 1u);
    Bytes cut(190, 0);
    for (std::size_t i = 0; i < 188; i += 2) {
        cut[i] = 0x01;
        cut[i + 1] = 0x04;
    }
    cut[188] = 0x7F;
    cut[189] = 0x04;
    Bytes cutDisplay = cut;
    for (std::size_t i = 1; i < 190; i += 2) {
        cutDisplay[i] = 0x41;
    }
    const auto tail = raw(cut, cutDisplay);
    EXPECT_EQ(tail.usedBytes(), 188u);
    expectDisplayAndMappingAgree(tail);
}

TEST(MacroStreams, InsertDelay) {
    const KeyNameTable names = BuildKeyNameTable();
    auto s = streamsOf({press(0x41), release(0x41)});
    EXPECT_EQ(s.insertStandardDelay(0), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 4), (Bytes{0x01, 0x04, 0xB2, 0x04}));
    EXPECT_EQ(head(s.display(), 4), (Bytes{0x01, 0x41, 0xB2, 0x41}));
    EXPECT_EQ(macroLineTexts(s, names), (std::vector<std::string>{"A  dn", "50 ms", "A  up"}));

    const auto before = s;
    EXPECT_EQ(s.insertStandardDelay(2), MacroEdit::LastLine);
    EXPECT_EQ(s.insertStandardDelay(1), MacroEdit::OnDelayLine);
    EXPECT_EQ(s.insertStandardDelay(7), MacroEdit::NoSuchLine);
    EXPECT_EQ(s, before);

    // A long delay is shortened to 50 ms; the rest moves up.
    auto l = streamsOf({press(0x41), release(0x41, 1000), press(0x42)});
    EXPECT_EQ(l.insertStandardDelay(0), MacroEdit::Done);
    EXPECT_EQ(head(l.device(), 8), (Bytes{0x01, 0x04, 0xB2, 0x04, 0x01, 0x05, 0, 0}));
    EXPECT_TRUE(zeroFrom(l.display(), 6));
}

TEST(MacroStreams, DelayEditsSwitchForms) {
    auto s = streamsOf({press(0x41), release(0x41, 50), press(0x42)});
    ASSERT_EQ(s.lines()[1].delayLine, true);

    EXPECT_EQ(s.setDelayAtLine(1, 126), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 6), (Bytes{0x01, 0x04, 0xFE, 0x04, 0x01, 0x05}));

    EXPECT_EQ(s.setDelayAtLine(1, 127), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 8), (Bytes{0x01, 0x04, 0xFF, 0x04, 0x00, 0x7F, 0x01, 0x05}));
    EXPECT_EQ(head(s.display(), 8), (Bytes{0x01, 0x41, 0xFF, 0x41, 0x00, 0x7F, 0x01, 0x42}));

    EXPECT_EQ(s.setDelayAtLine(1, 100), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 6), (Bytes{0x01, 0x04, 0xE4, 0x04, 0x01, 0x05}));
    EXPECT_TRUE(zeroFrom(s.device(), 6));
    EXPECT_TRUE(zeroFrom(s.display(), 6));

    EXPECT_EQ(s.setDelayAtLine(1, 0), MacroEdit::Done);
    EXPECT_EQ(s.device()[2], 0x82);
    EXPECT_EQ(s.setDelayAtLine(1, 99999), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 6), (Bytes{0x01, 0x04, 0xFF, 0x04, 0xEA, 0x60}));
}

TEST(MacroStreams, DeleteLines) {
    const KeyNameTable names = BuildKeyNameTable();
    // Deleting a delay line keeps the event with delay 1; a long one loses
    // its two delay bytes.
    auto s = streamsOf({press(0x41), release(0x41, 500), press(0x42)});
    EXPECT_EQ(s.deleteLine(1), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 6), (Bytes{0x01, 0x04, 0x81, 0x04, 0x01, 0x05}));
    EXPECT_TRUE(zeroFrom(s.device(), 6));
    EXPECT_EQ(macroLineTexts(s, names), (std::vector<std::string>{"A  dn", "A  up", "B  dn"}));

    // Deleting an event line removes the event only; the rest moves up.
    EXPECT_EQ(s.deleteLine(1), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 4), (Bytes{0x01, 0x04, 0x01, 0x05}));
    EXPECT_TRUE(zeroFrom(s.device(), 4));
    EXPECT_TRUE(zeroFrom(s.display(), 4));
    EXPECT_EQ(s.deleteLine(5), MacroEdit::NoSuchLine);

    // When the new first event has a long delay it becomes a plain short
    // event instead of keeping stray delay bytes.
    auto f = streamsOf({press(0x41), release(0x41, 500), press(0x42)});
    EXPECT_EQ(f.deleteLine(0), MacroEdit::Done);
    EXPECT_EQ(head(f.device(), 4), (Bytes{0x81, 0x04, 0x01, 0x05}));
    EXPECT_TRUE(zeroFrom(f.device(), 4));
    EXPECT_EQ(macroLineTexts(f, names), (std::vector<std::string>{"A  up", "B  dn"}));
}

TEST(MacroStreams, MouseActions) {
    const KeyNameTable names = BuildKeyNameTable();
    auto s = streamsOf({press(0x41), release(0x41)});
    EXPECT_EQ(s.insertMouseAction(0, MouseButton::Left, MouseAction::Click), MacroEdit::Done);
    EXPECT_EQ(head(s.device(), 8), (Bytes{0x01, 0x04, 0x01, 0xF0, 0x81, 0xF0, 0x81, 0x04}));
    EXPECT_EQ(head(s.display(), 8), (Bytes{0x01, 0x41, 0x01, 0xF0, 0x81, 0xF0, 0x81, 0x41}));
    EXPECT_EQ(macroLineTexts(s, names),
              (std::vector<std::string>{"A  dn", "MsLB dn", "MsLB up", "A  up"}));

    // After a delay line the action goes behind the delayed event.
    auto d = streamsOf({press(0x41), release(0x41, 30)});
    EXPECT_EQ(d.insertMouseAction(1, MouseButton::Right, MouseAction::Down), MacroEdit::Done);
    EXPECT_EQ(head(d.device(), 6), (Bytes{0x01, 0x04, 0x9E, 0x04, 0x01, 0xF1}));
    EXPECT_EQ(d.insertMouseAction(3, MouseButton::Middle, MouseAction::Up), MacroEdit::Done);
    EXPECT_EQ(head(d.device(), 8), (Bytes{0x01, 0x04, 0x9E, 0x04, 0x01, 0xF1, 0x81, 0xF2}));
    EXPECT_EQ(d.insertMouseAction(9, MouseButton::Left, MouseAction::Up), MacroEdit::NoSuchLine);

    // Whatever goes in front becomes the first event and waits for nothing.
    auto f = streamsOf({press(0x41)});
    EXPECT_EQ(f.insertEventAtLine(0, release(0x42, 500)), MacroEdit::Done);
    EXPECT_EQ(head(f.device(), 6), (Bytes{0x81, 0x05, 0x01, 0x04, 0, 0}));
}

TEST(MacroStreams, FullStreamKeeps190Bytes) {
    std::vector<MacroEvent> many;
    for (int i = 0; i < 95; ++i) {
        many.push_back(i % 2 ? release(0x41) : press(0x41));
    }
    auto s = *MacroStreams::fromEvents(many);
    EXPECT_EQ(s.usedBytes(), 190u);
    EXPECT_EQ(s.insertMouseAction(0, MouseButton::Left, MouseAction::Down), MacroEdit::Truncated);
    EXPECT_EQ(s.usedBytes(), 190u);
    EXPECT_EQ(head(s.device(), 4), (Bytes{0x01, 0x04, 0x01, 0xF0}));
    EXPECT_EQ(s.events().size(), 95u);
    // Nothing fits behind the last event.
    const auto before = s;
    EXPECT_EQ(s.insertEventAtLine(95, press(0x42)), MacroEdit::NoRoom);
    EXPECT_EQ(s.insertMouseAction(93, MouseButton::Left, MouseAction::Click), MacroEdit::NoRoom);
    EXPECT_EQ(s, before);

    // A long event cut by the end is dropped whole, never left half.
    std::vector<MacroEvent> withLong(92, press(0x41));
    withLong.push_back(release(0x41, 1000));
    auto l = *MacroStreams::fromEvents(withLong);
    EXPECT_EQ(l.usedBytes(), 188u);
    EXPECT_EQ(l.insertEventAtLine(0, press(0x42)), MacroEdit::Done);
    EXPECT_EQ(l.usedBytes(), 190u);
    EXPECT_EQ(l.insertEventAtLine(0, press(0x42)), MacroEdit::Truncated);
    EXPECT_EQ(l.usedBytes(), 188u);
    EXPECT_TRUE(zeroFrom(l.device(), 188));
    EXPECT_TRUE(zeroFrom(l.display(), 188));

    // Turning a short delay long in a full stream loses the last event.
    auto d = *MacroStreams::fromEvents(many);
    EXPECT_EQ(d.setDelayAtLine(1, 300), MacroEdit::Truncated);
    EXPECT_EQ(d.usedBytes(), 190u);
    EXPECT_EQ(d.events().size(), 94u);
    // The last event cannot become long: its delay bytes would not fit.
    auto e = *MacroStreams::fromEvents(many);
    EXPECT_EQ(e.setDelay(188, 300), MacroEdit::NoRoom);
}

} // namespace
} // namespace vantrel
