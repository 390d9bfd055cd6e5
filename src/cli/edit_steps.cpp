// SPDX-License-Identifier: MIT
#include "cli/edit_steps.h"

#include "core/macro/macro_list.h"
#include "core/model/key_positions.h"
#include "core/model/key_reference.h"
#include "core/model/state_files.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace vantrel::cli {

namespace fs = std::filesystem;

Status peekMacroFile(const fs::path& path, MacroTable& table) {
    table.clear();
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        if (!fs::exists(path, ec)) {
            return Status::success();
        }
        return makeError(ErrorCode::Io, "cannot read " + path.string() + ": " + ec.message() +
                                            "; check the file's permissions.");
    }
    if (size != kMacroFileSize) {
        return makeError(ErrorCode::BadFile,
                         path.string() + " is " + std::to_string(size) + " bytes, not " +
                             std::to_string(kMacroFileSize) +
                             "; the next 'macro add' or 'macro delete' moves it aside.");
    }
    std::ifstream in(path, std::ios::binary);
    auto bytes = table.bytes();
    if (!in.read(reinterpret_cast<char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()))) {
        table.clear();
        return makeError(ErrorCode::Io,
                         "cannot read " + path.string() + "; check the file's permissions.");
    }
    compactMacroTable(table);
    return Status::success();
}

Status loadMacros(Context& context) {
    if (Status s = context.dataFolder().ensureExists(); !s) {
        return s;
    }
    auto report = LoadMacroFile(context.dataFolder().macros(), context.model().macros());
    if (!report) {
        return report.error();
    }
    if (!report->message.empty()) {
        std::fprintf(stderr, "vantrelctl: %s\n", report->message.c_str());
    }
    return Status::success();
}

Status sendEdits(Context& context, std::string_view retry) {
    Status s = context.applyChanges();
    if (!s) {
        std::string message = s.error().message;
        if (!message.empty() && message.back() != '.') {
            message += '.';
        }
        return makeError(s.error().code, message +
                                             " The change is saved in the data folder but not on "
                                             "the keyboard; " +
                                             std::string(retry));
    }
    return s;
}

Result<std::size_t> parseMacroIndex(std::string_view word) {
    std::size_t n = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (word.empty() || ec != std::errc{} || ptr != word.data() + word.size()) {
        return makeError(ErrorCode::InvalidArgument,
                         "\"" + std::string(word) +
                             "\" is not a macro number; 'vantrelctl macro list' shows them.");
    }
    return n;
}

std::string keyLabel(const KeyNameTable& names, std::size_t position) {
    if (position == kFnKeyPosition) {
        return "Fn";
    }
    const std::string name = keyReference(names, KeyPositionVk(position));
    const auto back = parseKeyPosition(names, name);
    if (back && *back == position) {
        return name;
    }
    return "#" + std::to_string(position);
}

} // namespace vantrel::cli
