// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <string>

namespace vantrel::ui {

class FilePicker;
class UserPrompts;

// The picker of advanced row `row` (0 music, 1 program, 2 text file,
// 3 folder). True when a file or folder was chosen: its path is in `path`.
// False when the user cancelled, and for a choice that cannot be stored
// (longer than 255 characters, or a name the system cannot give back), which
// the user is told; `path` is unchanged then, except that a folder without a
// path of its own empties it.
bool BrowseForTarget(FilePicker& files, UserPrompts& prompts, int row, std::u16string& path);

} // namespace vantrel::ui
