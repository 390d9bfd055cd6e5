// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/message_text.h"

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace vantrel {

// What went wrong, coarse enough for a caller to choose an exit status or a
// message box, with a sentence the user can act on.
enum class ErrorCode {
    InvalidArgument, // bad user input; nothing was done
    Io,              // a file could not be read or written
    BadFile,         // a file exists but has the wrong size or content
    NoDevice,        // no keyboard found
    PermissionDenied,
    DeviceIo,      // a transfer to or from the keyboard failed
    NoAcknowledge, // the keyboard did not acknowledge within the limit
    Disconnected,  // the keyboard went away during a sequence
    Cancelled,
    Unsupported,
    Busy, // another program works on the same files

};

struct Error {
    ErrorCode code;
    std::string message;
    // The message for the window, where core gives one (it may leave out
    // details that `message` carries).
    MessageText text = {};
};

// A value or an error, in the spirit of std::expected (C++23).
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : data_(std::move(value)) {}
    Result(Error error) : data_(std::move(error)) {}

    bool ok() const { return data_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & {
        assert(ok());
        return std::get<0>(data_);
    }
    const T& value() const& {
        assert(ok());
        return std::get<0>(data_);
    }
    T&& value() && {
        assert(ok());
        return std::get<0>(std::move(data_));
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Error& error() const {
        assert(!ok());
        return std::get<1>(data_);
    }

private:
    std::variant<T, Error> data_;
};

// Success or an error, for operations without a value.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error)), failed_(true) {}

    static Status success() { return {}; }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const {
        assert(failed_);
        return error_;
    }

private:
    Error error_{ErrorCode::InvalidArgument, {}};
    bool failed_ = false;
};

inline Error makeError(ErrorCode code, std::string message) {
    return Error{code, std::move(message)};
}

// An error whose message the window shows translated.
inline Error makeError(ErrorCode code, MessageText text) {
    std::string english = text.english();
    return Error{code, std::move(english), std::move(text)};
}

} // namespace vantrel
