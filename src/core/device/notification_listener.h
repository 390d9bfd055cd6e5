// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace vantrel {

// Reads the keyboard's notification collection on a thread of its own. It
// blocks on the interface until a report arrives, so an idle program never
// wakes for it, and a stop ends it at once (the read is woken, not polled).
class NotificationListener {
public:
    struct Events {
        // Every report, in the order the keyboard sent them.
        std::function<void(const NotificationReport&)> report;
        // The interface failed (the keyboard is gone); the listener then
        // waits to be stopped.
        std::function<void()> broken;
    };

    NotificationListener(std::shared_ptr<NotificationHandle> handle, Events events);
    ~NotificationListener();
    NotificationListener(const NotificationListener&) = delete;
    NotificationListener& operator=(const NotificationListener&) = delete;

    // Ends the thread; safe to call more than once, from one thread at a
    // time. Asked from one of the
    // events (the listener's own thread), it lets the thread end by itself.
    void stop();

    // Returns once every report that had reached the interface before the
    // call has been handed to `report`: at most `limit` later, at once when
    // the listener has stopped or broken, or when called from its thread.
    void drain(std::chrono::milliseconds limit);

private:
    // Shared with the thread, which may outlive this object when it was
    // stopped from one of its own events.
    struct State {
        std::shared_ptr<NotificationHandle> handle;
        Events events;
        std::mutex mutex;
        std::condition_variable changed;
        bool stop = false;
        bool done = false; // broken or ended: nothing more is read
        std::uint64_t drainsAsked = 0;
        std::uint64_t drainsServed = 0;

        void run();
        void serveDrain();
        bool stopping();
        void finish();
    };

    std::shared_ptr<State> state_;
    std::thread thread_;
    std::thread::id id_; // fixed once started; read without a lock
};

} // namespace vantrel
