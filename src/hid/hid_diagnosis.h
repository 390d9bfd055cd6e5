// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/util/result.h"
#include "hid/hidraw_sysfs.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// Who may open a node, and whether this process can.
struct NodeAccess {
    std::string mode; // "crw-rw----"
    std::string owner;
    std::string group;
    bool hasAcl = false; // an access control list (logind's uaccess gives one)
    bool canOpen = false;
    std::string problem; // why this process cannot open it
};

// What udev has done with a node.
struct UdevNodeState {
    bool known = false;       // udev has a record of the device
    bool initialized = false; // its rules have run
    std::vector<std::string> tags;
};

struct KeyboardNode {
    HidInterfaceInfo interface;
    int interfaceNumber = -1; // the USB interface; -1 when nothing tells it
    // The top-level collection's usage, where the system lists one device
    // per collection (Windows); sysfs' descriptor tells them on Linux.
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    HidrawSysfsInfo sysfs;
    NodeAccess access;
    UdevNodeState udev;
};

// Everything a bug report about a keyboard that does not work needs to say
// about this machine's side: the keyboard's HID interfaces as hidapi lists
// them, what sysfs and udev say about each, which two discovery chooses,
// and which udev rules mention the keyboard.
struct HidDiagnosis {
    std::string hidapiVersion;
    std::string system; // kernel name, release and machine
    std::string user;   // this process's user and groups
    std::vector<KeyboardNode> nodes;
    std::size_t otherInterfaces = 0; // HID interfaces of other devices
    std::optional<std::string> controlPath;
    std::optional<std::string> notificationPath;
    std::string packagedRulePath;       // where the package installs the keyboard's rule
    std::vector<std::string> ruleFiles; // rule files that name the keyboard
    // False where there is no hidraw (Windows): nothing of sysfs, udev or
    // the nodes' modes is there to look at.
    bool linuxChecks = true;
};

Result<HidDiagnosis> diagnoseHid(HidTransport& transport);

} // namespace vantrel
