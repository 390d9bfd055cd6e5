// SPDX-License-Identifier: MIT
#include "hid/hidraw_sysfs.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

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
    int value = 0;
    const auto [ptr, err] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (err != std::errc() || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

void readUevent(const fs::path& hidDevice, HidrawSysfsInfo& info) {
    std::ifstream in(hidDevice / "uevent");
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "HID_ID") {
            info.hidId = value;
        } else if (key == "HID_NAME") {
            info.name = value;
        } else if (key == "HID_PHYS") {
            info.phys = value;
        }
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> readSysfsFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // istream::read, not an istreambuf_iterator: the filebuf throws when the
    // read itself fails (a node whose device went away reads ENODEV), and only
    // the stream turns that into a state instead of an exception.
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<int> interfaceNumberFromPhys(std::string_view phys) {
    constexpr std::string_view kInput = "/input";
    const auto at = phys.rfind(kInput);
    if (phys.rfind("usb-", 0) != 0 || at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = phys.substr(at + kInput.size());
    int value = 0;
    const auto [ptr, err] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '-' || err != std::errc() ||
        ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

HidrawSysfsInfo readHidrawSysfs(const std::string& devicePath, int fallbackInterface) {
    HidrawSysfsInfo info;
    const std::string node = fs::path(devicePath).filename().string();
    const fs::path device = fs::path("/sys/class/hidraw") / node / "device";
    readUevent(device, info);
    if (auto descriptor = readSysfsFile(device / "report_descriptor")) {
        info.descriptor = std::move(*descriptor);
        info.descriptorRead = true;
        auto parsed = parseTopLevelCollections(info.descriptor);
        if (parsed) {
            info.collections = std::move(*parsed);
        } else {
            info.descriptorError = parsed.error().message;
        }
    }
    if (auto fromPhys = interfaceNumberFromPhys(info.phys)) {
        info.interfaceNumber = fromPhys;
        info.interfaceSource = "phys";
    } else if (auto fromUsb = usbInterfaceNumber(device)) {
        info.interfaceNumber = fromUsb;
        info.interfaceSource = "bInterfaceNumber";
    } else if (fallbackInterface >= 0) {
        info.interfaceNumber = fallbackInterface;
        info.interfaceSource = "hidapi";
    }
    return info;
}

std::string hidrawMatchName(const std::string& devicePath, int fallbackInterface) {
    const HidrawSysfsInfo info = readHidrawSysfs(devicePath, fallbackInterface);
    return buildMatchName(info.interfaceNumber, static_cast<int>(info.collections.size()));
}

} // namespace vantrel
