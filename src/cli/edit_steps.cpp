// SPDX-License-Identifier: MIT
#include "cli/edit_steps.h"

#include "core/macro/macro_list.h"
#include "core/model/key_positions.h"
#include "core/model/key_reference.h"
#include "core/model/state_files.h"
#include "core/util/file_read.h"
#include "core/util/path_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace vantrel::cli {

namespace fs = std::filesystem;

Status peekMacroFile(const fs::path& path, MacroTable& table) {
    table.clear();
    auto file = readFileOfSize(path, kMacroFileSize);
    if (!file) {
        return file.error();
    }
    if (!file->exists) {
        return Status::success();
    }
    if (file->size != kMacroFileSize) {
        return makeError(ErrorCode::BadFile,
                         pathText(path) + " is " + std::to_string(file->size) + " bytes, not " +
                             std::to_string(kMacroFileSize) +
                             "; the next 'macro add' or 'macro delete' moves it aside.");
    }
    std::copy(file->bytes.begin(), file->bytes.end(), table.bytes().begin());
    compactMacroTable(table);
    return Status::success();
}

Status loadMacros(Context& context) {
    if (Status s = context.prepareDataFolder(); !s) {
        return s;
    }
    auto report = LoadMacroFile(context.dataFolder().macros(), context.model().macros());
    if (!report) {
        return report.error();
    }
    if (!report->message.empty()) {
        context.warn(report->message);
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
