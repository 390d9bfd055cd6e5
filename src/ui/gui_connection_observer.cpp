// SPDX-License-Identifier: MIT
#include "ui/gui_connection_observer.h"

#include <QMetaObject>

namespace vantrel::ui {

void GuiConnectionObserver::post(QObject* context, std::function<void()> f) {
    if (context) {
        QMetaObject::invokeMethod(context, std::move(f), Qt::QueuedConnection);
    }
}

void GuiConnectionObserver::readBackDone(const Result<DeviceSnapshot>& snapshot) {
    if (handlers_.readBackDone) {
        post(context_, [h = handlers_.readBackDone, snapshot] { h(snapshot); });
    }
}

void GuiConnectionObserver::deviceLighting(std::uint8_t type, std::uint8_t value) {
    if (handlers_.deviceLighting) {
        post(context_, [h = handlers_.deviceLighting, type, value] { h(type, value); });
    }
}

void GuiConnectionObserver::keyAction(std::uint8_t key) {
    if (handlers_.keyAction) {
        post(context_, [h = handlers_.keyAction, key] { h(key); });
    }
}

void GuiConnectionObserver::connectionChanged(bool connected) {
    if (handlers_.connectionChanged) {
        post(context_, [h = handlers_.connectionChanged, connected] { h(connected); });
    }
}

} // namespace vantrel::ui
