// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/configurator_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// What a key of the picture does, in the words `vantrelctl assign KEY ...`
// takes after the key ("key B", "combo LCtrl+C", "macro 2", "function mute",
// "launch program PATH", "disable", "default"). The keyboard's key table is
// the truth; keymap.bin only adds what the keyboard does not keep: the path
// of a launch key and the key codes the user chose among twins. Nothing when
// the keyboard holds what no assignment gives (a launch key whose path is
// not in keymap.bin, a usage without a key name).
std::optional<std::vector<std::string>> assignWords(const ConfiguratorModel& model,
                                                    std::size_t position);

} // namespace vantrel::cli
