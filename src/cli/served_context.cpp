// SPDX-License-Identifier: MIT
#include "cli/served_context.h"

namespace vantrel::cli {

ServedContext::ServedContext(const GlobalOptions& options, DataFolder folder, CommandOutput& output,
                             DeviceSnapshot known, DeviceIdentity identity,
                             DesktopKeyboard& keyboard)
    : Context(options, std::move(folder), output), known_(known),
      identity_(std::move(identity)), keyboard_(keyboard) {}

Result<DeviceSnapshot> ServedContext::readKeyboard(Reading reading) {
    if (reading == Reading::Fresh) {
        return keyboard_.read();
    }
    return known_;
}

Result<ApplyOutcome> ServedContext::sendImage(const ConfigImage& image, const ConfigImage& synced) {
    return keyboard_.apply(image, synced);
}

Result<DeviceSnapshot> ServedContext::resetKeyboard() {
    return keyboard_.reset();
}

void ServedContext::connected() {
    start_ = CommandStart{model().image(), model().assignments()};
}

} // namespace vantrel::cli
