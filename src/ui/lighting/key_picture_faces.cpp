// SPDX-License-Identifier: MIT
#include "ui/lighting/key_picture_faces.h"

#include "core/model/key_picture_table.h"

namespace vantrel::ui {

int KeyPictureFaces::count() const {
    return static_cast<int>(KeyPictureTable().size());
}

KeyFace KeyPictureFaces::face(int key) const {
    if (key < 0 || key >= count()) {
        return {};
    }
    const KeyPicture& k = KeyPictureTable()[static_cast<std::size_t>(key)];
    return KeyFace{k.left,
                   k.top,
                   k.right,
                   k.bottom,
                   QString::fromUtf8(k.label.data(), static_cast<qsizetype>(k.label.size())),
                   k.anchorX,
                   k.anchorY};
}

} // namespace vantrel::ui
