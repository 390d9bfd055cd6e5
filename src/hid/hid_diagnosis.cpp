// SPDX-License-Identifier: MIT
#include "hid/hid_diagnosis.h"

#include "core/device/command_codes.h"
#include "core/device/discovery.h"
#include "hid/hid_diagnosis_parts.h"

#include <hidapi.h>

namespace vantrel {

Result<HidDiagnosis> diagnoseHid(HidTransport& transport) {
    auto list = transport.enumerate();
    if (!list) {
        return list.error();
    }
    HidDiagnosis d;
    d.hidapiVersion = hid_version_str();
    describeMachine(d);
    for (const auto& info : *list) {
        // Every interface of the keyboard: its ids, whatever its match name.
        if (!isKeyboardInterface(info, "")) {
            ++d.otherInterfaces;
            continue;
        }
        KeyboardNode node;
        node.interface = info;
        describeNode(node);
        d.nodes.push_back(std::move(node));
    }
    // The choice is discovery's own, made the way the programs make it.
    auto control = FindKeyboardInterface(transport, kControlInterfaceMatch);
    auto notification = FindKeyboardInterface(transport, kNotificationInterfaceMatch);
    if (control && control->has_value()) {
        d.controlPath = (*control)->path;
    }
    if (notification && notification->has_value()) {
        d.notificationPath = (*notification)->path;
    }
    return d;
}

} // namespace vantrel
