// SPDX-License-Identifier: MIT
#include "hidraw_lookup.h"

#include <filesystem>
#include <fstream>

namespace vantrel::uhid {

namespace fs = std::filesystem;

namespace {

bool hasPhys(const fs::path& hidDevice, const std::string& phys) {
    std::ifstream in(hidDevice / "uevent");
    const std::string wanted = "HID_PHYS=" + phys;
    for (std::string line; std::getline(in, line);) {
        if (line == wanted) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> hidrawNodeForPhys(const std::string& phys) {
    std::error_code ec;
    for (const auto& dev : fs::directory_iterator("/sys/bus/hid/devices", ec)) {
        if (!hasPhys(dev.path(), phys)) {
            continue;
        }
        std::error_code inner;
        for (const auto& node : fs::directory_iterator(dev.path() / "hidraw", inner)) {
            const fs::path devNode = fs::path("/dev") / node.path().filename();
            if (fs::exists(devNode, inner)) {
                return devNode.string();
            }
        }
    }
    return std::nullopt;
}

} // namespace vantrel::uhid
