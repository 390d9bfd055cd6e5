// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <QString>

namespace vantrel::ui {

// A sentence of core in the interface language, its arguments put in.
QString messageText(const MessageText& text);
// What the window says of an error: core's translated sentence where it
// gives one, else its English message.
QString errorText(const Error& error);

} // namespace vantrel::ui
