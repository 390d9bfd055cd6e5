// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"
#include "core/model/command_changes.h"

#include <optional>

namespace vantrel::cli {

// The keyboard of the running desktop program, as a command it runs for
// vantrelctl sees it. Called from the command's own thread; each call
// blocks until the desktop program's connection has done the work.
class DesktopKeyboard {
public:
    virtual ~DesktopKeyboard() = default;
    virtual Result<DeviceSnapshot> read() = 0;
    virtual Result<ApplyOutcome> apply(const ConfigImage& image, const ConfigImage& synced) = 0;
    virtual Result<DeviceSnapshot> reset() = 0;
};

// A command the desktop program runs for vantrelctl, on its keyboard and in
// its data folder (which it keeps locked). The keyboard's configuration is
// what the desktop program last read or sent (`known`), so a command that
// only changes something sends it without reading the keyboard first.
class ServedContext final : public Context {
public:
    ServedContext(const GlobalOptions& options, DataFolder folder, CommandOutput& output,
                  DeviceSnapshot known, DeviceIdentity identity, DesktopKeyboard& keyboard);

    DeviceIdentity device() const override { return identity_; }

    // The state connect() left, for the desktop program to tell what the
    // command changed; empty when the command never connected.
    const std::optional<CommandStart>& start() const { return start_; }

protected:
    Result<DeviceSnapshot> readKeyboard(Reading reading) override;
    Result<ApplyOutcome> sendImage(const ConfigImage& image, const ConfigImage& synced) override;
    Result<DeviceSnapshot> resetKeyboard() override;
    void connected() override;

private:
    DeviceSnapshot known_;
    DeviceIdentity identity_;
    DesktopKeyboard& keyboard_;
    std::optional<CommandStart> start_;
};

} // namespace vantrel::cli
