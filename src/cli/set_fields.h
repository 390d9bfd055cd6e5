// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/config_image.h"
#include "core/util/result.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// One checked FIELD=VALUE of `vantrelctl set`, ready to be applied.
using FieldEdit = std::function<void(ConfigImage&)>;

// Parses and range-checks every FIELD=VALUE. Any unknown field or value
// out of range refuses the whole list (InvalidArgument), so nothing is sent.
Result<std::vector<FieldEdit>> parseFieldEdits(const std::vector<std::string>& args);

// The fields and their ranges, for the help text.
std::string fieldHelp();

// Every field with the image's value in the form parseFieldEdits takes, so
// that what `read` prints can be given back to `set`.
struct FieldValue {
    std::string name;
    std::string value;
    bool number = false; // a plain number, not a colour
};
std::vector<FieldValue> fieldValues(const ConfigImage& image);

std::string formatColour(Rgb c);

} // namespace vantrel::cli
