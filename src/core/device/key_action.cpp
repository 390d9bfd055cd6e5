// SPDX-License-Identifier: MIT
#include "core/device/key_action.h"

#include "core/util/utf.h"

namespace vantrel {

std::optional<std::size_t> findKeyActionRecord(const AssignmentTable& table, std::uint8_t key) {
    for (std::size_t i = 0; i < AssignmentTable::kCount; ++i) {
        const AssignmentRecord& r = table[i];
        if (isAdvancedKind(r.kind()) && r.ownKey() == key) {
            return i;
        }
    }
    return std::nullopt;
}

LaunchTarget splitLaunchPath(std::string_view path, char separator) {
    LaunchTarget t;
    const auto pos = path.rfind(separator);
    if (pos == std::string_view::npos) {
        t.folder = std::string(path);
        return t;
    }
    t.folder = std::string(path.substr(0, pos));
    t.fileName = std::string(path.substr(pos + 1));
    return t;
}

LaunchTarget launchTargetOf(const AssignmentRecord& record, char separator) {
    LaunchTarget t = splitLaunchPath(utf16ToUtf8(record.path()), separator);
    t.kind = static_cast<AssignmentKind>(record.kind());
    return t;
}

} // namespace vantrel
