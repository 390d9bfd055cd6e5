// SPDX-License-Identifier: MIT
#include "ui/core_message.h"

#include <QCoreApplication>

namespace vantrel::ui {

QString messageText(const MessageText& text) {
    if (text.empty()) {
        return {};
    }
    // In one pass, as MessageText::english() does: a path that holds "%2"
    // stays as it is.
    const QString translated = QCoreApplication::translate(kMessageContext, text.source);
    QString out;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar next = i + 1 < translated.size() ? translated[i + 1] : QChar();
        if (translated[i] == QLatin1Char('%') && next >= QLatin1Char('1') &&
            next <= QLatin1Char('9')) {
            const auto index = static_cast<std::size_t>(next.unicode() - u'1');
            if (index < text.args.size()) {
                out += QString::fromStdString(text.args[index]);
            }
            ++i;
            continue;
        }
        out += translated[i];
    }
    return out;
}

QString errorText(const Error& error) {
    return error.text.empty() ? QString::fromStdString(error.message) : messageText(error.text);
}

} // namespace vantrel::ui
