// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

namespace vantrel::ui {

// Starts the firmware updater beside the program without waiting for it.
class UpdaterLauncher {
public:
    virtual ~UpdaterLauncher() = default;
    virtual Status start() = 0;
};

} // namespace vantrel::ui
