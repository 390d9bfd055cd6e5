// SPDX-License-Identifier: MIT
#pragma once

#include "ui/device_link.h"

#include <QObject>
#include <mutex>
#include <thread>

namespace vantrel::ui {

// A keyboard that lives in the program: it keeps what was applied and
// answers reads with it, on a worker thread like the real one.
// TODO(hid): give way to the simulated keyboard of the HID layer (with its
// state file and trace) once it is on main.
class InProcessKeyboard final : public DeviceLink {
public:
    explicit InProcessKeyboard(QObject* context);
    ~InProcessKeyboard() override;

    // What a new keyboard holds.
    static ConfigImage factoryImage();

    bool present() const override { return true; }
    bool simulated() const override { return true; }
    void apply(const ConfigImage& image, const ConfigImage& synced,
               std::function<void(Result<ApplyOutcome>)> done) override;
    void factoryReset(std::function<void(Result<DeviceSnapshot>)> done) override;
    void readBack(std::function<void(Result<DeviceSnapshot>)> done) override;

    // What the keyboard holds now.
    ConfigImage stored() const;

private:
    void run(std::function<void()> work);

    QObject* context_;
    mutable std::mutex mutex_;
    ConfigImage keyboard_;
    std::thread worker_;
};

} // namespace vantrel::ui
