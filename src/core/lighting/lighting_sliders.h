// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace vantrel {
class ConfigImage;
}

namespace vantrel::lighting {

// Control ids of the four lighting sliders of the left panel.
inline constexpr int kSpeedSliderId = 1007;
inline constexpr int kBrightnessSliderId = 1017;
inline constexpr int kWristBrightnessSliderId = 1037;
inline constexpr int kWristSpeedSliderId = 1038;

struct SliderRange {
    int minimum = 0;
    int maximum = 0;
};

// Range of a lighting slider; nothing for other ids.
std::optional<SliderRange> lightingSliderRange(int controlId);
// Stores a lighting slider's position into its image field (the wrist speed
// byte runs the other way round). Returns false for ids that are not
// lighting sliders, leaving the image alone.
bool storeLightingSlider(ConfigImage& image, int controlId, int position);
// The position a lighting slider shows for the image, within its range.
std::optional<int> lightingSliderPosition(const ConfigImage& image, int controlId);

} // namespace vantrel::lighting
