// SPDX-License-Identifier: MIT
#include "remote/client.h"

#include "remote/connection.h"

namespace vantrel::remote {

namespace {

// Reads one line (newline removed) into `line`, keeping what follows it in
// `buffer`.
Status readLine(Connection& connection, std::string& buffer, std::string& line,
                Clock::time_point deadline, const char* waitingFor) {
    for (;;) {
        if (const auto end = buffer.find('\n'); end != std::string::npos) {
            line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            return Status::success();
        }
        if (buffer.size() > kMaxAnswerBytes) {
            return unreachable("its answer is larger than any of ours");
        }
        std::string failure;
        switch (connection.receive(buffer, deadline, failure)) {
        case Connection::Received::Data:
            break;
        case Connection::Received::TimedOut:
            return unreachable(std::string("it did not ") + waitingFor + " in time");
        case Connection::Received::Closed:
            return unreachable(std::string("it ended the connection before it did ") + waitingFor);
        case Connection::Received::Failed:
            return unreachable("reading its answer failed: " + failure);
        }
    }
}

Result<ProgramLine> readProgramLine(Connection& connection, std::string& buffer,
                                    Clock::time_point deadline, const char* waitingFor) {
    std::string line;
    if (Status s = readLine(connection, buffer, line, deadline, waitingFor); !s) {
        return s.error();
    }
    auto decoded = decodeProgramLine(line);
    if (!decoded) {
        return unreachable("its answer is not ours (" + decoded.error().message + ")");
    }
    if (const auto* refused = std::get_if<Refused>(&*decoded)) {
        return makeError(ErrorCode::Busy, refused->reason);
    }
    return decoded;
}

} // namespace

Result<CommandAnswer> sendRequest(const std::string& socketName, const CommandRequest& request,
                                  ClientTimeouts timeouts) {
    auto line = encodeRequest(request);
    if (!line) {
        return line.error();
    }
    const auto acceptBy = Clock::now() + timeouts.accept;
    auto connected = connectToProgram(socketName, acceptBy);
    if (!connected) {
        return connected.error();
    }
    Connection& connection = **connected;
    if (!connection.peerIsThisUser()) {
        // Never hand a command to a program of another user.
        return unreachable("another user's program listens on " + socketName);
    }
    if (Status s = connection.sendAll(*line, acceptBy); !s) {
        return s.error();
    }
    std::string buffer;
    auto first = readProgramLine(connection, buffer, acceptBy, "take the request");
    if (!first) {
        return first.error();
    }
    if (auto* answer = std::get_if<CommandAnswer>(&*first)) {
        return std::move(*answer);
    }
    auto second = readProgramLine(connection, buffer, Clock::now() + timeouts.answer, "answer");
    if (!second) {
        return second.error();
    }
    if (auto* answer = std::get_if<CommandAnswer>(&*second)) {
        return std::move(*answer);
    }
    return unreachable("it took the request twice and never answered");
}

} // namespace vantrel::remote
