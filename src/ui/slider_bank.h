// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/config_image.h"

#include <array>

namespace vantrel::ui {

// The six bitmap sliders of the left panel: where they sit, their range,
// position and visibility, and the image field each one stores into.
struct Slider {
    int id = 0;
    int x = 0;
    int y = 0;
    int range = 0; // positions 0 .. range
    int position = 0;
    bool visible = true;
    bool enabled = true;

    // Channel bitmap size and thumb size.
    static constexpr int kWidth = 220;
    static constexpr int kHeight = 17;
    static constexpr int kThumbWidth = 15;
    static constexpr int kThumbHeight = 14;

    bool contains(int px, int py) const {
        return px >= x && px < x + kWidth && py >= y && py < y + kHeight;
    }
    int thumbX() const { return range > 0 ? position * (kWidth - kThumbWidth) / range : 0; }
    // A press on the channel moves the thumb straight to the pressed point.
    int positionAt(int px) const;
};

class SliderBank {
public:
    SliderBank();

    Slider* find(int id);
    const Slider* find(int id) const;
    // The visible, enabled slider under (x, y), or null.
    Slider* at(int x, int y);
    // Clamped to the slider's range.
    void setPosition(int id, int position);
    int position(int id) const;

    // Positions from the image fields (after a read-back, reset or revert).
    void loadFrom(const ConfigImage& image);
    // The keyboard lighting sliders only (brightness, speed, report rate,
    // response time), as a reset sets them.
    void loadPageSlidersFrom(const ConfigImage& image);
    // Stores the slider's position into its image field.
    static void store(const Slider& s, ConfigImage& image);

    std::array<Slider, 6>& all() { return sliders_; }

private:
    std::array<Slider, 6> sliders_;
};

} // namespace vantrel::ui
