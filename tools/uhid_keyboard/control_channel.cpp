// SPDX-License-Identifier: MIT
#include "control_channel.h"

#include <charconv>
#include <map>
#include <sstream>
#include <vector>

namespace vantrel::uhid {

namespace {

std::vector<std::string> words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

std::optional<long> number(const std::string& text, int base = 10) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> byteValue(const std::string& text, int base = 10) {
    auto v = number(text, base);
    if (!v || *v < 0 || *v > 0xFF) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*v);
}

Error bad(std::string_view line) {
    return makeError(ErrorCode::InvalidArgument, "not understood: " + std::string(line));
}

using Action = std::function<Status(UhidKeyboard&)>;

Action onKeyboard(std::function<void(sim::SimulatedKeyboard&)> f) {
    return [f = std::move(f)](UhidKeyboard& kb) {
        f(kb.keyboard());
        return Status::success();
    };
}

std::optional<Action> lightingAction(const std::vector<std::string>& w) {
    static const std::map<std::string, std::uint8_t> kTypes{{"effect", note::kEffect},
                                                            {"speed", note::kSpeed},
                                                            {"brightness", note::kBrightness},
                                                            {"direction", note::kDirection},
                                                            {"wrist-effect", note::kWristEffect}};
    if (w.size() != 3 || kTypes.count(w[1]) == 0) {
        return std::nullopt;
    }
    const auto value = byteValue(w[2]);
    if (!value) {
        return std::nullopt;
    }
    const std::uint8_t type = kTypes.at(w[1]);
    return onKeyboard([type, v = *value](auto& kb) { kb.changeLightingOnKeyboard(type, v); });
}

std::optional<Action> notifyAction(const std::vector<std::string>& w) {
    if (w.size() != 1 + kNotificationSize) {
        return std::nullopt;
    }
    NotificationReport report{};
    for (std::size_t i = 0; i < kNotificationSize; ++i) {
        const auto b = byteValue(w[i + 1], 16);
        if (!b) {
            return std::nullopt;
        }
        report[i] = *b;
    }
    return onKeyboard([report](auto& kb) { kb.sendNotification(report); });
}

std::optional<Action> faultAction(const std::vector<std::string>& w) {
    if (w.size() != 2) {
        return std::nullopt;
    }
    const std::string& name = w[0];
    if (name == "drop-acks" && (w[1] == "on" || w[1] == "off")) {
        const bool on = w[1] == "on";
        return onKeyboard([on](auto& kb) { kb.dropAllAcks(on); });
    }
    if (name == "drop-acks-for") {
        const auto code = byteValue(w[1], 16);
        return code
                   ? std::optional<Action>(onKeyboard([c = *code](auto& kb) { kb.dropAcksFor(c); }))
                   : std::nullopt;
    }
    const auto n = number(w[1]);
    if (!n || *n < 0) {
        return std::nullopt;
    }
    const int count = static_cast<int>(*n);
    if (name == "drop-next-acks") {
        return onKeyboard([count](auto& kb) { kb.dropNextAcks(count); });
    }
    if (name == "delay-acks") {
        return onKeyboard([count](auto& kb) { kb.delayAcks(std::chrono::milliseconds(count)); });
    }
    if (name == "short-replies") {
        return onKeyboard([count](auto& kb) { kb.shortReplies(count); });
    }
    if (name == "garbage-replies") {
        return onKeyboard([count](auto& kb) { kb.garbageReplies(count); });
    }
    if (name == "unplug-after") {
        return onKeyboard([count](auto& kb) { kb.unplugAfter(count); });
    }
    return std::nullopt;
}

std::optional<Action> actionFor(const std::vector<std::string>& w) {
    const std::string& name = w[0];
    if (name == "lighting") {
        return lightingAction(w);
    }
    if (name == "launch-key" && w.size() == 2) {
        const auto key = byteValue(w[1]);
        return key ? std::optional<Action>(
                         onKeyboard([k = *key](auto& kb) { kb.pressHostActionKey(k); }))
                   : std::nullopt;
    }
    if (name == "notify") {
        return notifyAction(w);
    }
    if (name == "unplug" && w.size() == 1) {
        return Action([](UhidKeyboard& kb) { return kb.unplug(); });
    }
    if (name == "replug" && w.size() == 1) {
        return Action([](UhidKeyboard& kb) { return kb.plug(); });
    }
    return faultAction(w);
}

} // namespace

Result<ControlRequest> parseControlLine(std::string_view line) {
    const auto w = words(line);
    if (w.empty()) {
        return bad(line);
    }
    ControlRequest request;
    if (w.size() == 1 && w[0] == "quit") {
        request.quit = true;
        return request;
    }
    if (w.size() == 1 && w[0] == "save") {
        request.save = true;
        return request;
    }
    auto action = actionFor(w);
    if (!action) {
        return bad(line);
    }
    request.action = std::move(*action);
    return request;
}

const char* controlHelp() {
    return "  lighting effect|speed|brightness|direction|wrist-effect VALUE\n"
           "  launch-key CODE\n"
           "  notify B0 B1 B2 B3            (hex)\n"
           "  unplug | replug | unplug-after TRANSFERS\n"
           "  drop-acks on|off | drop-next-acks N | drop-acks-for CODE (hex) | delay-acks MS\n"
           "  short-replies N | garbage-replies N\n"
           "  save | quit\n";
}

} // namespace vantrel::uhid
