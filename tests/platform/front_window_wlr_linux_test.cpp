// SPDX-License-Identifier: MIT
// The watcher of wlr foreign toplevels against a small compositor of the
// test's own (libwayland-server on a thread, a socket in a temporary
// folder): the activated window's app_id, the orders in which compositors
// move the activation, closed windows, a compositor without the list, and
// one that goes away.
#include "platform/front_window_parts.h"
#include "support/temp_dir.h"
#include "support/work_queue.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <thread>
#include <vector>
#include <wayland-server.h>
#include <wlr-foreign-toplevel-server.h>

using namespace vantrel;
using namespace vantrel::platform;

namespace {

constexpr int kWaitMs = 3000;
// Long enough for what a compositor of the same machine has sent.
constexpr int kNoChangeMs = 300;

// The compositor side: every window is sent to every bound manager; the
// test thread hands it work through run(), which returns once it is done.
class Compositor {
public:
    explicit Compositor(const std::filesystem::path& socket, bool listsWindows = true)
        : display_(wl_display_create()) {
        ok_ = wl_display_add_socket(display_, socket.c_str()) == 0;
        if (listsWindows) {
            wl_global_create(display_, &zwlr_foreign_toplevel_manager_v1_interface, 3, this, bind);
        }
        thread_ = std::thread([this] { loop(); });
    }
    ~Compositor() { stop(); }

    bool ok() const { return ok_; }

    // Ends the compositor: its clients see the connection close.
    void stop() {
        if (thread_.joinable()) {
            done_ = true;
            thread_.join();
            wl_display_destroy_clients(display_);
            wl_display_destroy(display_);
        }
    }

    void run(std::function<void()> work) { queue_.run(std::move(work)); }

    void open(int id, const char* appId, bool active) {
        run([=, this] {
            windows_[id] = Window{appId, active, {}};
            for (wl_resource* m : managers_) {
                announce(m, id);
            }
        });
    }
    // Activates `id`; `oldFirst` tells of the window that lets go before
    // the one that takes the front.
    void activate(int id, bool oldFirst) {
        run([=, this] {
            std::vector<int> order;
            for (auto& [other, w] : windows_) {
                if (other != id && w.active) {
                    order.push_back(other);
                }
                w.active = other == id;
            }
            order.insert(oldFirst ? order.end() : order.begin(), id);
            for (int changed : order) {
                sendAll(changed, false);
            }
        });
    }
    void rename(int id, const char* appId) {
        run([=, this] {
            windows_[id].appId = appId;
            sendAll(id, false);
        });
    }
    void close(int id) {
        run([=, this] {
            for (wl_resource* h : windows_[id].handles) {
                zwlr_foreign_toplevel_handle_v1_send_closed(h);
            }
            windows_.erase(id);
        });
    }
    void finish() {
        run([this] {
            for (wl_resource* m : managers_) {
                zwlr_foreign_toplevel_manager_v1_send_finished(m);
            }
        });
    }

private:
    struct Window {
        std::string appId;
        bool active = false;
        std::vector<wl_resource*> handles;
    };

    void loop() {
        wl_event_loop* events = wl_display_get_event_loop(display_);
        while (!done_) {
            wl_event_loop_dispatch(events, 10);
            queue_.doQueued();
            wl_display_flush_clients(display_);
        }
    }

    static void bind(wl_client* client, void* self, std::uint32_t version, std::uint32_t id) {
        auto* c = static_cast<Compositor*>(self);
        wl_resource* m =
            wl_resource_create(client, &zwlr_foreign_toplevel_manager_v1_interface, version, id);
        static const struct zwlr_foreign_toplevel_manager_v1_interface manager {
            .stop = [](wl_client*, wl_resource* r) {
                zwlr_foreign_toplevel_manager_v1_send_finished(r);
            }
        };
        wl_resource_set_implementation(m, &manager, c, [](wl_resource* r) {
            auto* c = static_cast<Compositor*>(wl_resource_get_user_data(r));
            std::erase(c->managers_, r);
        });
        c->managers_.push_back(m);
        for (const auto& [window, w] : c->windows_) {
            c->announce(m, window);
        }
    }

    void announce(wl_resource* manager, int id) {
        wl_resource* h = wl_resource_create(wl_resource_get_client(manager),
                                            &zwlr_foreign_toplevel_handle_v1_interface,
                                            wl_resource_get_version(manager), 0);
        // The watcher sends no other request.
        static const auto handle = [] {
            struct zwlr_foreign_toplevel_handle_v1_interface i {};
            i.destroy = [](wl_client*, wl_resource* r) { wl_resource_destroy(r); };
            return i;
        }();
        wl_resource_set_implementation(h, &handle, this, [](wl_resource* r) {
            auto* c = static_cast<Compositor*>(wl_resource_get_user_data(r));
            for (auto& [window, w] : c->windows_) {
                std::erase(w.handles, r);
            }
        });
        windows_[id].handles.push_back(h);
        zwlr_foreign_toplevel_manager_v1_send_toplevel(manager, h);
        send(h, id, true);
    }

    void sendAll(int id, bool withTitle) {
        for (wl_resource* h : windows_[id].handles) {
            send(h, id, withTitle);
        }
    }

