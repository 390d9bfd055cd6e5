// SPDX-License-Identifier: MIT
// The listener and the write-all's acknowledgements: a flag per step, stale
// reports taken in before it is cleared, and a listener that sleeps on the
// interface instead of waking up to poll it.
#include "connection_rig.h"
#include "core/device/command_codes.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace vantrel;
using test::ConnectionRig;
using test::RecordingObserver;

namespace {

// The simulated keyboard's transport, with its notification reads counted
// and, with `lazy`, a listener slow to see new reports (as a busy machine's
// would be): a blocking read first sleeps a while. Taking in what is
// already queued (a read that does not wait) is not slowed.
class WatchedTransport final : public HidTransport {
public:
    WatchedTransport(HidTransport& inner, bool lazy) : inner_(inner), lazy_(lazy) {}
    Result<std::vector<HidInterfaceInfo>> enumerate() override { return inner_.enumerate(); }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override {
        return inner_.openControl(path);
    }
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override {
        auto h = inner_.openNotification(path);
        if (!h) {
            return h.error();
        }
        return std::unique_ptr<NotificationHandle>(std::make_unique<Watched>(*this, std::move(*h)));
    }
    int reads() const { return reads_.load(); }

private:
    struct Watched final : NotificationHandle {
        Watched(WatchedTransport& t, std::unique_ptr<NotificationHandle> inner)
            : t(t), inner(std::move(inner)) {}
        Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
            ++t.reads_;
            if (t.lazy_ && timeout != std::chrono::milliseconds(0)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
            }
            return inner->read(timeout);
        }
        void wake() override { inner->wake(); }
        WatchedTransport& t;
        std::unique_ptr<NotificationHandle> inner;
    };
    HidTransport& inner_;
    bool lazy_;
    std::atomic<int> reads_{0};
};

struct WatchedRig {
    explicit WatchedRig(bool lazy) : watched(sim, lazy) {}
    sim::SimulatedKeyboard keyboard;
    sim::SimTransport sim{keyboard};
    WatchedTransport watched;
    RecordingPacer pacer;
    RecordingObserver observer;
    DeviceConnection connection{watched, pacer, observer, ConnectionRig::shortOptions()};
};

ConfigImage withAKeyChanged(ConfigImage image) {
    image.keyTable()[8] ^= 1;
    image.setReportRate(static_cast<std::uint8_t>(image.reportRate() ^ 1));
    return image;
}

} // namespace

// A keyboard that leaves the wrist-rest commands unacknowledged (they are
// never waited for) still completes every apply.
TEST(Acknowledgements, AKeyboardSilentOnTheWristRestStillApplies) {
    ConnectionRig rig;
    auto snap = rig.startAndRead();
    ASSERT_TRUE(snap.ok());
    rig.keyboard.dropAcksFor(cmd::kSetWristLighting);
    rig.keyboard.dropAcksFor(cmd::kSetWristColour);
    const ConfigImage image = withAKeyChanged(snap->image);
    for (int run = 0; run < 2; ++run) {
        auto r = rig.apply(image, snap->image);
        ASSERT_TRUE(r.ok()) << r.error().message;
        EXPECT_TRUE(r->sentChanges);
    }
    EXPECT_EQ(rig.keyboard.state().keyTable()[8], image.keyTable()[8]);
}

// The wrist-rest commands' acknowledgements are still queued when the first
// acknowledged step begins; they must not end its wait when its own
// acknowledgement never comes.
TEST(Acknowledgements, StaleOnesDoNotEndAStepsWait) {
    WatchedRig rig(true);
    ASSERT_TRUE(rig.connection.start().ok());
    rig.connection.waitIdle();
    ASSERT_TRUE(rig.observer.readBacks_.at(0).ok());
    const ConfigImage synced = rig.observer.readBacks_[0].value().image;
    rig.keyboard.dropAcksFor(cmd::kSetLighting);
    auto r = test::applyAndWait(rig.connection, withAKeyChanged(synced), synced);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, ErrorCode::NoAcknowledge);
}

// Idle, the listener sleeps in one read of the interface: nothing polls, so
// the program does not wake while nothing happens.
TEST(Acknowledgements, AnIdleListenerNeverWakes) {
    WatchedRig rig(false);
    ASSERT_TRUE(rig.connection.start().ok());
    rig.connection.waitIdle();
    // The read-back's last acknowledgement may still be on its way in.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int before = rig.watched.reads();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(rig.watched.reads(), before);
    // And it still hears the keyboard at once.
    rig.keyboard.pressHostActionKey(9);
    EXPECT_TRUE(rig.observer.waitFor([](auto& o) { return !o.keys_.empty(); }));
}
