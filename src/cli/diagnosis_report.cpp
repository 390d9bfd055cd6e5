// SPDX-License-Identifier: MIT
#include "cli/diagnosis_report.h"

#include "core/device/command_codes.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

std::string hex(unsigned value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

std::string size(std::size_t bits) {
    if (bits % 8 != 0) {
        return std::to_string(bits) + " bits";
    }
    return std::to_string(bits / 8) + (bits == 8 ? " byte" : " bytes");
}

const char* kindName(ReportKind k) {
    return k == ReportKind::Input ? "input" : k == ReportKind::Output ? "output" : "feature";
}

void collections(std::string& out, const HidrawSysfsInfo& s) {
    int n = 0;
    for (const auto& c : s.collections) {
        out += "  collection " + std::to_string(++n) + ": usage page 0x" + hex(c.usagePage, 4) +
               ", usage 0x" + hex(c.usage, 4);
        for (const auto& r : c.reports) {
            out += std::string("; ") + kindName(r.kind) + " report " + std::to_string(r.id) + ": " +
                   size(r.bits);
        }
        out += "\n";
    }
    if (!s.descriptorError.empty()) {
        out += "  the report descriptor cannot be read: " + s.descriptorError + "\n";
    }
    if (!s.descriptorRead) {
        out += "  report descriptor: not readable in sysfs\n";
        return;
    }
    out += "  report descriptor (" + std::to_string(s.descriptor.size()) + " bytes):";
    for (std::size_t i = 0; i < s.descriptor.size(); ++i) {
        out += (i % 16 == 0 ? "\n    " : " ") + hex(s.descriptor[i], 2);
    }
    out += "\n";
}

std::string chosenAs(const HidDiagnosis& d, const KeyboardNode& n) {
    if (d.controlPath == n.interface.path) {
        return std::string("chosen as the control interface (the first whose match name holds \"") +
               kControlInterfaceMatch + "\")";
    }
    if (d.notificationPath == n.interface.path) {
        return std::string("chosen as the notification collection (the first whose match name "
                           "holds \"") +
               kNotificationInterfaceMatch + "\")";
    }
    const std::string& m = n.interface.matchName;
    if (m.find(kControlInterfaceMatch) != std::string::npos ||
        m.find(kNotificationInterfaceMatch) != std::string::npos) {
        return "not chosen: an earlier interface matched first";
    }
    return std::string("not chosen: its match name holds neither \"") + kControlInterfaceMatch +
           "\" nor \"" + kNotificationInterfaceMatch + "\"";
}

// Where hidapi lists each top-level collection as a device: its ids, its
// USB interface and its usage; the match name is the path itself.
void collectionNode(std::string& out, const HidDiagnosis& d, const KeyboardNode& n) {
    out += "\n" + n.interface.path + "\n";
    out += "  vendor " + hex(n.interface.vendorId, 4) + ", product " +
           hex(n.interface.productId, 4) + ", USB interface " +
           (n.interfaceNumber >= 0 ? std::to_string(n.interfaceNumber) : std::string("unknown")) +
           ", usage page 0x" + hex(n.usagePage, 4) + ", usage 0x" + hex(n.usage, 4) + "\n";
    out += std::string("  match name: ") +
           (n.interface.matchName == n.interface.path ? "the path itself" : n.interface.matchName) +
           "\n";
    out += "  this user can open it: " +
           (n.access.canOpen ? std::string("yes") : "no (" + n.access.problem + ")") + "\n";
    out += "  discovery: " + chosenAs(d, n) + "\n";
}

void node(std::string& out, const HidDiagnosis& d, const KeyboardNode& n) {
    if (!d.linuxChecks) {
        collectionNode(out, d, n);
        return;
    }
    const HidrawSysfsInfo& s = n.sysfs;
    out += "\n" + n.interface.path + "\n";
    out +=
        "  device: " + (s.name.empty() ? std::string("?") : s.name) + ", HID id " + s.hidId + "\n";
    out += "  phys: " + (s.phys.empty() ? std::string("(none)") : s.phys) + "\n";
    out += "  USB interface: " +
           (s.interfaceNumber
                ? std::to_string(*s.interfaceNumber) + " (from " + s.interfaceSource + ")"
                : std::string("unknown")) +
           "\n";
    out += "  match name: " + n.interface.matchName + "\n";
    collections(out, s);
    const NodeAccess& a = n.access;
    out += "  access: " + a.mode + " " + a.owner + " " + a.group +
           (a.hasAcl ? ", with an ACL" : ", no ACL") + "; this user can open it: " +
           (a.canOpen ? std::string("yes") : "no (" + a.problem + ")") + "\n";
    std::string tags;
    for (const auto& t : n.udev.tags) {
        tags += " " + t;
    }
    out += "  udev: " +
           std::string(!n.udev.known        ? "no record"
                       : n.udev.initialized ? "rules applied"
                                            : "rules not applied yet") +
           ", tags:" + (tags.empty() ? std::string(" none") : tags) + "\n";
    out += "  discovery: " + chosenAs(d, n) + "\n";
}

void rules(std::string& out, const HidDiagnosis& d) {
    if (!d.linuxChecks) {
        out += "\nLinux checks\n  udev rules, sysfs and the access rights of hidraw nodes are "
               "Linux's own; they do not apply on this system.\n";
        return;
    }
    out += "\nudev rules\n";
    bool packaged = false;
    for (const auto& f : d.ruleFiles) {
        packaged = packaged || f == d.packagedRulePath;
    }
    out += "  the keyboard's rule " + d.packagedRulePath +
           (packaged ? ": installed\n" : ": not installed\n");
    out += "  rule files that name the keyboard:";
    for (const auto& f : d.ruleFiles) {
        out += "\n    " + f;
    }
    out += d.ruleFiles.empty() ? " none\n" : "\n";
}

void probeSection(std::string& out, const std::optional<ProbeResult>& probe,
                  const std::string& skipped) {
    if (!probe && skipped.empty()) {
        return;
    }
    out += "\nRead-back (--probe)\n";
    if (!probe) {
        out += "  skipped: " + skipped + "\n";
        return;
    }
    if (probe->snapshot) {
        const auto& s = *probe->snapshot;
        out += "  read the keyboard: firmware " + s.firmware.toString() + ", effect " +
               std::to_string(s.image.lightEffect()) + ", brightness " +
               std::to_string(s.image.lightBrightness()) + "\n";
    } else {
        out += "  the read-back failed: " + probe->snapshot.error().message + "\n";
    }
    out += "  trace (" + std::to_string(probe->trace.size()) + " lines):\n";
    for (const auto& line : probe->trace) {
        out += "    " + line + "\n";
    }
}

std::string verdictFor(const HidDiagnosis& d, const std::optional<ProbeResult>& probe,
                       bool& usable) {
    usable = false;
    if (d.nodes.empty()) {
        return "No keyboard found: no HID interface has vendor 04D9 or 4D95 and product A1DF.";
    }
    if (!d.controlPath || !d.notificationPath) {
        return std::string("The keyboard is there, but discovery finds no ") +
               (!d.controlPath ? "control interface" : "notification collection") +
               ": please attach this report to a bug report.";
    }
    for (const auto& n : d.nodes) {
        if ((n.interface.path == *d.controlPath || n.interface.path == *d.notificationPath) &&
            !n.access.canOpen) {
            if (!d.linuxChecks) {
                return "Keyboard found but it cannot be opened (" + n.access.problem +
                       "): close other programs that use it and plug it in again.";
            }
            return "Keyboard found but not accessible: install the udev rule " +
                   d.packagedRulePath + " (see README), then plug the keyboard in again.";
        }
    }
    if (probe && !probe->snapshot) {
        return "The keyboard does not answer as expected: please attach this report to a bug "
               "report.";
    }
    usable = true;
    return probe ? "The keyboard was found and read." : "The keyboard was found and can be opened.";
}

} // namespace

