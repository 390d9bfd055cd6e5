// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <QString>
#include <QTranslator>
#include <memory>

namespace vantrel::ui {

// The catalogue of the interface language, installed on the application for
// as long as this object lives. English is the source language and needs
// none; the others are compiled into the program.
class InterfaceTranslator {
public:
    InterfaceTranslator() = default;
    explicit InterfaceTranslator(UiLanguage language) { use(language); }
    ~InterfaceTranslator();
    InterfaceTranslator(const InterfaceTranslator&) = delete;
    InterfaceTranslator& operator=(const InterfaceTranslator&) = delete;

    // Replaces the installed catalogue; false when the language's catalogue
    // is missing (the texts then stay English).
    bool use(UiLanguage language);

    // The built-in catalogue's resource path of a language.
    static QString cataloguePath(UiLanguage language);

private:
    void remove();
    std::unique_ptr<QTranslator> catalogue_;
};

} // namespace vantrel::ui
