// SPDX-License-Identifier: MIT
#pragma once

#include "ui/lighting/key_faces.h"

namespace vantrel::ui {

// The keys of the program's keyboard picture (KeyPictureTable).
class KeyPictureFaces final : public KeyFaces {
public:
    int count() const override;
    KeyFace face(int key) const override;
};

} // namespace vantrel::ui