DiagnosisText formatDiagnosis(const HidDiagnosis& d, const std::optional<ProbeResult>& probe,
                              const std::string& skippedProbe, const std::string& header) {
    DiagnosisText r;
    r.text = header + "\n";
    r.text += "system: " + d.system + "; hidapi " + d.hidapiVersion + "\n";
    r.text += "user: " + d.user + "\n";
    r.text += "\nThe keyboard's HID interfaces (vendor 04D9 or 4D95, product A1DF): " +
              std::to_string(d.nodes.size()) +
              "; other HID interfaces: " + std::to_string(d.otherInterfaces) + "\n";
    for (const auto& n : d.nodes) {
        node(r.text, d, n);
    }
    r.text += "\nDiscovery\n";
    r.text += std::string("  control interface (\"") + kControlInterfaceMatch +
              "\"): " + d.controlPath.value_or("none") + "\n";
    r.text += std::string("  notification collection (\"") + kNotificationInterfaceMatch +
              "\"): " + d.notificationPath.value_or("none") + "\n";
    rules(r.text, d);
    probeSection(r.text, probe, skippedProbe);
    r.verdict = verdictFor(d, probe, r.keyboardUsable);
    r.text += "\n" + r.verdict + "\n";
    return r;
}

} // namespace vantrel::cli
