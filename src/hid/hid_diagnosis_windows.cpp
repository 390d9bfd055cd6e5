// SPDX-License-Identifier: MIT
#include "core/util/windows_text.h"
#include "hid/hid_diagnosis_parts.h"

#include <hidapi.h>
#include <windows.h>
// COM's "interface" keyword, which would rename KeyboardNode::interface.
#undef interface

namespace vantrel {

namespace {

// The version Windows really runs: GetVersionEx answers what the program's
// manifest asks for, ntdll's RtlGetVersion the truth.
std::string windowsVersion() {
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    std::string text = "Windows";
    if (ntdll == nullptr) {
        return text;
    }
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
    const auto get = reinterpret_cast<GetVersion>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (get != nullptr && get(&v) == 0) {
        text += " " + std::to_string(v.dwMajorVersion) + "." + std::to_string(v.dwMinorVersion) +
                "." + std::to_string(v.dwBuildNumber);
    }
    // Bug reports from wine say so: its HID stack is not Windows'.
    using WineVersion = const char*(CDECL*)();
    const auto wine = reinterpret_cast<WineVersion>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "wine_get_version")));
    if (wine != nullptr) {
        text += std::string(" (wine ") + wine() + ")";
    }
    return text;
}

std::string userName() {
    wchar_t buffer[257];
    DWORD size = sizeof buffer / sizeof buffer[0];
    if (!GetUserNameW(buffer, &size) || size == 0) {
        return "?";
    }
    return windows::utf8FromWide(std::wstring_view(buffer, size - 1));
}

} // namespace

void describeMachine(HidDiagnosis& d) {
    d.system = windowsVersion();
    d.user = userName();
    d.linuxChecks = false;
}

// hidapi lists every top-level collection as a device of its own, with
// the USB interface and the collection's usage.
void describeNode(KeyboardNode& node) {
    const std::string& path = node.interface.path;
    hid_device_info* all = hid_enumerate(node.interface.vendorId, node.interface.productId);
    for (const hid_device_info* d = all; d != nullptr; d = d->next) {
        if (d->path != nullptr && path == d->path) {
            node.interfaceNumber = d->interface_number;
            node.usagePage = d->usage_page;
            node.usage = d->usage;
            break;
        }
    }
    hid_free_enumeration(all);
    hid_device* dev = hid_open_path(path.c_str());
    node.access.canOpen = dev != nullptr;
    if (dev == nullptr) {
        const wchar_t* why = hid_error(nullptr);
        node.access.problem = why != nullptr ? windows::utf8FromWide(why) : "it cannot be opened";
    } else {
        hid_close(dev);
    }
}

} // namespace vantrel
