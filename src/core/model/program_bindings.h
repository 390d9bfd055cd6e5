// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One program whose windows bring a profile to the keyboard. `program` is an
// executable's absolute path (links resolved) or "class:" and a window class
// (X11 WM_CLASS) or application id (Wayland).
struct ProgramBinding {
    std::string program;
    std::string profile;
};

// What the system tells of the window in front; either part may be empty.
struct FrontProgram {
    std::string executable;
    std::string windowClass;
    bool operator==(const FrontProgram&) const = default;
};

// The user's bindings of programs to profiles and whether the program in
// front switches profiles at all. They belong to the user, not to a
// keyboard's state, so they live beside the language choice.
class ProgramBindings {
public:
    static constexpr std::string_view kClassPrefix = "class:";

    const std::vector<ProgramBinding>& all() const { return bindings_; }
    bool empty() const { return bindings_.empty(); }

    // InvalidArgument unless `program` is an absolute path or "class:NAME",
    // free of control characters.
    static Status checkProgram(std::string_view program);

    // A program has one profile: binding it again replaces the old one.
    void bind(std::string program, std::string profile);
    // False when the program was not bound.
    bool unbind(std::string_view program);
    // Drops every binding to `profile`; how many there were.
    std::size_t unbindProfile(std::string_view profile);

    // The executable's binding wins over the window class's, which is
    // compared without regard to ASCII case (X11 capitalises classes,
    // Wayland application ids are usually lower case).
    std::optional<std::string> profileFor(const FrontProgram& front) const;

    // Switching is on by default once a binding exists, until the user
    // turns it off.
    bool switchingOn() const { return switching_.value_or(!bindings_.empty()); }
    void setSwitching(bool on) { switching_ = on; }

    // The settings file's text, and back; BadFile for a damaged text.
    std::string text() const;
    static Result<ProgramBindings> parse(std::string_view text);

private:
    std::vector<ProgramBinding> bindings_;
    std::optional<bool> switching_;
};

// The bindings file as the program found it. A damaged file is moved aside
// (its name is in `problem`) and the bindings start empty, which keeps
// switching off until the user binds a program again.
struct BindingsLoad {
    ProgramBindings bindings;
    std::optional<Error> problem;
};

inline constexpr const char* kBindingsFileName = "vantrel-bindings.conf";

// A missing file is no bindings; a file that cannot be read is an Io error.
Result<BindingsLoad> LoadBindingsFile(const std::filesystem::path& path);
// Written atomically; the folder is made when missing.
Status SaveBindingsFile(const std::filesystem::path& path, const ProgramBindings& bindings);

} // namespace vantrel
