// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

// What key `key` (0-107) does now, in words a screen reader says after
// the key's name: the keys it sends, or the kind of its assignment.
QString assignmentText(const ConfiguratorModel& model, int key);

} // namespace vantrel::ui
