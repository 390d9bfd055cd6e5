// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "platform/front_window_parts.h"
#include "platform/kwin_front_script.h"

#include <cstdlib>
#include <dbus/dbus.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace vantrel::platform {
namespace {

constexpr const char* kKWinService = "org.kde.KWin";
constexpr const char* kScriptingPath = "/Scripting";
constexpr const char* kScriptingInterface = "org.kde.kwin.Scripting";
constexpr const char* kScriptInterface = "org.kde.kwin.Script";
// One name for our script in every run, so that a run that ended without
// unloading it (a crash) has its script replaced, not doubled.
constexpr const char* kPluginName = "vantrel-front-window";
constexpr int kCallTimeoutMs = 3000;
constexpr int kUnloadTimeoutMs = 1000;
constexpr const char* kOwnerChangedRule =
    "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
    "member='NameOwnerChanged',arg0='org.kde.KWin'";

struct MessageUnref {
    void operator()(DBusMessage* m) const { dbus_message_unref(m); }
};
using Message = std::unique_ptr<DBusMessage, MessageUnref>;

// libdbus's error, freed on every path.
struct BusError {
    DBusError e;
    BusError() { dbus_error_init(&e); }
    ~BusError() { dbus_error_free(&e); }
    BusError(const BusError&) = delete;
    BusError& operator=(const BusError&) = delete;
    bool set() const { return dbus_error_is_set(&e) != 0; }
    std::string text() const { return set() ? std::string(e.message) : std::string(); }
};

std::filesystem::path scriptFile() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    std::filesystem::path folder = runtime != nullptr && *runtime != '\0'
                                       ? std::filesystem::path(runtime)
                                       : std::filesystem::temp_directory_path(ec);
    return folder / ("vantrel-front-window-" + std::to_string(getpid()) + ".js");
}

// Written anew for KWin to read: only for us, never through a link.
Status writeScript(const std::filesystem::path& file, const std::string& text) {
    std::error_code ec;
    std::filesystem::remove(file, ec);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return makeError(ErrorCode::Io, "cannot write KWin's script to " + pathText(file));
    }
    const bool whole = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (::close(fd) != 0 || !whole) {
        return makeError(ErrorCode::Io, "cannot write KWin's script to " + pathText(file));
    }
    return {};
}

// The session's window manager (KWin) runs a script of ours that calls
// Activated on our connection whenever the active window changes, and once
// at the start. The window's process gives the executable; its class is
// the Wayland app_id (or an X11 program's class, which KWin gives in lower
// case; classes are matched without regard to case).
class KWinWatcher final : public FrontWindowWatcher {
public:
    explicit KWinWatcher(DBusConnection* c) : c_(c), script_(scriptFile()) {}
    ~KWinWatcher() override {
        if (installed_ && dbus_connection_get_is_connected(c_)) {
            unload(kUnloadTimeoutMs);
        }
        std::error_code ec;
        std::filesystem::remove(script_, ec);
        if (filtered_) {
            dbus_connection_remove_filter(c_, &KWinWatcher::filter, this);
        }
        dbus_connection_close(c_);
        dbus_connection_unref(c_);
    }
    KWinWatcher(const KWinWatcher&) = delete;
    KWinWatcher& operator=(const KWinWatcher&) = delete;

    Status open();
    FrontProgram current() override { return front_; }
    int descriptor() const override {
        int fd = -1;
        return dbus_connection_get_unix_fd(c_, &fd) ? fd : -1;
    }
    Result<std::optional<FrontProgram>> takeChanges() override;

private:
    static DBusHandlerResult filter(DBusConnection* c, DBusMessage* m, void* self);
    DBusHandlerResult activated(DBusMessage* m);
    void ownerChanged(DBusMessage* m);
    Status install();
    Result<Message> call(const char* path, const char* iface, const char* method, int timeoutMs,
                         const char* arg1 = nullptr, const char* arg2 = nullptr);
    void unload(int timeoutMs) {
        (void)call(kScriptingPath, kScriptingInterface, "unloadScript", timeoutMs, kPluginName);
    }
    // Handles what was read, and sends our answers to KWin now rather than
    // at the next news.
    void drain() {
        while (dbus_connection_dispatch(c_) == DBUS_DISPATCH_DATA_REMAINS) {
        }
        dbus_connection_flush(c_);
    }

