// SPDX-License-Identifier: MIT
#include "platform/front_window.h"
#include "platform/open_windows.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <xcb/xcb.h>

namespace vantrel::platform {
namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

// Far more than a title, a class or a list of windows needs, in 32-bit units.
constexpr std::uint32_t kPropertyLongs = 16384;

class X11Lister {
public:
    X11Lister(xcb_connection_t* c, xcb_window_t root) : c_(c), root_(root) {}

    Result<std::vector<OpenWindow>> list() {
        const auto ids = bytesOf(root_, intern("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
        if (!ids) {
            return makeError(ErrorCode::Unsupported,
                             "the window manager does not list the windows open now");
        }
        const xcb_atom_t pid = intern("_NET_WM_PID");
        const xcb_atom_t name = intern("_NET_WM_NAME");
        const xcb_atom_t utf8 = intern("UTF8_STRING");
        std::vector<OpenWindow> out;
        for (std::size_t at = 0; at + 4 <= ids->size(); at += 4) {
            xcb_window_t id = XCB_WINDOW_NONE;
            std::memcpy(&id, ids->data() + at, sizeof id);
            OpenWindow w;
            w.title =
                bytesOf(id, name, utf8)
                    .value_or(
                        bytesOf(id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING).value_or(std::string()));
            if (const auto n = bytesOf(id, pid, XCB_ATOM_CARDINAL); n && n->size() >= 4) {
                std::uint32_t value = 0;
                std::memcpy(&value, n->data(), sizeof value);
                w.program.executable = executableOf(static_cast<long>(value));
            }
            w.program.windowClass = classOf(id);
            out.push_back(std::move(w));
        }
        return out;
    }

private:
    xcb_atom_t intern(const char* atomName) {
        const auto cookie =
            xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(atomName)), atomName);
        const Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c_, cookie, nullptr));
        return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    std::optional<std::string> bytesOf(xcb_window_t window, xcb_atom_t what, xcb_atom_t type) {
        if (what == XCB_ATOM_NONE) {
            return std::nullopt;
        }
        const auto cookie = xcb_get_property(c_, 0, window, what, type, 0, kPropertyLongs);
        const Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(c_, cookie, nullptr));
        if (!r || r->type == XCB_ATOM_NONE) {
            return std::nullopt;
        }
        return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(r.get())));
    }

    // WM_CLASS holds the instance and then the class, each ended by a NUL.
    std::string classOf(xcb_window_t window) {
        const auto both = bytesOf(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        if (!both) {
            return {};
        }
        const std::string_view text(*both);
        const auto end = text.find('\0');
        if (end == std::string_view::npos) {
            return {};
        }
        const std::string_view cls = text.substr(end + 1);
        return std::string(cls.substr(0, cls.find('\0')));
    }

    xcb_connection_t* c_;
    xcb_window_t root_;
};

bool mentions(const char* text, std::string_view word) {
    return text != nullptr && std::string_view(text).find(word) != std::string_view::npos;
}

} // namespace

Result<std::vector<OpenWindow>> listOpenWindows() {
    if (std::getenv("WAYLAND_DISPLAY") != nullptr ||
        mentions(std::getenv("XDG_SESSION_TYPE"), "wayland")) {
        return makeError(ErrorCode::Unsupported,
                         "on Wayland no program may list the windows of others");
    }
    int screen = 0;
    const std::unique_ptr<xcb_connection_t, Disconnect> c(xcb_connect(nullptr, &screen));
    if (xcb_connection_has_error(c.get())) {
        return makeError(ErrorCode::Unsupported, "there is no X display to list windows of");
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c.get()));
    for (int i = 0; i < screen && it.rem > 0; ++i) {
        xcb_screen_next(&it);
    }
    return X11Lister(c.get(), it.data->root).list();
}

} // namespace vantrel::platform
