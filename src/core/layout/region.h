// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace vantrel::layout {

// A clickable rectangle in client pixels, inclusive on all four sides. A
// region whose left edge lies beyond its right edge never matches.
struct Region {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr bool contains(int x, int y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
    constexpr int width() const { return right - left + 1; }
    constexpr int height() const { return bottom - top + 1; }
    // The same rectangle grown by `margin` pixels on every side.
    constexpr Region grown(int margin) const {
        return {left - margin, top - margin, right + margin, bottom + margin};
    }
    constexpr Region shifted(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend constexpr bool operator==(const Region&, const Region&) = default;
};

// The window's tables say "no region" in their own way (-1 for the main
// window, 255 for the dialogs); each passes its own.
inline constexpr int kNoRegion = -1;

// The index of the first region that holds (x, y), or `none`: earlier
// entries win where regions overlap.
constexpr int hitTest(std::span<const Region> table, int x, int y, int none = kNoRegion) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return none;
}

// Which region the pointer is over, for the normal / over pictures of a
// window's buttons. A move reports whether the hovered region changed, so
// the window repaints only then.
class HoverTracker {
public:
    explicit constexpr HoverTracker(int none = kNoRegion) : none_(none), current_(none) {}

    // The region under the pointer now; true when it differs from before.
    constexpr bool moveTo(int region) {
        if (region == current_) {
            return false;
        }
        current_ = region;
        return true;
    }
    constexpr void leave() { current_ = none_; }
    constexpr int current() const { return current_; }
    constexpr bool over(int region) const { return current_ == region && region != none_; }
    constexpr bool overNothing() const { return current_ == none_; }

private:
    int none_;
    int current_;
};

} // namespace vantrel::layout
