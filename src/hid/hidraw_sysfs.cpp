// SPDX-License-Identifier: MIT
#include "hid/hidraw_sysfs.h"

#include "hid/report_descriptor.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<std::uint8_t>> readBinary(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::optional<int> usbInterfaceNumber(const fs::path& hidDevice) {
    std::error_code ec;
    // .../<usb interface>/<hid device>: bInterfaceNumber lives on the parent.
    const fs::path real = fs::canonical(hidDevice, ec);
    if (ec) {
        return std::nullopt;
    }
    std::ifstream in(real.parent_path() / "bInterfaceNumber");
    std::string text;
    if (!(in >> text)) {
        return std::nullopt;
    }
    try {
        return std::stoi(text, nullptr, 16);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

std::string hidrawMatchName(const std::string& devicePath, int fallbackInterface) {
    const std::string node = fs::path(devicePath).filename().string();
    const fs::path device = fs::path("/sys/class/hidraw") / node / "device";
    int collections = 0;
    if (auto descriptor = readBinary(device / "report_descriptor")) {
        auto counted = countTopLevelApplicationCollections(*descriptor);
        if (counted) {
            collections = *counted;
        }
    }
    std::optional<int> iface = usbInterfaceNumber(device);
    if (!iface && fallbackInterface >= 0) {
        iface = fallbackInterface;
    }
    return buildMatchName(iface, collections);
}

} // namespace vantrel