    DBusConnection* c_;
    std::filesystem::path script_;
    std::string kwin_; // KWin's unique name: the only caller we believe
    FrontProgram front_;
    FrontProgram reported_;
    bool filtered_ = false;
    bool installed_ = false;
    bool reinstall_ = false;
};

Result<Message> KWinWatcher::call(const char* path, const char* iface, const char* method,
                                  int timeoutMs, const char* arg1, const char* arg2) {
    Message m(dbus_message_new_method_call(kKWinService, path, iface, method));
    if (!m) {
        return makeError(ErrorCode::Io, "out of memory for a D-Bus call");
    }
    for (const char* arg : {arg1, arg2}) {
        if (arg != nullptr) {
            dbus_message_append_args(m.get(), DBUS_TYPE_STRING, &arg, DBUS_TYPE_INVALID);
        }
    }
    BusError e;
    Message reply(dbus_connection_send_with_reply_and_block(c_, m.get(), timeoutMs, &e.e));
    if (!reply) {
        return makeError(ErrorCode::Io,
                         std::string("KWin did not answer ") + method + ": " + e.text());
    }
    return reply;
}

Status KWinWatcher::install() {
    if (Status s = writeScript(script_, kwinFrontScript(dbus_bus_get_unique_name(c_))); !s) {
        return s;
    }
    unload(kCallTimeoutMs);
    const std::string file = pathText(script_);
    auto loaded = call(kScriptingPath, kScriptingInterface, "loadScript", kCallTimeoutMs,
                       file.c_str(), kPluginName);
    if (!loaded) {
        return loaded.error();
    }
    dbus_int32_t id = -1;
    BusError e;
    if (!dbus_message_get_args(loaded->get(), &e.e, DBUS_TYPE_INT32, &id, DBUS_TYPE_INVALID) ||
        id < 0) {
        return makeError(ErrorCode::Unsupported, "KWin did not take the script that tells which "
                                                 "window is in front");
    }
    installed_ = true;
    // Plasma 6 puts the script under /Scripting, Plasma 5 at the root.
    const std::string plasma6 = std::string(kScriptingPath) + "/Script" + std::to_string(id);
    const std::string plasma5 = "/" + std::to_string(id);
    auto ran = call(plasma6.c_str(), kScriptInterface, "run", kCallTimeoutMs);
    if (!ran) {
        ran = call(plasma5.c_str(), kScriptInterface, "run", kCallTimeoutMs);
    }
    if (!ran) {
        return ran.error();
    }
    drain();
    return {};
}

Status KWinWatcher::open() {
    dbus_connection_set_exit_on_disconnect(c_, FALSE);
    BusError e;
    {
        Message ask(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                                 DBUS_INTERFACE_DBUS, "GetNameOwner"));
        const char* name = kKWinService;
        dbus_message_append_args(ask.get(), DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
        Message owner(
            dbus_connection_send_with_reply_and_block(c_, ask.get(), kCallTimeoutMs, &e.e));
        const char* unique = nullptr;
        if (!owner || !dbus_message_get_args(owner.get(), nullptr, DBUS_TYPE_STRING, &unique,
                                             DBUS_TYPE_INVALID)) {
            return makeError(ErrorCode::Unsupported,
                             "KWin is not on the session bus, so it cannot tell which window "
                             "is in front");
        }
        kwin_ = unique;
    }
    dbus_bus_add_match(c_, kOwnerChangedRule, &e.e);
    if (e.set() || !dbus_connection_add_filter(c_, &KWinWatcher::filter, this, nullptr)) {
        return makeError(ErrorCode::Io, "cannot follow KWin on the session bus: " + e.text());
    }
    filtered_ = true;
    return install();
}

Result<std::optional<FrontProgram>> KWinWatcher::takeChanges() {
    // Reads what waits without waiting; what earlier blocking calls queued
    // is dispatched too.
    if (!dbus_connection_read_write(c_, 0) || !dbus_connection_get_is_connected(c_)) {
        return makeError(ErrorCode::Io, "the connection to the session bus was lost");
    }
    drain();
    if (reinstall_) {
        // KWin started again (after a crash) without our script.
        reinstall_ = false;
        if (Status s = install(); !s) {
            return s.error();
        }
    }
    if (front_ == reported_) {
        return std::optional<FrontProgram>();
    }
    reported_ = front_;
    return std::optional<FrontProgram>(front_);
}

