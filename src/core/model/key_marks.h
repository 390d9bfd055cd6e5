// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/model/config_image.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel {

// One byte per key index, non-zero when the key differs from the keyboard's
// default; such keys are drawn lit in the key assignment view.
class KeyMarks {
public:
    static constexpr std::size_t kCount = 255;

    KeyMarks() { marks_.fill(0); }

    bool marked(std::size_t key) const { return marks_.at(key) != 0; }
    void set(std::size_t key, bool on) { marks_.at(key) = on ? 1 : 0; }
    void clear() { marks_.fill(0); }
    const std::array<std::uint8_t, kCount>& bytes() const { return marks_; }

    // A key is marked when its key table usage differs from the default, its
    // record names an assignment, its record holds a different target key
    // with a key count of 1, or the key is disabled. Fn is never marked.
    void recompute(const ConfigImage& image, const AssignmentTable& table);

private:
    std::array<std::uint8_t, kCount> marks_;
};

} // namespace vantrel
