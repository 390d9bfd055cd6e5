// SPDX-License-Identifier: MIT
#include "platform/kwin_front_script.h"

#include <cstdio>

namespace vantrel::platform {
namespace {

// A JavaScript string literal of `text`: bus names hold only plain ASCII,
// but nothing from outside goes into code unquoted.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') ||
                           (u >= 'a' && u <= 'z') || c == ':' || c == '.' || c == '_' || c == '-';
        if (plain) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        }
    }
    return out + "\"";
}

} // namespace

std::string kwinFrontScript(std::string_view service) {
    std::string script = "(function () {\n    var service = " + quoted(service) + ";\n";
    script += "    var path = " + quoted(kFrontWindowPath) + ";\n";
    script += "    var iface = " + quoted(kFrontWindowInterface) + ";\n";
    script += "    var method = " + quoted(kFrontWindowMethod) + ";\n";
    // Plasma 6 renamed clientActivated and activeClient to windowActivated
    // and activeWindow; the window's class and pid kept their names.
    script += R"(    function report(w) {
        var cls = w && w.resourceClass !== undefined && w.resourceClass !== null
                      ? String(w.resourceClass) : "";
        var pid = w && w.pid > 0 ? w.pid : 0;
        callDBus(service, path, iface, method, cls, pid);
    }
    var activated = workspace.windowActivated !== undefined ? workspace.windowActivated
                                                             : workspace.clientActivated;
    activated.connect(report);
    report(workspace.activeWindow !== undefined ? workspace.activeWindow
                                                : workspace.activeClient);
})();
)";
    return script;
}

} // namespace vantrel::platform
