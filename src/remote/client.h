// SPDX-License-Identifier: MIT
#pragma once

#include "remote/protocol.h"

#include <chrono>
#include <string>

namespace vantrel::remote {

struct ClientTimeouts {
    // Until the program has taken the request: it answers at once unless it
    // hangs.
    std::chrono::milliseconds accept{3000};
    // Until the command's answer: the longest device sequence (a factory
    // reset behind a running apply) with room to spare.
    std::chrono::milliseconds answer{120000};
};

// Hands `request` to the desktop program listening on `socketName` and
// waits for its answer. Io when the program cannot be reached, does not
// answer in time, ends before answering or answers with something that is
// not ours; Busy with the program's reason when it refused the request.
// The program must run as this user.
Result<CommandAnswer> sendRequest(const std::string& socketName, const CommandRequest& request,
                                  ClientTimeouts timeouts = {});

} // namespace vantrel::remote
