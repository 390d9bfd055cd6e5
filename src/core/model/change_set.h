// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/config_image.h"

#include <array>

namespace vantrel {

// Which groups of the image differ from the copy last known to be on the
// keyboard. The write-all sends exactly these groups. The wrist-rest record
// and colours are not compared: they are always sent.
struct ChangeSet {
    bool colours = false;
    bool gameMode = false;
    bool reportRate = false;
    bool responseTime = false;
    bool keyTable = false;
    bool enableMap = false;
    std::array<bool, image::kMacroSlotCount> slots{};
    std::array<bool, image::kColourMapCount> maps{};
    bool lighting = false; // effect, speed, brightness, colour index, direction

    bool otherThanLighting() const;
    bool anything() const { return lighting || otherThanLighting(); }
    friend bool operator==(const ChangeSet&, const ChangeSet&) = default;
};

ChangeSet computeChanges(const ConfigImage& current, const ConfigImage& synced);

} // namespace vantrel
