// SPDX-License-Identifier: MIT
#pragma once

// The key capture the program runs with on this platform.
#ifdef _WIN32
#include "ui/capture/windows_key_hook.h"
#else
#include "ui/capture/native_key_hook.h"
#endif

namespace vantrel::ui {

#ifdef _WIN32
using PlatformKeyHook = WindowsKeyHook;
#else
using PlatformKeyHook = NativeKeyHook;
#endif

} // namespace vantrel::ui
