// SPDX-License-Identifier: MIT
#include "core/model/program_bindings.h"

#include "core/model/profile_store.h"
#include "core/util/atomic_file.h"
#include "core/util/file_read.h"
#include "core/util/folders.h"
#include "core/util/path_text.h"
#include "core/util/translatable.h"

#include <algorithm>
#include <cctype>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

// The first line names the format, so that a file of another kind (or a
// later version) is set aside rather than misread.
constexpr std::string_view kHeader = "vantrel-bindings 1";
constexpr std::string_view kSwitchingOn = "switching on";
constexpr std::string_view kSwitchingOff = "switching off";
constexpr std::string_view kBindWord = "bind";
constexpr char kSeparator = '\t';
// Far above any real list; a bigger file is not ours.
constexpr std::size_t kMaxFileBytes = 1 << 20;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Windows names one file in any case and with either slash; elsewhere a
// path is its bytes.
bool sameExecutable(std::string_view a, std::string_view b) {
#ifdef _WIN32
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto fold = [](char c) {
            return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        };
        return fold(x) == fold(y);
    });
#else
    return a == b;
#endif
}

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

Error damaged(const std::string& why) {
    return makeError(ErrorCode::BadFile, why);
}

// "bind<TAB>PROGRAM<TAB>PROFILE"
Result<ProgramBinding> parseBindLine(std::string_view line) {
    const auto first = line.find(kSeparator);
    const auto second = first == std::string_view::npos ? first : line.find(kSeparator, first + 1);
    if (line.substr(0, first) != kBindWord || second == std::string_view::npos) {
        return damaged("a line reads \"" + std::string(line) + "\"");
    }
    ProgramBinding b{std::string(line.substr(first + 1, second - first - 1)),
                     std::string(line.substr(second + 1))};
    if (!ProgramBindings::checkProgram(b.program) || !ProfileStore::checkName(b.profile)) {
        return damaged("a line reads \"" + std::string(line) + "\"");
    }
    return b;
}

} // namespace

Status ProgramBindings::checkProgram(std::string_view program) {
    if (hasControl(program)) {
        return makeError(
            ErrorCode::InvalidArgument,
            MessageText{VANTREL_TR_NOOP("CoreMessage", "a program name cannot hold tabs, line "
                                                       "breaks or other control characters"),
                        {}});
    }
    if (program.starts_with(kClassPrefix)) {
        if (program.size() == kClassPrefix.size()) {
            return makeError(ErrorCode::InvalidArgument,
                             "class: needs a window class or application id, such as class:steam");
        }
        return Status::success();
    }
    // From the root: a drive letter is not asked for, so that a binding
    // written on one system reads on the other.
    const std::filesystem::path path = pathFromText(program);
    if (!path.is_absolute() && !path.has_root_directory()) {
        return makeError(ErrorCode::InvalidArgument,
                         "\"" + std::string(program) +
                             "\" is neither an executable's absolute path nor class:NAME");
    }
    return Status::success();
}

void ProgramBindings::bind(std::string program, std::string profile) {
    for (ProgramBinding& b : bindings_) {
        if (sameExecutable(b.program, program)) {
            b.profile = std::move(profile);
            return;
        }
    }
    bindings_.push_back({std::move(program), std::move(profile)});
}

bool ProgramBindings::unbind(std::string_view program) {
    return std::erase_if(bindings_, [&](const ProgramBinding& b) {
               return sameExecutable(b.program, program);
           }) > 0;
}

std::size_t ProgramBindings::unbindProfile(std::string_view profile) {
    return std::erase_if(bindings_, [&](const ProgramBinding& b) { return b.profile == profile; });
}

std::optional<std::string> ProgramBindings::profileFor(const FrontProgram& front) const {
    if (!front.executable.empty() && !front.executable.starts_with(kClassPrefix)) {
        for (const ProgramBinding& b : bindings_) {
            if (sameExecutable(b.program, front.executable)) {
                return b.profile;
            }
        }
    }
    if (!front.windowClass.empty()) {
        for (const ProgramBinding& b : bindings_) {
            if (b.program.starts_with(kClassPrefix) &&
                sameIgnoringCase(std::string_view(b.program).substr(kClassPrefix.size()),
                                 front.windowClass)) {
                return b.profile;
            }
        }
    }
    return std::nullopt;
}

std::string ProgramBindings::text() const {
    std::string out(kHeader);
    out += "\n# Profiles the program in front brings to the keyboard: "
           "bind<TAB>PROGRAM<TAB>PROFILE\n";
    if (switching_) {
        out += std::string(*switching_ ? kSwitchingOn : kSwitchingOff) + "\n";
    }
    for (const ProgramBinding& b : bindings_) {
        out += std::string(kBindWord) + kSeparator + b.program + kSeparator + b.profile + "\n";
    }
    return out;
}

Result<ProgramBindings> ProgramBindings::parse(std::string_view text) {
    ProgramBindings out;
    bool first = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (first) {
            if (line != kHeader) {
                return damaged("it does not begin with \"" + std::string(kHeader) + "\"");
            }
            first = false;
        } else if (line.empty() || line.starts_with('#')) {
            continue;
        } else if (line == kSwitchingOn || line == kSwitchingOff) {
            out.switching_ = line == kSwitchingOn;
        } else {
            auto b = parseBindLine(line);
            if (!b) {
                return b.error();
            }
            out.bind(std::move(b->program), std::move(b->profile));
        }
    }
    if (first) {
        return damaged("it is empty");
    }
    return out;
}

Result<BindingsLoad> LoadBindingsFile(const fs::path& path) {
    auto file = readFileStart(path, kMaxFileBytes + 1);
    if (!file) {
        return file.error();
    }
    if (!file->exists) {
        return BindingsLoad{};
    }
    Result<ProgramBindings> parsed =
        file->bytes.size() > kMaxFileBytes
            ? Result<ProgramBindings>(damaged("it is bigger than a list of bindings can be"))
            : ProgramBindings::parse(std::string_view(
                  reinterpret_cast<const char*>(file->bytes.data()), file->bytes.size()));
    if (parsed) {
        return BindingsLoad{std::move(*parsed), std::nullopt};
    }
    auto moved = moveAside(path);
    if (!moved) {
        return moved.error();
    }
    // The window says it without the detail of what is wrong, which only
    // the file's reader can use; vantrelctl says it all.
    Error problem = makeError(
        ErrorCode::BadFile,
        MessageText{VANTREL_TR_NOOP("CoreMessage",
                                    "%1 is damaged; it was moved to %2 and switching by the "
                                    "program in front is off until programs are bound again."),
                    {pathText(path), pathText(*moved)}});
    problem.message = pathText(path) + " is damaged (" + parsed.error().message +
                      "); it was moved to " + pathText(*moved) +
                      " and switching by the program in front is off until programs are "
                      "bound again";
    return BindingsLoad{{}, std::move(problem)};
}

Status SaveBindingsFile(const fs::path& path, const ProgramBindings& bindings) {
    if (std::error_code ec = createFolders(path.parent_path()); ec) {
        return makeError(ErrorCode::Io,
                         MessageText{VANTREL_TR_NOOP("CoreMessage", "cannot create %1: %2"),
                                     {pathText(path.parent_path()), ec.message()}});
    }
    const std::string text = bindings.text();
    return writeFileAtomically(
        path, {std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())});
}

} // namespace vantrel
