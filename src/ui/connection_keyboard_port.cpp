// SPDX-License-Identifier: MIT
#include "ui/connection_keyboard_port.h"

#include "ui/gui_connection_observer.h"

#include <QPointer>

namespace vantrel::ui {
namespace {

template <class T>
std::function<void(Result<T>)> onGuiThread(QObject* context, std::function<void(Result<T>)> done) {
    QPointer<QObject> guard(context);
    return [guard, done = std::move(done)](Result<T> r) {
        GuiConnectionObserver::post(guard, [done, r = std::move(r)] { done(r); });
    };
}

} // namespace

void ConnectionKeyboardPort::apply(const ConfigImage& image, const ConfigImage& synced,
                                   std::function<void(Result<ApplyOutcome>)> done) {
    connection_.apply(image, synced, onGuiThread<ApplyOutcome>(context_, std::move(done)));
}

void ConnectionKeyboardPort::factoryReset(std::function<void(Result<DeviceSnapshot>)> done) {
    connection_.factoryReset(onGuiThread<DeviceSnapshot>(context_, std::move(done)));
}

void ConnectionKeyboardPort::readBack(std::function<void(Result<DeviceSnapshot>)> done) {
    connection_.readBack(onGuiThread<DeviceSnapshot>(context_, std::move(done)));
}

} // namespace vantrel::ui
