// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// A sentence of core that the window shows in the interface language: its
// English source (marked with VANTREL_TR_NOOP in the context "CoreMessage",
// places %1 to %9 for the arguments) and the arguments, which are names and
// paths and stay as they are. Without a source there is nothing to
// translate and the error's own message is shown.
struct MessageText {
    const char* source = nullptr;
    std::vector<std::string> args;

    bool empty() const { return source == nullptr; }
    // The sentence in English, for vantrelctl and logs.
    std::string english() const;
};

// The one context of core's sentences in the catalogues.
inline constexpr const char* kMessageContext = "CoreMessage";

} // namespace vantrel
