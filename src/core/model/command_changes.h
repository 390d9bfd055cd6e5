// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/model/config_image.h"
#include "core/model/configurator_model.h"

namespace vantrel {

// The state a command of vantrelctl started from when the desktop program
// ran it: the image and assignments as they were after connecting (both
// then synced).
struct CommandStart {
    ConfigImage image;
    AssignmentTable assignments;
};

// Takes into the desktop program's model what a command changed between
// `start` and `after`, and nothing else, so that the user's own unapplied
// edits stay unapplied: what reached the keyboard (the synced copies of
// `after`) goes into both copies, what the command changed but could not
// send (a failed write-all) only into the working ones, where the next
// apply sends it. Image bytes are taken one by one, assignments a whole
// record at a time. Marks are recomputed.
void takeCommandChanges(ConfiguratorModel& into, const CommandStart& start,
                        const ConfiguratorModel& after);

} // namespace vantrel
