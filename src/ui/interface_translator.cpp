// SPDX-License-Identifier: MIT
#include "ui/interface_translator.h"

#include <QCoreApplication>

namespace vantrel::ui {

InterfaceTranslator::~InterfaceTranslator() {
    remove();
}

QString InterfaceTranslator::cataloguePath(UiLanguage language) {
    const auto name = language.catalogue();
    return QStringLiteral(":/i18n/vantrel_%1.qm")
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void InterfaceTranslator::remove() {
    if (catalogue_) {
        QCoreApplication::removeTranslator(catalogue_.get());
        catalogue_.reset();
    }
}

bool InterfaceTranslator::use(UiLanguage language) {
    remove();
    if (language.catalogue() == "en") {
        return true;
    }
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(cataloguePath(language))) {
        return false;
    }
    QCoreApplication::installTranslator(catalogue.get());
    catalogue_ = std::move(catalogue);
    return true;
}

} // namespace vantrel::ui
