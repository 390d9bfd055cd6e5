// SPDX-License-Identifier: MIT
#include "platform/front_window_parts.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <xcb/xcb.h>

namespace vantrel::platform {
namespace {

// Replies are freed by the watcher as soon as they are read.
template <class T> struct Freed {
    T* p;
    ~Freed() { std::free(p); }
};

// X11 with an EWMH window manager: the root window's _NET_ACTIVE_WINDOW
// names the window in front and changes with a PropertyNotify, which the
// watcher asks for; the window's _NET_WM_PID and WM_CLASS name its program.
class X11Watcher final : public FrontWindowWatcher {
public:
    explicit X11Watcher(xcb_connection_t* c, xcb_window_t root) : c_(c), root_(root) {
        active_ = atom("_NET_ACTIVE_WINDOW");
        pid_ = atom("_NET_WM_PID");
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c_);
    }
    ~X11Watcher() override { xcb_disconnect(c_); }

    // The window manager lists what it keeps up to date in _NET_SUPPORTED;
    // _NET_ACTIVE_WINDOW itself may not be set yet while no window is open.
    bool managerTells() {
        const auto supported = property(root_, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM);
        if (!supported) {
            return false;
        }
        for (std::size_t at = 0; at + sizeof(xcb_atom_t) <= supported->size();
             at += sizeof(xcb_atom_t)) {
            xcb_atom_t a = XCB_ATOM_NONE;
            std::memcpy(&a, supported->data() + at, sizeof a);
            if (a == active_) {
                return true;
            }
        }
        return false;
    }

    FrontProgram current() override {
        FrontProgram front;
        const auto window = property(root_, active_, XCB_ATOM_WINDOW);
        if (!window || window->size() < sizeof(std::uint32_t)) {
            return front;
        }
        std::uint32_t id = 0;
        std::memcpy(&id, window->data(), sizeof id);
        if (id == XCB_WINDOW_NONE) {
            return front;
        }
        if (const auto pid = property(id, pid_, XCB_ATOM_CARDINAL);
            pid && pid->size() >= sizeof(std::uint32_t)) {
            std::uint32_t n = 0;
            std::memcpy(&n, pid->data(), sizeof n);
            front.executable = executableOf(static_cast<long>(n));
        }
        if (const auto cls = property(id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING)) {
            // "instance\0class\0": the class is the second string.
            const std::string_view both(*cls);
            if (const auto nul = both.find('\0'); nul != std::string_view::npos) {
                const std::string_view rest = both.substr(nul + 1);
                front.windowClass = std::string(rest.substr(0, rest.find('\0')));
            }
        }
        return front;
    }

    int descriptor() const override { return xcb_get_file_descriptor(c_); }

    Result<std::optional<FrontProgram>> takeChanges() override {
        std::optional<FrontProgram> front;
        bool changed = activeChanged(xcb_poll_for_event);
        // Reading the window's properties may take further events off the
        // socket into xcb's queue, where no readable descriptor announces
        // them: they are looked at here.
        while (changed) {
            front = current();
            changed = activeChanged(xcb_poll_for_queued_event);
        }
        if (xcb_connection_has_error(c_)) {
            return makeError(ErrorCode::Io, "the connection to the X server was lost");
        }
        return front;
    }

private:
    bool activeChanged(xcb_generic_event_t* (*next)(xcb_connection_t*)) {
        bool changed = false;
        while (xcb_generic_event_t* e = next(c_)) {
            Freed<xcb_generic_event_t> freed{e};
            if ((e->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
                const auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                changed = changed || (p->window == root_ && p->atom == active_);
            }
        }
        return changed;
    }

    xcb_atom_t atom(const char* name) {
        auto cookie = xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        Freed<xcb_intern_atom_reply_t> r{xcb_intern_atom_reply(c_, cookie, nullptr)};
        return r.p ? r.p->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    // The property's bytes; nothing when the window has no such property.
    std::optional<std::string> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        // Up to 1024 32-bit units: far more than a class or an id needs.
        constexpr std::uint32_t kLongs = 1024;
        auto cookie = xcb_get_property(c_, 0, window, name, type, 0, kLongs);
        Freed<xcb_get_property_reply_t> r{xcb_get_property_reply(c_, cookie, nullptr)};
        if (r.p == nullptr || r.p->type == XCB_ATOM_NONE) {
            return std::nullopt;
        }
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(r.p));
        return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(r.p)));
    }

    xcb_connection_t* c_;
    xcb_window_t root_;
    xcb_atom_t active_ = XCB_ATOM_NONE;
    xcb_atom_t pid_ = XCB_ATOM_NONE;
};

} // namespace

Result<std::unique_ptr<FrontWindowWatcher>> watchX11() {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return makeError(ErrorCode::Unsupported, "there is no X display to watch");
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i) {
        xcb_screen_next(&it);
    }
    auto watcher = std::make_unique<X11Watcher>(c, it.data->root);
    if (!watcher->managerTells()) {
        return makeError(ErrorCode::Unsupported,
                         "the window manager does not say which window is in front");
    }
    return std::unique_ptr<FrontWindowWatcher>(std::move(watcher));
}

} // namespace vantrel::platform
