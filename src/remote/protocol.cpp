// SPDX-License-Identifier: MIT
#include "remote/protocol.h"

#include "core/util/path_text.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <type_traits>

namespace vantrel::remote {
namespace {

using nlohmann::json;

Error malformed(const std::string& why) {
    return makeError(ErrorCode::InvalidArgument, "malformed request line: " + why);
}

std::string lineOf(const json& j, json::error_handler_t handler) {
    return j.dump(-1, ' ', false, handler) + '\n';
}

Result<json> parseObject(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    json j = json::parse(line.begin(), line.end(), nullptr, false);
    if (j.is_discarded()) {
        return malformed("not JSON");
    }
    if (!j.is_object()) {
        return malformed("not a JSON object");
    }
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer()) {
        return malformed("no version");
    }
    if (version->get<long long>() != kProtocolVersion) {
        return makeError(ErrorCode::InvalidArgument,
                         "protocol version " + std::to_string(version->get<long long>()) +
                             " is not " + std::to_string(kProtocolVersion) +
                             " (vantrelctl and the desktop program are of different versions)");
    }
    return j;
}

template <class T> Result<T> field(const json& j, const char* name) {
    const auto it = j.find(name);
    if (it == j.end()) {
        return malformed(std::string("no \"") + name + "\"");
    }
    bool fits = false;
    if constexpr (std::is_same_v<T, std::string>) {
        fits = it->is_string();
    } else if constexpr (std::is_same_v<T, bool>) {
        fits = it->is_boolean();
    } else if constexpr (std::is_same_v<T, int>) {
        fits = it->is_number_integer() && it->get<long long>() >= 0 && it->get<long long>() <= 255;
    } else {
        fits = it->is_array() &&
               std::all_of(it->begin(), it->end(), [](const json& e) { return e.is_string(); });
    }
    if (!fits) {
        return malformed(std::string("\"") + name + "\" is of the wrong type");
    }
    return it->get<T>();
}

template <class... T> std::optional<Error> firstError(const Result<T>&... results) {
    std::optional<Error> first;
    ((first = first ? first : (results ? std::nullopt : std::optional<Error>(results.error()))),
     ...);
    return first;
}

} // namespace

Result<std::string> encodeRequest(const CommandRequest& r) {
    json j = {
        {"version", kProtocolVersion},      {"command", r.command},   {"args", r.args},
        {"dataFolder", r.dataFolder},       {"simulate", r.simulate}, {"simState", r.simState},
        {"workingFolder", r.workingFolder}, {"trace", r.trace}};
    try {
        return lineOf(j, json::error_handler_t::strict);
    } catch (const json::exception&) {
        return makeError(ErrorCode::InvalidArgument,
                         "an argument or folder name is not UTF-8 text and cannot be handed to "
                         "the desktop program.");
    }
}

std::string encodeAccepted() {
    return lineOf({{"version", kProtocolVersion}, {"accepted", true}},
                  json::error_handler_t::replace);
}

std::string encodeAnswer(const CommandAnswer& a) {
    return lineOf({{"version", kProtocolVersion},
                   {"status", a.status},
                   {"stdout", a.standardOutput},
                   {"stderr", a.standardError},
                   {"trace", a.trace}},
                  json::error_handler_t::replace);
}

std::string encodeRefusal(std::string_view reason) {
    return lineOf({{"version", kProtocolVersion}, {"refused", std::string(reason)}},
                  json::error_handler_t::replace);
}

namespace {

// Absolute as this system has it: "/..." here, a drive or a share on Windows.
bool isAbsoluteName(const std::string& name) {
    return isAbsolutePathText(name);
}

} // namespace

Result<CommandRequest> decodeRequest(std::string_view line) {
    auto j = parseObject(line);
    if (!j) {
        return j.error();
    }
    CommandRequest r;
    auto command = field<std::string>(*j, "command");
    auto args = field<std::vector<std::string>>(*j, "args");
    auto dataFolder = field<std::string>(*j, "dataFolder");
    auto simulate = field<bool>(*j, "simulate");
    auto simState = field<std::string>(*j, "simState");
    auto workingFolder = field<std::string>(*j, "workingFolder");
    auto trace = field<bool>(*j, "trace");
    if (auto e = firstError(command, args, dataFolder, simulate, simState, workingFolder, trace)) {
        return *e;
    }
    r.command = *command;
    r.args = *args;
    r.dataFolder = *dataFolder;
    r.simulate = *simulate;
    r.simState = *simState;
    r.workingFolder = *workingFolder;
    r.trace = *trace;
    if (!isAbsoluteName(r.dataFolder) || !isAbsoluteName(r.workingFolder) ||
        (!r.simState.empty() && !isAbsoluteName(r.simState))) {
        return malformed("folder names must be absolute");
    }
    return r;
}

Result<ProgramLine> decodeProgramLine(std::string_view line) {
    auto j = parseObject(line);
    if (!j) {
        return j.error();
    }
    if (j->contains("refused")) {
        auto reason = field<std::string>(*j, "refused");
        if (!reason) {
            return reason.error();
        }
        return ProgramLine{Refused{*reason}};
    }
    if (j->contains("accepted")) {
        return ProgramLine{Accepted{}};
    }
    CommandAnswer a;
    auto status = field<int>(*j, "status");
    auto out = field<std::string>(*j, "stdout");
    auto err = field<std::string>(*j, "stderr");
    auto trace = field<std::vector<std::string>>(*j, "trace");
    if (auto e = firstError(status, out, err, trace)) {
        return *e;
    }
    a.status = *status;
    a.standardOutput = *out;
    a.standardError = *err;
    a.trace = *trace;
    return ProgramLine{std::move(a)};
}

} // namespace vantrel::remote
