// SPDX-License-Identifier: MIT
// The KWin watcher against a D-Bus daemon of the test's own and a KWin of
// the test's own on it (libdbus on a thread, answering as KWin's scripting
// interface does): the script it loads and where it runs it in Plasma 5 and
// 6, the windows the script reports, callers that are not KWin, KWin
// refusing the script or starting again, and the bus going away.
#include "platform/front_window_parts.h"
#include "platform/kwin_front_script.h"
#include "support/temp_dir.h"
#include "support/work_queue.h"

#include <atomic>
#include <dbus/dbus.h>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <mutex>
#include <poll.h>
#include <regex>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vantrel;
using namespace vantrel::platform;

namespace {

constexpr int kWaitMs = 3000;
constexpr int kNoChangeMs = 300;

// dbus-daemon with a configuration that lets everyone talk and activates
// nothing, on a socket in the test's folder.
class BusDaemon {
public:
    explicit BusDaemon(const std::filesystem::path& dir) : socket_(dir / "bus") {
        const auto config = dir / "bus.conf";
        std::ofstream(config) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                                 "Configuration 1.0//EN\" "
                                 "\"http://www.freedesktop.org/standards/dbus/1.0/"
                                 "busconfig.dtd\">\n<busconfig><type>session</type><listen>unix:"
                                 "path="
                              << socket_.string()
                              << "</listen><policy context=\"default\"><allow "
                                 "send_destination=\"*\" eavesdrop=\"true\"/><allow "
                                 "eavesdrop=\"true\"/><allow own=\"*\"/></policy></"
                                 "busconfig>\n";
        const std::string arg = "--config-file=" + config.string();
        pid_ = fork();
        if (pid_ == 0) {
            // Its complaints (an fd limit it may not raise) are not the test's.
            freopen("/dev/null", "w", stderr);
            execlp("dbus-daemon", "dbus-daemon", arg.c_str(), "--nofork", nullptr);
            _exit(127);
        }
        for (int i = 0; i < 100 && !std::filesystem::exists(socket_); ++i) {
            usleep(20000);
        }
    }
    ~BusDaemon() { stop(); }
    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    bool up() const { return std::filesystem::exists(socket_); }
    std::string address() const { return "unix:path=" + socket_.string(); }

private:
    std::filesystem::path socket_;
    pid_t pid_ = -1;
};

DBusConnection* connectTo(const std::string& address) {
    DBusConnection* c = dbus_connection_open_private(address.c_str(), nullptr);
    if (c != nullptr && !dbus_bus_register(c, nullptr)) {
        dbus_connection_close(c);
        dbus_connection_unref(c);
        return nullptr;
    }
    return c;
}

void closeConnection(DBusConnection* c) {
    dbus_connection_close(c);
    dbus_connection_unref(c);
}

// Sends Activated(CLASS, PID) on `c` to `service`; the answer's call.
DBusPendingCall* sendActivated(DBusConnection* c, const std::string& service, const char* cls,
                               double pid) {
    const std::string path(kFrontWindowPath), iface(kFrontWindowInterface),
        method(kFrontWindowMethod);
    DBusMessage* m =
        dbus_message_new_method_call(service.c_str(), path.c_str(), iface.c_str(), method.c_str());
    dbus_message_append_args(m, DBUS_TYPE_STRING, &cls, DBUS_TYPE_DOUBLE, &pid, DBUS_TYPE_INVALID);
    DBusPendingCall* pending = nullptr;
    dbus_connection_send_with_reply(c, m, &pending, kWaitMs);
    dbus_message_unref(m);
    return pending;
}

// KWin's scripting interface as far as the watcher uses it. The test
// thread hands it work through run().
class FakeKWin {
public:
    enum class Plasma { Five, Six };
    FakeKWin(const std::string& address, Plasma plasma, bool refuse = false)
        : c_(connectTo(address)), plasma_(plasma), refuse_(refuse) {
        if (c_ == nullptr) {
            return;
        }
        dbus_bus_request_name(c_, "org.kde.KWin", DBUS_NAME_FLAG_DO_NOT_QUEUE, nullptr);
        dbus_connection_add_filter(c_, &FakeKWin::filter, this, nullptr);
        thread_ = std::thread([this] { loop(); });
    }
    ~FakeKWin() { stop(); }
    bool ok() const { return c_ != nullptr; }
    void stop() {
        if (thread_.joinable()) {
            done_ = true;
            thread_.join();
            closeConnection(c_);
        }
    }

    void run(std::function<void()> work) {
        if (!thread_.joinable()) {
            ADD_FAILURE() << "the test's KWin is not on the bus";
            return;
        }
        queue_.run(std::move(work));
    }

    // What the script reports when it starts, and later activations.
    void setFront(std::string cls, double pid) {
        run([&] { front_ = {std::move(cls), pid}; });
    }
    void activate(const char* cls, double pid) {
        run([&] { report(cls, pid); });
    }
    // Whether the last report was answered within `ms` (KWin's calls are
    // not left waiting for the watcher's next news).
    bool answered(int ms) {
        for (int waited = 0; waited < ms; waited += 20) {
            bool done = false;
            run([&] { done = pending_ != nullptr && dbus_pending_call_get_completed(pending_); });
            if (done) {
                return true;
            }
            usleep(20000);
        }
        return false;
    }

