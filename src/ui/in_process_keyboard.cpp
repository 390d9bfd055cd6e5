// SPDX-License-Identifier: MIT
#include "ui/in_process_keyboard.h"

#include "core/model/key_positions.h"
#include "ui/gui_connection_observer.h"

#include <algorithm>

namespace vantrel::ui {

InProcessKeyboard::InProcessKeyboard(QObject* context)
    : context_(context), keyboard_(factoryImage()) {}

InProcessKeyboard::~InProcessKeyboard() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

ConfigImage InProcessKeyboard::factoryImage() {
    ConfigImage image;
    const auto& defaults = DefaultKeyTable();
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        const auto c = KeyPositionMatrixCode(i);
        auto entry = image.keyTableEntry(c);
        std::copy_n(defaults.begin() + c, 4, entry.begin());
    }
    image.enableAllKeys();
    image.setLightEffect(2);
    image.setLightSpeed(5);
    image.setLightBrightness(40);
    image.setLightColourIndex(1);
    image.setReportRate(3);
    image.setKeyResponseTime(1);
    const Rgb palette[7] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                            {0, 255, 255}, {0, 0, 255},   {255, 0, 255}};
    for (std::size_t i = 0; i < 7; ++i) {
        image.setKeyColour(i, palette[i]);
        image.setWristColour(i, palette[i]);
    }
    auto wrist = image.wristLighting();
    wrist[image::kWristBrightness] = 3;
    wrist[image::kWristSpeed] = 2;
    return image;
}

void InProcessKeyboard::run(std::function<void()> work) {
    // One sequence at a time, as on the real keyboard's worker.
    if (worker_.joinable()) {
        worker_.join();
    }
    worker_ = std::thread(std::move(work));
}

ConfigImage InProcessKeyboard::stored() const {
    std::lock_guard lock(mutex_);
    return keyboard_;
}

void InProcessKeyboard::apply(const ConfigImage& image, const ConfigImage&,
                              std::function<void(Result<ApplyOutcome>)> done) {
    run([this, image, done = std::move(done)] {
        ApplyOutcome outcome{image, true};
        outcome.image.applyWinLock();
        {
            std::lock_guard lock(mutex_);
            keyboard_ = outcome.image;
        }
        GuiConnectionObserver::post(context_, [done, outcome] { done(outcome); });
    });
}

void InProcessKeyboard::factoryReset(std::function<void(Result<DeviceSnapshot>)> done) {
    run([this, done = std::move(done)] {
        DeviceSnapshot snap{factoryImage(), FirmwareVersion{1, 4}, {}};
        {
            std::lock_guard lock(mutex_);
            keyboard_ = snap.image;
        }
        GuiConnectionObserver::post(context_, [done, snap] { done(snap); });
    });
}

void InProcessKeyboard::readBack(std::function<void(Result<DeviceSnapshot>)> done) {
    run([this, done = std::move(done)] {
        DeviceSnapshot snap{stored(), FirmwareVersion{1, 4}, {}};
        snap.image.deriveWinLock();
        GuiConnectionObserver::post(context_, [done, snap] { done(snap); });
    });
}

} // namespace vantrel::ui
