// SPDX-License-Identifier: MIT
#include "core/device/notification_listener.h"

namespace vantrel {

NotificationListener::NotificationListener(std::shared_ptr<NotificationHandle> handle,
                                           Events events)
    : state_(std::make_shared<State>()) {
    state_->handle = std::move(handle);
    state_->events = std::move(events);
    thread_ = std::thread([state = state_] { state->run(); });
    id_ = thread_.get_id();
}

NotificationListener::~NotificationListener() {
    stop();
    if (thread_.joinable()) {
        thread_.detach(); // stopped from its own thread: it ends by itself
    }
}

void NotificationListener::stop() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stop = true;
    }
    state_->changed.notify_all();
    state_->handle->wake();
    if (!thread_.joinable() || id_ == std::this_thread::get_id()) {
        return;
    }
    thread_.join();
}

void NotificationListener::drain(std::chrono::milliseconds limit) {
    if (id_ == std::this_thread::get_id()) {
        return;
    }
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    if (s.done || s.stop) {
        return;
    }
    const std::uint64_t ticket = ++s.drainsAsked;
    lock.unlock();
    s.handle->wake();
    lock.lock();
    s.changed.wait_for(lock, limit, [&] { return s.drainsServed >= ticket || s.done || s.stop; });
}

bool NotificationListener::State::stopping() {
    std::lock_guard lock(mutex);
    return stop;
}

void NotificationListener::State::finish() {
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    changed.notify_all();
}

void NotificationListener::State::run() {
    while (!stopping()) {
        auto report = handle->read(kWaitForever);
        if (!report) {
            finish();
            if (events.broken) {
                events.broken();
            }
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return stop; });
            return;
        }
        if (report->has_value() && events.report) {
            events.report(**report);
        }
        serveDrain();
    }
    finish();
}

void NotificationListener::State::serveDrain() {
    std::uint64_t asked = 0;
    {
        std::lock_guard lock(mutex);
        if (drainsAsked == drainsServed) {
            return;
        }
        asked = drainsAsked;
    }
    // Everything already queued, without waiting. One of the empty answers
    // may be the wake of the drain itself (wakes do not pile up), so the
    // queue is known to be empty only at the second one.
    for (int empty = 0; empty < 2;) {
        auto report = handle->read(std::chrono::milliseconds(0));
        if (!report) {
            break; // the next blocking read reports the failure
        }
        if (!report->has_value()) {
            ++empty;
        } else if (events.report) {
            events.report(**report);
        }
    }
    {
        std::lock_guard lock(mutex);
        drainsServed = asked;
    }
    changed.notify_all();
}

} // namespace vantrel