    std::string loadedFile, loadedText, plugin, ranAt;
    int loads = 0, unloads = 0;
    bool loaded = false;

private:
    static DBusHandlerResult filter(DBusConnection*, DBusMessage* m, void* self) {
        return static_cast<FakeKWin*>(self)->handle(m);
    }
    DBusHandlerResult handle(DBusMessage* m);
    DBusHandlerResult answer(DBusMessage* m, int type, const void* value) {
        DBusMessage* r = dbus_message_new_method_return(m);
        dbus_message_append_args(r, type, value, DBUS_TYPE_INVALID);
        dbus_connection_send(c_, r, nullptr);
        dbus_message_unref(r);
        return DBUS_HANDLER_RESULT_HANDLED;
    }
    void report(const std::string& cls, double pid) {
        static const std::regex service("var service = \"([^\"]*)\"");
        std::smatch found;
        if (loaded && !ranAt.empty() && std::regex_search(loadedText, found, service)) {
            forget();
            pending_ = sendActivated(c_, found[1], cls.c_str(), pid);
            dbus_connection_flush(c_);
        }
    }
    void forget() {
        if (pending_ != nullptr) {
            dbus_pending_call_unref(pending_);
            pending_ = nullptr;
        }
    }
    void loop() {
        while (!done_) {
            dbus_connection_read_write_dispatch(c_, 10);
            queue_.doQueued();
        }
        forget();
    }

    DBusConnection* c_;
    Plasma plasma_;
    bool refuse_;
    std::pair<std::string, double> front_{"", 0};
    DBusPendingCall* pending_ = nullptr;
    std::thread thread_;
    std::atomic<bool> done_ = false;
    vantrel::testing::WorkQueue queue_;
};

DBusHandlerResult FakeKWin::handle(DBusMessage* m) {
    const char* a = nullptr;
    const char* b = nullptr;
    if (dbus_message_is_method_call(m, "org.kde.kwin.Scripting", "loadScript") &&
        dbus_message_get_args(m, nullptr, DBUS_TYPE_STRING, &a, DBUS_TYPE_STRING, &b,
                              DBUS_TYPE_INVALID)) {
        ++loads;
        // Like KWin: a name already loaded is not loaded twice.
        const dbus_int32_t id = refuse_ || loaded ? -1 : 7;
        if (id >= 0) {
            loaded = true;
            loadedFile = a;
            plugin = b;
            std::ostringstream text;
            text << std::ifstream(a).rdbuf();
            loadedText = text.str();
            ranAt.clear();
        }
        return answer(m, DBUS_TYPE_INT32, &id);
    }
    if (dbus_message_is_method_call(m, "org.kde.kwin.Scripting", "unloadScript") &&
        dbus_message_get_args(m, nullptr, DBUS_TYPE_STRING, &a, DBUS_TYPE_INVALID)) {
        const dbus_bool_t was = loaded && plugin == a;
        unloads += was ? 1 : 0;
        loaded = loaded && !was;
        return answer(m, DBUS_TYPE_BOOLEAN, &was);
    }
    const char* runPath = plasma_ == Plasma::Six ? "/Scripting/Script7" : "/7";
    if (loaded && dbus_message_is_method_call(m, "org.kde.kwin.Script", "run") &&
        dbus_message_has_path(m, runPath)) {
        ranAt = runPath;
        DBusMessage* r = dbus_message_new_method_return(m);
        dbus_connection_send(c_, r, nullptr);
        dbus_message_unref(r);
        report(front_.first, front_.second);
        return DBUS_HANDLER_RESULT_HANDLED;
    }
    // Anything else is unknown, as on a real bus.
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

// The next change the watcher reports within `ms`, if any.
std::optional<FrontProgram> nextChange(FrontWindowWatcher& w, int ms, bool* lost = nullptr) {
    for (int waited = 0; waited <= ms; waited += 20) {
        auto r = w.takeChanges();
        if (!r) {
            if (lost != nullptr) {
                *lost = true;
            }
            return std::nullopt;
        }
        if (*r) {
            return *r;
        }
        pollfd p{w.descriptor(), POLLIN, 0};
        poll(&p, 1, 20);
    }
    return std::nullopt;
}

std::string ownExecutable() {
    return executableOf(static_cast<long>(getpid()));
}

struct KWinWatcherTest : ::testing::Test {
    vantrel::testing::TempDir dir;
    BusDaemon bus{dir.path()};
    void SetUp() override { ASSERT_TRUE(bus.up()) << "dbus-daemon did not start"; }
};

TEST_F(KWinWatcherTest, RunsItsScriptInPlasma6AndReportsTheWindowsProcessAndClass) {
    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Six);
    kwin.setFront("kart", getpid());
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    EXPECT_EQ(kwin.plugin, "vantrel-front-window");
    EXPECT_EQ(kwin.ranAt, "/Scripting/Script7");
    // The script calls back to the watcher's own connection, in both
    // Plasmas' words.
    EXPECT_NE(kwin.loadedText.find("windowActivated"), std::string::npos);
    EXPECT_NE(kwin.loadedText.find("clientActivated"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(kwin.loadedFile));

    auto first = nextChange(**watcher, kWaitMs);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (FrontProgram{ownExecutable(), "kart"}));
    EXPECT_EQ((*watcher)->current(), *first);
    EXPECT_TRUE(kwin.answered(kWaitMs)) << "KWin's call waits for an answer";

    // The same window again is no change; no window at all is one.
    kwin.activate("kart", getpid());
    EXPECT_FALSE(nextChange(**watcher, kNoChangeMs));
    kwin.activate("", 0);
    auto none = nextChange(**watcher, kWaitMs);
    ASSERT_TRUE(none);
    EXPECT_EQ(*none, FrontProgram{});

    // A process that is gone leaves the class alone.
    kwin.activate("notes", 4.0e6);
    auto notes = nextChange(**watcher, kWaitMs);
    ASSERT_TRUE(notes);
    EXPECT_EQ(*notes, (FrontProgram{"", "notes"}));

    const std::string file = kwin.loadedFile;
    watcher->reset();
    EXPECT_EQ(kwin.unloads, 1) << "the script stays in KWin after the watcher";
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(KWinWatcherTest, RunsItsScriptWherePlasma5KeepsIt) {
    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Five);
    kwin.setFront("kart", 0);
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    EXPECT_EQ(kwin.ranAt, "/7");
    auto first = nextChange(**watcher, kWaitMs);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (FrontProgram{"", "kart"}));
}

