// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <future>
#include <mutex>
#include <vector>

namespace vantrel::testing {

// Work that the test thread hands to a server of the test's own running
// on its thread: run() waits until the server's loop has done it there.
class WorkQueue {
public:
    void run(std::function<void()> work) {
        std::promise<void> finished;
        {
            std::lock_guard lock(mutex_);
            work_.push_back([&] {
                work();
                finished.set_value();
            });
        }
        finished.get_future().wait();
    }
    // Called by the server's loop on its own thread.
    void doQueued() {
        std::vector<std::function<void()>> work;
        {
            std::lock_guard lock(mutex_);
            work.swap(work_);
        }
        for (auto& w : work) {
            w();
        }
    }

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> work_;
};

} // namespace vantrel::testing