DBusHandlerResult KWinWatcher::filter(DBusConnection*, DBusMessage* m, void* self) {
    auto* w = static_cast<KWinWatcher*>(self);
    if (dbus_message_is_signal(m, DBUS_INTERFACE_DBUS, "NameOwnerChanged")) {
        w->ownerChanged(m);
        return DBUS_HANDLER_RESULT_HANDLED;
    }
    const std::string iface(kFrontWindowInterface);
    const std::string method(kFrontWindowMethod);
    const std::string path(kFrontWindowPath);
    if (dbus_message_is_method_call(m, iface.c_str(), method.c_str()) &&
        dbus_message_has_path(m, path.c_str())) {
        return w->activated(m);
    }
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

void KWinWatcher::ownerChanged(DBusMessage* m) {
    const char* name = nullptr;
    const char* before = nullptr;
    const char* after = nullptr;
    if (!dbus_message_get_args(m, nullptr, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING, &before,
                               DBUS_TYPE_STRING, &after, DBUS_TYPE_INVALID) ||
        std::string_view(name) != kKWinService) {
        return;
    }
    kwin_ = after;
    reinstall_ = !kwin_.empty();
}

// The window's process arrives as a JavaScript number; other numeric types
// are taken too.
long numberOf(DBusMessageIter* it) {
    switch (dbus_message_iter_get_arg_type(it)) {
    case DBUS_TYPE_DOUBLE: {
        double d = 0;
        dbus_message_iter_get_basic(it, &d);
        return d > 0 && d < 4.0e9 ? static_cast<long>(d) : 0;
    }
    case DBUS_TYPE_INT32:
    case DBUS_TYPE_UINT32: {
        dbus_int32_t i = 0;
        dbus_message_iter_get_basic(it, &i);
        return i > 0 ? i : 0;
    }
    case DBUS_TYPE_INT64:
    case DBUS_TYPE_UINT64: {
        dbus_int64_t i = 0;
        dbus_message_iter_get_basic(it, &i);
        return i > 0 ? static_cast<long>(i) : 0;
    }
    default:
        return 0;
    }
}

DBusHandlerResult KWinWatcher::activated(DBusMessage* m) {
    const char* sender = dbus_message_get_sender(m);
    DBusMessageIter it;
    const bool fromKWin = sender != nullptr && kwin_ == sender;
    const bool wellFormed =
        dbus_message_iter_init(m, &it) && dbus_message_iter_get_arg_type(&it) == DBUS_TYPE_STRING;
    if (fromKWin && wellFormed) {
        const char* cls = nullptr;
        dbus_message_iter_get_basic(&it, &cls);
        const long pid = dbus_message_iter_next(&it) ? numberOf(&it) : 0;
        front_ = FrontProgram{executableOf(pid), cls};
    }
    if (!dbus_message_get_no_reply(m)) {
        Message reply(fromKWin && wellFormed
                          ? dbus_message_new_method_return(m)
                          : dbus_message_new_error(m, DBUS_ERROR_ACCESS_DENIED,
                                                   "only KWin tells which window is in front"));
        if (reply) {
            dbus_connection_send(c_, reply.get(), nullptr);
        }
    }
    return DBUS_HANDLER_RESULT_HANDLED;
}

// A connection of our own, apart from Qt's, read only by the watcher.
// libdbus keeps the session's address from its first use in the process;
// the environment's is read here each time.
DBusConnection* connectPrivately(const char* address, BusError& e) {
    if (address == nullptr) {
        address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    }
    if (address == nullptr || *address == '\0') {
        return dbus_bus_get_private(DBUS_BUS_SESSION, &e.e);
    }
    DBusConnection* c = dbus_connection_open_private(address, &e.e);
    if (c != nullptr && !dbus_bus_register(c, &e.e)) {
        dbus_connection_close(c);
        dbus_connection_unref(c);
        return nullptr;
    }
    return c;
}

} // namespace

Result<std::unique_ptr<FrontWindowWatcher>> watchKWin(const char* address) {
    BusError e;
    DBusConnection* c = connectPrivately(address, e);
    if (c == nullptr) {
        return makeError(ErrorCode::Unsupported,
                         "there is no D-Bus session to reach KWin: " + e.text());
    }
    auto watcher = std::make_unique<KWinWatcher>(c);
    if (Status s = watcher->open(); !s) {
        return s.error();
    }
    return std::unique_ptr<FrontWindowWatcher>(std::move(watcher));
}

} // namespace vantrel::platform
