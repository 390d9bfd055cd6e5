// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/configurator_model.h"
#include "core/model/interface_language.h"
#include "core/model/macro_followers.h"

#include <QString>

namespace vantrel::ui {

// What the main window tells the user after the macro manager's OK: the
// keys whose macro moved or went, or why the files could not be saved.
// Empty when there is nothing to tell.
QString macroResultNotice(const Result<std::vector<MacroKeyChange>>& result,
                          const ConfiguratorModel& model);

} // namespace vantrel::ui
