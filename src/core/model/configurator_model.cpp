// SPDX-License-Identifier: MIT
#include "core/model/configurator_model.h"

namespace vantrel {

ConfiguratorModel::ConfiguratorModel() : keyNames_(BuildKeyNameTable()) {}

void ConfiguratorModel::revert() {
    image_ = synced_;
    assignments_ = syncedAssignments_;
    recomputeMarks();
}

} // namespace vantrel
