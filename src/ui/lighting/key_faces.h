// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vantrel::ui {

// One key of the keyboard picture, in picture coordinates (the picture is
// drawn at client (301, 95)); right and bottom are the far edges.
struct KeyFace {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QString label;
    int anchorX = 0;
    int anchorY = 0;
};

// Where the keys of the keyboard picture lie, indexed by key position.
class KeyFaces {
public:
    virtual ~KeyFaces() = default;
    virtual int count() const = 0;
    virtual KeyFace face(int key) const = 0;
};

} // namespace vantrel::ui
