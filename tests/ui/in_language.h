// SPDX-License-Identifier: MIT
#pragma once

#include "ui/interface_translator.h"

namespace vantrel::ui::testing {

// A test's interface language: its built-in catalogue is installed for as
// long as the object lives, as the program installs it at start.
class InLanguage {
public:
    explicit InLanguage(UiLanguage language) : language(language), translator_(language) {}
    const UiLanguage language;

private:
    InterfaceTranslator translator_;
};

} // namespace vantrel::ui::testing
