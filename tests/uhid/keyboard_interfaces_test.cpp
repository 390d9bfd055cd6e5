// SPDX-License-Identifier: MIT
// The interfaces the uhid keyboard shows the kernel are what the keyboard's
// discovery and transfers expect of a USB keyboard.
#include "core/device/command_codes.h"
#include "core/device/hid_transport.h"
#include "hid/hidraw_sysfs.h"
#include "hid/report_descriptor.h"
#include "report_descriptors.h"
#include "usb_framing.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace vantrel::uhid {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<TopLevelCollection> collectionsOf(int interfaceNumber) {
    auto parsed = parseTopLevelCollections(keyboardReportDescriptor(interfaceNumber));
    EXPECT_TRUE(parsed.ok());
    return parsed.ok() ? *parsed : std::vector<TopLevelCollection>{};
}

TEST(UhidKeyboardInterfaces, OnlyInterfaces3And2MatchTheirSubstrings) {
    for (int n = 0; n < kInterfaceCount; ++n) {
        const auto phys = usbPhys("0000:00:14.0", "1", n);
        const auto number = interfaceNumberFromPhys(phys);
        ASSERT_EQ(number, n) << phys;
        const std::string name = buildMatchName(number, static_cast<int>(collectionsOf(n).size()));
        EXPECT_EQ(name.find(kControlInterfaceMatch) != std::string::npos, n == kControlInterface)
            << name;
        EXPECT_EQ(name.find(kNotificationInterfaceMatch) != std::string::npos,
                  n == kNotificationInterface)
            << name;
    }
}

TEST(UhidKeyboardInterfaces, ReportsHaveTheProtocolsSizesAndIds) {
    const auto notes = collectionsOf(kNotificationInterface);
    ASSERT_EQ(notes.size(), 4u);
    ASSERT_EQ(notes[3].reports.size(), 1u);
    EXPECT_EQ(notes[3].reports[0].kind, ReportKind::Input);
    EXPECT_EQ(notes[3].reports[0].id, kNotificationReportId);
    // The report ID byte and three bytes: the 4-byte notification.
    EXPECT_EQ(notes[3].reports[0].bits / 8 + 1, kNotificationSize);

    const auto control = collectionsOf(kControlInterface);
    ASSERT_EQ(control.size(), 1u);
    for (const auto& r : control[0].reports) {
        EXPECT_EQ(r.id, 0) << "the control interface has unnumbered reports";
        const std::size_t bytes = r.bits / 8;
        EXPECT_EQ(bytes + 1, r.kind == ReportKind::Feature ? kFeatureReportSize : kBlockReportSize);
    }
    EXPECT_EQ(control[0].reports.size(), 3u);
}

TEST(UsbFraming, ReportZeroTravelsWithoutItsIdByte) {
    const Bytes feature{0x00, 0x13, 0xFF, 0, 0, 0, 0, 0, 0xED};
    const auto wire = usbDataFromHidrawBuffer(feature, 0);
    EXPECT_EQ(Bytes(wire.begin(), wire.end()), Bytes(feature.begin() + 1, feature.end()));
    EXPECT_EQ(hidrawBufferFromUsbData(0, wire), feature);
    // Numbered reports carry their ID on the wire too.
    const Bytes numbered{0x04, 0x04, 0x00, 0x00};
    const auto same = usbDataFromHidrawBuffer(numbered, 4);
    EXPECT_EQ(Bytes(same.begin(), same.end()), numbered);
    EXPECT_EQ(hidrawBufferFromUsbData(4, numbered), numbered);
}

} // namespace
} // namespace vantrel::uhid
