// SPDX-License-Identifier: MIT
// Discovery through the kernel: hidapi lists uhid devices that look like
// the keyboard's USB interfaces, and the keyboard's two interfaces are
// found by the same code that finds them on a real USB keyboard.
#include "core/device/command_codes.h"
#include "core/device/discovery.h"
#include "hid/hidapi_transport.h"
#include "hidraw_lookup.h"
#include "report_descriptors.h"
#include "uhid_device.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace vantrel::uhid {
namespace {

struct Made {
    std::unique_ptr<UhidDevice> device;
    std::string node;
};

class KernelDiscovery : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists("/dev/uhid")) {
            GTEST_SKIP() << "no /dev/uhid here; the kernel lane runs this in a virtual machine";
        }
    }

    // Makes a HID device and waits for its hidraw node.
    std::string make(std::uint16_t vendor, const std::string& port, int interfaceNumber,
                     std::span<const std::uint8_t> descriptor) {
        auto opened = UhidDevice::open();
        EXPECT_TRUE(opened.ok());
        if (!opened) {
            return {};
        }
        DeviceSpec spec;
        spec.name = "test device";
        spec.phys = usbPhys("0000:00:14.0", port, interfaceNumber);
        spec.vendor = vendor;
        spec.product = kProductId;
        spec.descriptor.assign(descriptor.begin(), descriptor.end());
        EXPECT_TRUE((*opened)->create(spec).ok());
        std::optional<std::string> node;
        for (int i = 0; i < 200 && !node; ++i) {
            node = hidrawNodeForPhys(spec.phys);
            if (!node) {
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
        }
        EXPECT_TRUE(node.has_value()) << spec.phys;
        made_.push_back({std::move(*opened), node.value_or("")});
        return made_.back().node;
    }

    // The four interfaces of a keyboard; the nodes by interface number.
    std::vector<std::string> makeKeyboard(std::uint16_t vendor, const std::string& port) {
        std::vector<std::string> nodes;
        for (int n = 0; n < kInterfaceCount; ++n) {
            nodes.push_back(make(vendor, port, n, keyboardReportDescriptor(n)));
        }
        return nodes;
    }

    // Devices that carry some of the keyboard's traits but are not its
    // interfaces, made first so that they come early in the system's
    // enumeration: another vendor's device with the keyboard's interfaces,
    // and the keyboard's ids on interfaces that are not the control
    // interface or have no fourth collection.
    void makeDecoys() {
        constexpr std::uint16_t kOtherVendor = 0x1234;
        make(kOtherVendor, "7", kControlInterface, controlLikeReportDescriptor());
        make(kOtherVendor, "7", kNotificationInterface,
             keyboardReportDescriptor(kNotificationInterface));
        make(kVendorIdPrimary, "8", 5, controlLikeReportDescriptor());
        make(kVendorIdPrimary, "8", kNotificationInterface,
             keyboardReportDescriptor(kMediaKeysInterface));
    }

    static std::optional<std::string> found(HidTransport& transport, const char* substring) {
        auto f = FindKeyboardInterface(transport, substring);
        EXPECT_TRUE(f.ok());
        return f.ok() && f->has_value() ? std::optional<std::string>((*f)->path) : std::nullopt;
    }

    std::vector<Made> made_;
};

TEST_F(KernelDiscovery, FindsTheControlAndNotificationInterfacesAmongDecoys) {
    makeDecoys();
    for (const std::uint16_t vendor : {kVendorIdPrimary, kVendorIdSecondary}) {
        SCOPED_TRACE(vendor);
        const auto nodes = makeKeyboard(vendor, vendor == kVendorIdPrimary ? "1" : "2");
        auto transport = HidapiTransport::create();
        ASSERT_TRUE(transport.ok());
        EXPECT_EQ(found(**transport, kControlInterfaceMatch), nodes[kControlInterface]);
        EXPECT_EQ(found(**transport, kNotificationInterfaceMatch), nodes[kNotificationInterface]);
        DeviceLink link(**transport);
        ASSERT_TRUE(link.openFeature().ok());
        ASSERT_TRUE(link.openInput().ok());
        EXPECT_EQ(link.controlMatchName(), "hidraw:mi_03&col01");
        EXPECT_EQ(link.notificationMatchName(), "hidraw:mi_02&col01&col02&col03&col04");
        EXPECT_EQ(link.DeviceVendorId(), vendor);
        link.close();
        // The next round plugs the other keyboard in alone.
        made_.erase(made_.end() - kInterfaceCount, made_.end());
    }
}

TEST_F(KernelDiscovery, DecoysAloneAreNoKeyboard) {
    makeDecoys();
    auto transport = HidapiTransport::create();
    ASSERT_TRUE(transport.ok());
    EXPECT_EQ(found(**transport, kControlInterfaceMatch), std::nullopt);
    EXPECT_EQ(found(**transport, kNotificationInterfaceMatch), std::nullopt);
    DeviceLink link(**transport);
    const Status s = link.openFeature();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::NoDevice);
}

} // namespace
} // namespace vantrel::uhid
