// SPDX-License-Identifier: MIT
#include "platform/front_window_parts.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <list>
#include <string>
#include <wayland-client.h>
#include <wlr-foreign-toplevel-client.h>

namespace vantrel::platform {
namespace {

// The listeners this watcher has are those of version 3; a later version's
// events would call past them.
constexpr std::uint32_t kManagerVersion = 3;

// The compositor sends every window (toplevel) with its app_id and states,
// each batch of changes closed by `done`. The window in front is the one
// whose states hold `activated`. The protocol names no process: the
// program in front is known by its app_id only, matched as a class.
class WlrWatcher final : public FrontWindowWatcher {
public:
    explicit WlrWatcher(wl_display* d) : d_(d) {}
    ~WlrWatcher() override {
        for (Toplevel& t : toplevels_) {
            zwlr_foreign_toplevel_handle_v1_destroy(t.handle);
        }
        if (manager_ != nullptr) {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(manager_));
        }
        if (registry_ != nullptr) {
            wl_registry_destroy(registry_);
        }
        wl_display_disconnect(d_);
    }

    Status open() {
        registry_ = wl_display_get_registry(d_);
        wl_registry_add_listener(registry_, &kRegistryListener, this);
        // The first round trip brings the globals (and binds the manager),
        // the second the windows open now with their states.
        for (int i = 0; i < 2; ++i) {
            if (wl_display_roundtrip(d_) < 0) {
                return makeError(ErrorCode::Io, "the connection to the compositor was lost");
            }
        }
        if (manager_ == nullptr) {
            return makeError(ErrorCode::Unsupported,
                             "the compositor does not tell other programs which window is in "
                             "front (no wlr foreign-toplevel management)");
        }
        reported_ = frontClass();
        return {};
    }

    FrontProgram current() override { return FrontProgram{{}, frontClass()}; }

    int descriptor() const override { return wl_display_get_fd(d_); }

    Result<std::optional<FrontProgram>> takeChanges() override {
        // The one reader of this connection: what is queued is dispatched
        // until the read may start; the read itself does not wait.
        while (wl_display_prepare_read(d_) != 0) {
            if (wl_display_dispatch_pending(d_) < 0) {
                return lost();
            }
        }
        wl_display_flush(d_);
        if (wl_display_read_events(d_) < 0 || wl_display_dispatch_pending(d_) < 0) {
            return lost();
        }
        if (finished_) {
            return makeError(ErrorCode::Io,
                             "the compositor stopped telling which window is in front");
        }
        std::string now = frontClass();
        if (now == reported_) {
            return std::optional<FrontProgram>();
        }
        reported_ = now;
        return std::optional<FrontProgram>(FrontProgram{{}, std::move(now)});
    }

private:
    struct Toplevel {
        WlrWatcher* owner;
        zwlr_foreign_toplevel_handle_v1* handle;
        std::string appId;
        bool activated = false;
        // What the compositor sent since its last `done`.
        std::string nextAppId;
        bool nextActivated = false;
    };

    Result<std::optional<FrontProgram>> lost() {
        return makeError(ErrorCode::Io, "the connection to the compositor was lost");
    }

    std::string frontClass() const { return front_ != nullptr ? front_->appId : std::string(); }

    void added(zwlr_foreign_toplevel_handle_v1* handle) {
        Toplevel& t = toplevels_.emplace_back(Toplevel{this, handle, {}, false, {}, false});
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, &t);
    }

    // Where focus moves, the compositor may tell of the new window before or
    // after the old one lets go: the last window that became active counts.
    void done(Toplevel& t) {
        t.appId = t.nextAppId;
        t.activated = t.nextActivated;
        if (t.activated) {
            front_ = &t;
        } else if (front_ == &t) {
            front_ = nullptr;
        }
    }

    void closed(Toplevel& t) {
        if (front_ == &t) {
            front_ = nullptr;
        }
        zwlr_foreign_toplevel_handle_v1_destroy(t.handle);
        toplevels_.remove_if([&t](const Toplevel& o) { return &o == &t; });
    }

    static void global(void* self, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        auto* w = static_cast<WlrWatcher*>(self);
        if (w->manager_ == nullptr &&
            std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
            w->manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                                 std::min(version, kManagerVersion)));
            zwlr_foreign_toplevel_manager_v1_add_listener(w->manager_, &kManagerListener, w);
            w->managerName_ = name;
        }
    }
    static void globalRemoved(void* self, wl_registry*, std::uint32_t name) {
        auto* w = static_cast<WlrWatcher*>(self);
        w->finished_ = w->finished_ || (w->manager_ != nullptr && name == w->managerName_);
    }

    static void toplevel(void* self, zwlr_foreign_toplevel_manager_v1*,
                         zwlr_foreign_toplevel_handle_v1* handle) {
        static_cast<WlrWatcher*>(self)->added(handle);
    }
    static void finished(void* self, zwlr_foreign_toplevel_manager_v1*) {
        static_cast<WlrWatcher*>(self)->finished_ = true;
    }

    static Toplevel& of(void* data) { return *static_cast<Toplevel*>(data); }
    static void title(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* id) {
        of(data).nextAppId = id != nullptr ? id : "";
    }
    static void output(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        bool activated = false;
        const std::size_t count = states->size / sizeof(std::uint32_t);
        for (std::size_t i = 0; i < count; ++i) {
            std::uint32_t s = 0;
            std::memcpy(&s, static_cast<const char*>(states->data) + i * sizeof s, sizeof s);
            activated = activated || s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
        of(data).nextActivated = activated;
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}
    static void doneEvent(void* data, zwlr_foreign_toplevel_handle_v1*) {
        of(data).owner->done(of(data));
    }
    static void closedEvent(void* data, zwlr_foreign_toplevel_handle_v1*) {
        of(data).owner->closed(of(data));
    }

    static constexpr wl_registry_listener kRegistryListener{.global = global,
                                                            .global_remove = globalRemoved};
    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManagerListener{
        .toplevel = toplevel, .finished = finished};
    static constexpr zwlr_foreign_toplevel_handle_v1_listener kToplevelListener{
        .title = title,
        .app_id = appId,
        .output_enter = output,
        .output_leave = output,
        .state = state,
        .done = doneEvent,
        .closed = closedEvent,
        .parent = parent,
    };

    wl_display* d_;
    wl_registry* registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::uint32_t managerName_ = 0;
    // A list: the listeners hold the windows' addresses.
    std::list<Toplevel> toplevels_;
    const Toplevel* front_ = nullptr;
    std::string reported_;
    bool finished_ = false;
};

} // namespace

Result<std::unique_ptr<FrontWindowWatcher>> watchWlrToplevels(const char* display) {
    wl_display* d = wl_display_connect(display);
    if (d == nullptr) {
        return makeError(ErrorCode::Unsupported, "there is no Wayland display to watch");
    }
    auto watcher = std::make_unique<WlrWatcher>(d);
    if (Status s = watcher->open(); !s) {
        return s.error();
    }
    return std::unique_ptr<FrontWindowWatcher>(std::move(watcher));
}

} // namespace vantrel::platform