    void send(wl_resource* h, int id, bool withTitle) {
        const Window& w = windows_[id];
        if (withTitle) {
            zwlr_foreign_toplevel_handle_v1_send_title(h, "a window");
        }
        zwlr_foreign_toplevel_handle_v1_send_app_id(h, w.appId.c_str());
        wl_array states;
        wl_array_init(&states);
        // Maximized beside activated: the watcher must find it among others.
        *static_cast<std::uint32_t*>(wl_array_add(&states, sizeof(std::uint32_t))) =
            ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MAXIMIZED;
        if (w.active) {
            *static_cast<std::uint32_t*>(wl_array_add(&states, sizeof(std::uint32_t))) =
                ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
        zwlr_foreign_toplevel_handle_v1_send_state(h, &states);
        wl_array_release(&states);
        zwlr_foreign_toplevel_handle_v1_send_done(h);
    }

    wl_display* display_;
    bool ok_ = false;
    std::atomic<bool> done_ = false;
    std::thread thread_;
    vantrel::testing::WorkQueue queue_;
    std::vector<wl_resource*> managers_;
    std::map<int, Window> windows_;
};

// What the watcher reports once its descriptor is readable, as the
// program's socket notifier would take it; nothing after kWaitMs.
Result<std::optional<FrontProgram>> nextChange(FrontWindowWatcher& w, int waitMs = kWaitMs) {
    for (int waited = 0; waited < waitMs; waited += 50) {
        pollfd p{w.descriptor(), POLLIN, 0};
        if (poll(&p, 1, 50) > 0) {
            auto c = w.takeChanges();
            if (!c || *c) {
                return c;
            }
        }
    }
    return std::optional<FrontProgram>();
}

std::string changedTo(FrontWindowWatcher& w, int waitMs = kWaitMs) {
    auto c = nextChange(w, waitMs);
    if (!c) {
        return "error: " + c.error().message;
    }
    return *c ? "class " + (*c)->windowClass : "nothing";
}

class WlrToplevels : public ::testing::Test {
protected:
    // The watcher of the compositor at `at`; null, and a failure, when it
    // cannot watch.
    static std::unique_ptr<FrontWindowWatcher> watch(const std::filesystem::path& at) {
        auto w = watchWlrToplevels(at.c_str());
        if (!w) {
            ADD_FAILURE() << w.error().message;
            return nullptr;
        }
        return std::move(*w);
    }

    vantrel::testing::TempDir dir;
    std::filesystem::path socket = dir / "wayland-test";
};

TEST_F(WlrToplevels, TheActivatedWindowsAppIdWhicheverWayTheActivationMoves) {
    Compositor c(socket);
    ASSERT_TRUE(c.ok());
    c.open(1, "kart", false);
    c.open(2, "notes", true);
    auto w = watch(socket);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->current(), (FrontProgram{"", "notes"})); // no process is named

    c.activate(1, true);
    EXPECT_EQ(changedTo(*w), "class kart");
    c.activate(2, false); // the new window told of before the old one lets go
    EXPECT_EQ(changedTo(*w), "class notes");
    c.activate(2, true); // the same window again: no change
    EXPECT_EQ(changedTo(*w, kNoChangeMs), "nothing");
    c.rename(2, "notes-2");
    EXPECT_EQ(changedTo(*w), "class notes-2");

    // A window opened later, in front.
    c.open(3, "racer", true);
    c.activate(3, true);
    EXPECT_EQ(changedTo(*w), "class racer");
    EXPECT_EQ(w->current().windowClass, "racer");
}

TEST_F(WlrToplevels, AClosedFrontWindowLeavesNothingInFront) {
    Compositor c(socket);
    ASSERT_TRUE(c.ok());
    c.open(1, "kart", true);
    auto w = watch(socket);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->current().windowClass, "kart");
    c.close(1);
    EXPECT_EQ(changedTo(*w), "class ");
    EXPECT_EQ(w->current(), FrontProgram{});
    c.open(2, "notes", true);
    EXPECT_EQ(changedTo(*w), "class notes");
}

TEST_F(WlrToplevels, NothingToReadReturnsAtOnce) {
    Compositor c(socket);
    ASSERT_TRUE(c.ok());
    auto w = watch(socket);
    ASSERT_TRUE(w);
    // Twice, as the program does right after starting: neither may wait
    // for the compositor.
    for (int i = 0; i < 2; ++i) {
        auto changes = w->takeChanges();
        ASSERT_TRUE(changes);
        EXPECT_FALSE(*changes);
    }
}

TEST_F(WlrToplevels, ACompositorWithoutTheListIsUnsupportedAndNoneAtAllToo) {
    {
        Compositor c(socket, false);
        ASSERT_TRUE(c.ok());
        auto w = watchWlrToplevels(socket.c_str());
        ASSERT_FALSE(w);
        EXPECT_EQ(w.error().code, ErrorCode::Unsupported);
    }
    auto none = watchWlrToplevels((dir / "no-such-socket").c_str());
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().code, ErrorCode::Unsupported);
}

TEST_F(WlrToplevels, ACompositorThatGoesAwayOrStopsTellingIsIo) {
    Compositor c(socket);
    ASSERT_TRUE(c.ok());
    c.open(1, "kart", true);
    auto w = watch(socket);
    ASSERT_TRUE(w);
    c.stop();
    auto lost = nextChange(*w);
    ASSERT_FALSE(lost);
    EXPECT_EQ(lost.error().code, ErrorCode::Io);

    const auto socket2 = dir / "wayland-test-2";
    Compositor again(socket2);
    ASSERT_TRUE(again.ok());
    auto w2 = watch(socket2);
    ASSERT_TRUE(w2);
    again.finish();
    auto finished = nextChange(*w2);
    ASSERT_FALSE(finished);
    EXPECT_EQ(finished.error().code, ErrorCode::Io);
}

} // namespace
