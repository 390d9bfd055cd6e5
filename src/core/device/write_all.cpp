// SPDX-License-Identifier: MIT
#include "core/device/write_all.h"

#include <array>
#include <functional>

namespace vantrel {

namespace {

class Sequence {
public:
    Sequence(DeviceCommands& c, AcknowledgementWaiter& acks, ConfigImage& image)
        : c_(c), acks_(acks), image_(image) {}

    // One acknowledged step: clear, the step's transfers, then one wait.
    Status step(const std::function<Status()>& transfers) {
        acks_.clear();
        if (Status s = transfers(); !s) {
            return s;
        }
        return acks_.wait();
    }

    Status run(const ChangeSet& changes) {
        if (changes.otherThanLighting()) {
            Status s = step([&] {
                Status sent = c_.setLightingBegin(image_);
                beginSent_ = sent.ok();
                return sent;
            });
            if (!s) {
                return s;
            }
        }
        if (changes.colours) {
            if (Status s = step([&] { return keyColours(); }); !s) {
                return s;
            }
        }
        if (changes.gameMode) {
            if (Status s = step([&] { return c_.setGameMode(image_); }); !s) {
                return s;
            }
        }
        if (changes.reportRate) {
            if (Status s = step([&] { return c_.setReportRate(image_); }); !s) {
                return s;
            }
        }
        if (changes.responseTime) {
            if (Status s = step([&] { return c_.setKeyResponseTime(image_); }); !s) {
                return s;
            }
        }
        if (changes.keyTable) {
            if (Status s = step([&] { return c_.writeKeyTable(image_); }); !s) {
                return s;
            }
        }
        if (changes.enableMap) {
            if (Status s = step([&] { return c_.writeKeyEnableMap(image_); }); !s) {
                return s;
            }
        }
        for (std::size_t slot = 0; slot < image::kMacroSlotCount; ++slot) {
            if (!changes.slots[slot]) {
                continue;
            }
            std::array<std::uint8_t, image::kMacroSlotSize> copy{};
            const auto bytes = image_.macroSlot(slot);
            std::copy(bytes.begin(), bytes.end(), copy.begin());
            if (Status s = step([&] { return c_.writeMacroSlot(slot, copy); }); !s) {
                return s;
            }
        }
        for (std::size_t map = 0; map < image::kColourMapCount; ++map) {
            if (!changes.maps[map]) {
                continue;
            }
            if (Status s = step([&] { return c_.writeColourMap(image_, map); }); !s) {
                return s;
            }
        }
        return c_.setLightingEnd(image_);
    }

    bool beginSent() const { return beginSent_; }

private:
    Status keyColours() {
        for (std::size_t i = 0; i < image::kColourCount; ++i) {
            if (Status s = c_.setKeyColour(image_, i); !s) {
                return s;
            }
        }
        return Status::success();
    }

    DeviceCommands& c_;
    AcknowledgementWaiter& acks_;
    ConfigImage& image_;
    bool beginSent_ = false;
};

} // namespace

Result<WriteAllResult> WriteAll(DeviceCommands& commands, AcknowledgementWaiter& acks,
                                ConfigImage image, const ConfigImage& synced) {
    image.applyWinLock();
    if (Status s = commands.setWristLighting(image); !s) {
        return s.error();
    }
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        if (Status s = commands.setWristColour(image, i); !s) {
            return s.error();
        }
    }
    // Compared after the Windows-key bit is in place, so that the lock alone
    // counts as an enable-map change.
    const ChangeSet changes = computeChanges(image, synced);
    if (!changes.anything()) {
        return WriteAllResult{image, changes};
    }
    Sequence sequence(commands, acks, image);
    if (Status s = sequence.run(changes); !s) {
        if (sequence.beginSent() && s.error().code != ErrorCode::Disconnected) {
            // Take the keyboard out of its update mode; the original error
            // is what the caller needs to hear about.
            (void)commands.setLightingEnd(image);
        }
        return s.error();
    }
    return WriteAllResult{image, changes};
}

} // namespace vantrel