TEST_F(KWinWatcherTest, ReplacesAScriptLeftBehindByAnEarlierRun) {
    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Six);
    // An earlier run crashed: its script is still in KWin, which loads no
    // second script of the same name.
    kwin.run([&] {
        kwin.loaded = true;
        kwin.plugin = "vantrel-front-window";
    });
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    EXPECT_EQ(kwin.unloads, 1);
    EXPECT_EQ(kwin.ranAt, "/Scripting/Script7");
}

TEST_F(KWinWatcherTest, BelievesOnlyKWin) {
    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Six);
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    EXPECT_FALSE(nextChange(**watcher, kNoChangeMs));

    DBusConnection* stranger = connectTo(bus.address());
    ASSERT_NE(stranger, nullptr);
    static const std::regex service("var service = \"([^\"]*)\"");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(kwin.loadedText, found, service));
    dbus_pending_call_unref(sendActivated(stranger, found[1], "kart", getpid()));
    dbus_connection_flush(stranger);
    EXPECT_FALSE(nextChange(**watcher, kNoChangeMs)) << "a stranger switched the profile";
    closeConnection(stranger);
}

TEST_F(KWinWatcherTest, SaysWhyWithoutKWinOrWhenKWinRefusesTheScript) {
    auto none = watchKWin(bus.address().c_str());
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().code, ErrorCode::Unsupported);
    EXPECT_NE(none.error().message.find("KWin"), std::string::npos);

    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Six, /*refuse=*/true);
    auto refused = watchKWin(bus.address().c_str());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().code, ErrorCode::Unsupported);

    auto noBus = watchKWin(("unix:path=" + (dir.path() / "none").string()).c_str());
    ASSERT_FALSE(noBus);
    EXPECT_EQ(noBus.error().code, ErrorCode::Unsupported);
}

TEST_F(KWinWatcherTest, GivesKWinItsScriptAgainWhenKWinStartsAgain) {
    auto kwin = std::make_unique<FakeKWin>(bus.address(), FakeKWin::Plasma::Six);
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    kwin.reset(); // KWin crashed
    EXPECT_FALSE(nextChange(**watcher, kNoChangeMs));

    FakeKWin again(bus.address(), FakeKWin::Plasma::Six);
    again.setFront("notes", 0);
    auto front = nextChange(**watcher, kWaitMs);
    ASSERT_TRUE(front);
    EXPECT_EQ(*front, (FrontProgram{"", "notes"}));
    EXPECT_EQ(again.loads, 1);
}

TEST_F(KWinWatcherTest, ReportsTheBusGone) {
    FakeKWin kwin(bus.address(), FakeKWin::Plasma::Six);
    auto watcher = watchKWin(bus.address().c_str());
    ASSERT_TRUE(watcher) << watcher.error().message;
    kwin.stop();
    bus.stop();
    bool lost = false;
    EXPECT_FALSE(nextChange(**watcher, kWaitMs, &lost));
    EXPECT_TRUE(lost);
}

TEST(KWinFrontScript, QuotesTheBusNameItCallsBack) {
    const std::string plain = kwinFrontScript(":1.42");
    EXPECT_NE(plain.find("var service = \":1.42\";"), std::string::npos);
    // Nothing of a name can end the string or the script.
    const std::string odd = kwinFrontScript("a\"); evil(\"\\\n");
    EXPECT_EQ(odd.find("evil(\""), std::string::npos);
    EXPECT_NE(odd.find("a\\u0022\\u0029\\u003b\\u0020evil\\u0028\\u0022\\u005c\\u000a"),
              std::string::npos);
}

} // namespace
