// SPDX-License-Identifier: MIT
#include "core/util/atomic_file.h"
#include "core/util/folders.h"
#include "core/util/path_text.h"
#include "platform/autostart.h"

#include <cstdlib>
#include <fstream>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

// Desktop entries quote an Exec argument in double quotes, with a
// backslash before ", `, $ and \ (and the file format doubles each
// backslash once more).
std::string quoteExecArgument(const std::string& arg) {
    if (arg.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos) {
        return arg;
    }
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += "\\\\";
        }
        if (c == '%') {
            out += '%'; // field codes start with %
        }
        out += c;
    }
    return out + "\"";
}

bool lineIs(const std::string& line, std::string_view key, std::string_view value) {
    return line.size() == key.size() + 1 + value.size() && line.rfind(key, 0) == 0 &&
           line[key.size()] == '=' && line.compare(key.size() + 1, value.size(), value) == 0;
}

} // namespace

AutostartEntry AutostartEntry::forCurrentUser() {
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = fs::path(home) / ".config";
    } else {
        config = fs::current_path() / ".config";
    }
    return AutostartEntry(config / "autostart" / std::string(kFileName));
}

std::string AutostartEntry::text(const fs::path& program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vantrel\n"
           "Comment=Keeps the launch keys of the Vantrel keyboard working\n"
           "Exec=" +
           quoteExecArgument(pathText(program)) +
           " --background\n"
           "Icon=vantrel\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartEntry::enabled() const {
    std::error_code ec;
    if (!fs::is_regular_file(file_, ec)) {
        return false;
    }
    std::ifstream in(file_);
    if (!in) {
        return false;
    }
    bool inMainGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
        } else if (inMainGroup && (lineIs(line, "Hidden", "true") ||
                                   lineIs(line, "X-GNOME-Autostart-enabled", "false"))) {
            return false;
        }
    }
    return true;
}

Status AutostartEntry::enable(const fs::path& program) {
    if (const std::error_code ec = createFolders(file_.parent_path())) {
        return makeError(ErrorCode::Io, "Cannot create the folder " +
                                            pathText(file_.parent_path()) + ": " + ec.message() +
                                            ".");
    }
    const std::string t = text(program);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(t.data());
    return writeFileAtomically(file_, {std::span<const std::uint8_t>(bytes, t.size())});
}

Status AutostartEntry::disable() {
    std::error_code ec;
    fs::remove(file_, ec);
    if (ec) {
        return makeError(ErrorCode::Io,
                         "Cannot remove " + pathText(file_) + ": " + ec.message() + ".");
    }
    return Status::success();
}

} // namespace vantrel::platform
