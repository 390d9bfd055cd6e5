// SPDX-License-Identifier: MIT
#include "app/device_session.h"

#include "hid/hidapi_transport.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"

namespace vantrel::app {

struct DeviceSession::Impl {
    Options options;
    // Outlives the session, whose transport uses it.
    sim::SimulatedKeyboard keyboard;
    // Only a state file that was read (or did not exist yet) is written
    // back; a refused one stays as the user left it.
    bool stateLoaded = false;
    std::unique_ptr<ui::KeyboardSession> session;

    Impl(Options o, QObject* context, ui::KeyboardSession::Events events) : options(std::move(o)) {
        ui::KeyboardSession::Options so;
        so.simulate = options.simulate;
        so.trace = options.trace;
        so.connection = options.connection;
        so.realTransport = []() -> Result<std::unique_ptr<HidTransport>> {
            auto hid = HidapiTransport::create();
            if (!hid) {
                return hid.error();
            }
            return std::unique_ptr<HidTransport>(std::move(*hid));
        };
        so.simulatedTransport = [this]() -> Result<std::unique_ptr<HidTransport>> {
            if (options.simState) {
                if (Status s = keyboard.loadStateIfPresent(*options.simState); !s) {
                    return s.error();
                }
                stateLoaded = true;
            }
            return std::unique_ptr<HidTransport>(std::make_unique<sim::SimTransport>(keyboard));
        };
        session = std::make_unique<ui::KeyboardSession>(std::move(so), context, std::move(events));
    }
};

DeviceSession::DeviceSession(Options options, QObject* context, ui::KeyboardSession::Events events)
    : impl_(std::make_unique<Impl>(std::move(options), context, std::move(events))) {}

DeviceSession::~DeviceSession() = default;

Status DeviceSession::open() {
    return impl_->session->open();
}
ui::KeyboardPort& DeviceSession::link() {
    return impl_->session->link();
}
bool DeviceSession::simulated() const {
    return impl_->session->simulated();
}
QString DeviceSession::fallbackReason() const {
    return impl_->session->fallbackReason();
}
QString DeviceSession::hotplugProblem() const {
    return impl_->session->hotplugProblem();
}

bool DeviceSession::keyboardInaccessible() const {
    return impl_->session->keyboardInaccessible();
}

void DeviceSession::attachTrace(TraceSink* listener) {
    impl_->session->attachTrace(listener);
}

Status DeviceSession::finish() {
    impl_->session->close();
    // The state file belongs to the simulated keyboard asked for, never to
    // the stand-in shown while no keyboard is plugged in.
    if (impl_->options.simulate && impl_->options.simState && impl_->stateLoaded) {
        return impl_->keyboard.saveState(*impl_->options.simState);
    }
    return Status::success();
}

} // namespace vantrel::app
