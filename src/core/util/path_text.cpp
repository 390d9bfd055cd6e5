// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"

namespace vantrel {

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathFromText(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool isAbsolutePathText(std::string_view text) {
#ifdef _WIN32
    const auto separator = [&text](std::size_t i) {
        return i < text.size() && (text[i] == '\\' || text[i] == '/');
    };
    const bool drive = text.size() >= 3 &&
                       ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
                       text[1] == ':' && separator(2);
    const bool share = separator(0) && separator(1) && text.size() > 2 && !separator(2);
    return drive || share;
#else
    return !text.empty() && text.front() == '/';
#endif
}

} // namespace vantrel
