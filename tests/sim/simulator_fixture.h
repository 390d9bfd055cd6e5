// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/command_codes.h"
#include "core/device/feature_frame.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"

#include <gtest/gtest.h>

namespace vantrel::sim::testing {

// A simulated keyboard with both interfaces open.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open() {
        auto c = transport.openControl(kSimControlPath);
        ASSERT_TRUE(c.ok());
        control = std::move(*c);
        auto n = transport.openNotification(kSimNotificationPath);
        ASSERT_TRUE(n.ok());
        notes = std::move(*n);
    }

    void set(std::uint8_t code,
             std::initializer_list<std::pair<std::size_t, std::uint8_t>> p = {}) {
        ASSERT_TRUE(control->setFeature(makeFeatureReport(code, p)).ok());
    }
    FeatureReport get(std::uint8_t code,
                      std::initializer_list<std::pair<std::size_t, std::uint8_t>> p = {}) {
        EXPECT_TRUE(control->setFeature(makeFeatureReport(code, p)).ok());
        auto r = control->getFeature();
        EXPECT_TRUE(r.ok());
        return r.ok() ? *r : FeatureReport{};
    }
    // Drains the notification queue without waiting; counts acknowledgements.
    int acks() {
        int n = 0;
        for (;;) {
            auto r = notes->read(std::chrono::milliseconds(0));
            EXPECT_TRUE(r.ok());
            if (!r.ok() || !r->has_value()) {
                return n;
            }
            if ((**r)[1] == note::kAcknowledge) {
                ++n;
            }
        }
    }
    BlockReport block(std::uint8_t fill) {
        BlockReport b{};
        b.fill(fill);
        b[0] = 0;
        return b;
    }

    SimulatedKeyboard keyboard;
    SimTransport transport{keyboard};
    std::unique_ptr<ControlHandle> control;
    std::unique_ptr<NotificationHandle> notes;
};

} // namespace vantrel::sim::testing
