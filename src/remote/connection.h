// SPDX-License-Identifier: MIT
// The systems' own connection to the desktop program, under the shared line
// exchange of sendRequest: a local socket, or on Windows a named pipe.
#pragma once

#include "core/util/result.h"

#include <chrono>
#include <memory>
#include <string>

namespace vantrel::remote {

using Clock = std::chrono::steady_clock;

// Why the program cannot be reached, as the user is told it.
inline Error unreachable(const std::string& why) {
    return makeError(ErrorCode::Io, why);
}

class Connection {
public:
    enum class Received { Data, TimedOut, Closed, Failed };

    virtual ~Connection() = default;
    // Whether the program at the other end runs as this user.
    virtual bool peerIsThisUser() const = 0;
    virtual Status sendAll(const std::string& text, Clock::time_point deadline) = 0;
    // Waits until something arrives (appended to `buffer`), the other end
    // closes, or the deadline passes. `failure` says why on Failed.
    virtual Received receive(std::string& buffer, Clock::time_point deadline,
                             std::string& failure) = 0;
};

// Connects to the program listening on `name`, waiting for a busy one at
// most until `deadline`.
Result<std::unique_ptr<Connection>> connectToProgram(const std::string& name,
                                                     Clock::time_point deadline);

} // namespace vantrel::remote
