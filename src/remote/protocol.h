// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::remote {

// vantrelctl and the running desktop program talk over the desktop
// program's single-instance socket in lines of JSON, one object per line:
//
//   vantrelctl: {"version":1,"command":"set","args":["brightness=10"],
//                "dataFolder":"/home/u/.config/vantrel","simulate":false,
//                "simState":"","workingFolder":"/home/u","trace":false}
//   program:    {"version":1,"accepted":true}
//   program:    {"version":1,"status":0,"stdout":"applied 1 setting\n",
//                "stderr":"","trace":[]}
//
// or, instead of both answers, {"version":1,"refused":"why"} for a request
// it will not run. A later start of the program itself sends the line
// "show". Bump the version for any change that an older peer would
// misread; a request of another version is refused.
inline constexpr int kProtocolVersion = 1;
// Requests are short (a command line); anything longer is not ours.
inline constexpr std::size_t kMaxRequestBytes = std::size_t{64} * 1024;
// The answer of `read` is the largest (about 200 KB of JSON).
inline constexpr std::size_t kMaxAnswerBytes = std::size_t{32} * 1024 * 1024;

struct CommandRequest {
    std::string command;
    std::vector<std::string> args;
    std::string dataFolder; // absolute
    bool simulate = false;
    std::string simState;      // absolute, or empty
    std::string workingFolder; // absolute: where file arguments are relative to
    bool trace = false;        // send the command's transfers back
};

struct CommandAnswer {
    int status = 0;
    std::string standardOutput;
    std::string standardError;
    std::vector<std::string> trace;
};

struct Accepted {};
struct Refused {
    std::string reason;
};
using ProgramLine = std::variant<Accepted, CommandAnswer, Refused>;

// Each encoder returns one line, newline included. A request whose texts are
// not UTF-8 cannot be sent (InvalidArgument); answers replace what is not.
Result<std::string> encodeRequest(const CommandRequest& request);
std::string encodeAccepted();
std::string encodeAnswer(const CommandAnswer& answer);
std::string encodeRefusal(std::string_view reason);

// InvalidArgument, with the reason, for anything that is not a well-formed
// line of this version (the line may end with its newline or not).
Result<CommandRequest> decodeRequest(std::string_view line);
Result<ProgramLine> decodeProgramLine(std::string_view line);

} // namespace vantrel::remote
