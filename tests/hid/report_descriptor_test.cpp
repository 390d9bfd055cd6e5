// SPDX-License-Identifier: MIT
#include "hid/hidapi_transport.h"
#include "hid/hidraw_sysfs.h"
#include "hid/report_descriptor.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A top-level application collection holding one input report; `inner`
// goes inside it.
Bytes application(std::uint8_t reportId, const Bytes& inner = {}) {
    Bytes d{0x06, 0x00,     0xFF,             // Usage Page (vendor, 2 bytes)
            0x09, 0x01,                       // Usage
            0xA1, 0x01,                       // Collection (Application)
            0x85, reportId,                   // Report ID
            0x15, 0x00,     0x26, 0xFF, 0x00, // Logical Minimum/Maximum
            0x75, 0x08,     0x95, 0x03, 0x81, 0x02};
    d.insert(d.end(), inner.begin(), inner.end());
    d.push_back(0xC0); // End Collection
    return d;
}

TEST(ReportDescriptor, CountsOnlyTopLevelApplicationCollections) {
    const Bytes nested{0xA1, 0x00, // Collection (Physical)
                       0xA1, 0x01, // Collection (Application), nested: not counted
                       0x09, 0x01, 0xC0, 0xC0};
    Bytes d;
    for (std::uint8_t id = 1; id <= 4; ++id) {
        const Bytes c = application(id, id == 2 ? nested : Bytes{});
        d.insert(d.end(), c.begin(), c.end());
    }
    auto n = countTopLevelApplicationCollections(d);
    ASSERT_TRUE(n.ok());
    EXPECT_EQ(*n, 4);

    // A top-level Physical collection is not an application collection.
    const Bytes physical{0xA1, 0x00, 0x09, 0x01, 0xC0};
    EXPECT_EQ(*countTopLevelApplicationCollections(physical), 0);
    EXPECT_EQ(*countTopLevelApplicationCollections(Bytes{}), 0);
}

TEST(ReportDescriptor, SkipsLongItemsAndFourByteData) {
    Bytes d{0xFE, 0x03, 0x10, 0xA1, 0x01, 0xC0, // long item whose data looks like a collection
            0x27, 0xFF, 0xFF, 0x00, 0x00,       // Logical Maximum with 4 data bytes
            0xA2, 0x01, 0x00,                   // Collection (Application) with 2 data bytes
            0xC0};
    EXPECT_EQ(*countTopLevelApplicationCollections(d), 1);
}

TEST(ReportDescriptor, TruncatedItemsAreErrors) {
    EXPECT_FALSE(countTopLevelApplicationCollections(Bytes{0xA1}).ok());
    EXPECT_FALSE(countTopLevelApplicationCollections(Bytes{0x27, 0x01, 0x02}).ok());
    EXPECT_FALSE(countTopLevelApplicationCollections(Bytes{0xFE, 0x05, 0x00, 0x01}).ok());
}

TEST(ReportDescriptor, StrayEndCollectionDoesNotHideLaterCollections) {
    Bytes d{0xC0, 0xA1, 0x01, 0xC0};
    EXPECT_EQ(*countTopLevelApplicationCollections(d), 1);
}

TEST(ReportDescriptor, CollectionsKeepTheirUsagesReportIdsAndSizes) {
    Bytes d{0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,             // Generic Desktop, Keyboard
            0x85, 0x01, 0x75, 0x08, 0x95, 0x08, 0x81, 0x02, // report 1: 8 bytes in
            0x95, 0x01, 0x75, 0x05, 0x91, 0x02,             // 5 bits out
            0x75, 0x03, 0x91, 0x01,                         // 3 bits of padding out
            0xC0};
    Bytes vendor{0x0B, 0x01, 0x00, 0x00, 0xFF,                   // Usage with its page (4 bytes)
                 0xA1, 0x01, 0xA4,                               // Push
                 0x85, 0x04, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02, // report 4: 3 bytes in
                 0xB4,                                           // Pop: report 1 again
                 0x95, 0x08, 0xB1, 0x02,                         // feature of 8 bytes, report 0
                 0xC0};
    d.insert(d.end(), vendor.begin(), vendor.end());
    auto parsed = parseTopLevelCollections(d);
    ASSERT_TRUE(parsed.ok());
    ASSERT_EQ(parsed->size(), 2u);
    const auto& keys = (*parsed)[0];
    EXPECT_EQ(keys.usagePage, 0x01);
    EXPECT_EQ(keys.usage, 0x06);
    ASSERT_EQ(keys.reports.size(), 2u);
    EXPECT_EQ(keys.reports[0].kind, ReportKind::Input);
    EXPECT_EQ(keys.reports[0].id, 1);
    EXPECT_EQ(keys.reports[0].bits, 64u);
    EXPECT_EQ(keys.reports[1].kind, ReportKind::Output);
    EXPECT_EQ(keys.reports[1].bits, 8u);
    const auto& notes = (*parsed)[1];
    EXPECT_EQ(notes.usagePage, 0xFF00);
    EXPECT_EQ(notes.usage, 0x01);
    ASSERT_EQ(notes.reports.size(), 2u);
    EXPECT_EQ(notes.reports[0].id, 4);
    EXPECT_EQ(notes.reports[0].bits, 24u);
    EXPECT_EQ(notes.reports[1].kind, ReportKind::Feature);
    EXPECT_EQ(notes.reports[1].id, 1) << "Pop restores the report ID pushed before";
}

#ifdef __linux__ // hidraw's own names
TEST(HidPhys, InterfaceNumberOfAUsbHidInterface) {
    EXPECT_EQ(interfaceNumberFromPhys("usb-0000:00:14.0-1/input3"), 3);
    EXPECT_EQ(interfaceNumberFromPhys("usb-0000:00:14.0-1.4.2/input12"), 12);
    EXPECT_EQ(interfaceNumberFromPhys("usb-0000:00:14.0-1/input"), std::nullopt);
    EXPECT_EQ(interfaceNumberFromPhys("usb-0000:00:14.0-1/input3x"), std::nullopt);
    EXPECT_EQ(interfaceNumberFromPhys("usb-0000:00:14.0-1/input-1"), std::nullopt);
    // Bluetooth and I2C devices have other phys; no number comes from them.
    EXPECT_EQ(interfaceNumberFromPhys("aa:bb:cc:dd:ee:ff"), std::nullopt);
    EXPECT_EQ(interfaceNumberFromPhys(""), std::nullopt);
}

// A directory opens for reading and then fails on read (EISDIR), as the
// descriptor of an unplugged device fails with ENODEV: no exception may leave.
TEST(HidSysfs, AFileThatFailsOnReadGivesNothing) {
    std::optional<std::vector<std::uint8_t>> read;
    EXPECT_NO_THROW(read = readSysfsFile("/"));
    EXPECT_EQ(read, std::nullopt);
    EXPECT_EQ(readSysfsFile("/nonexistent/report_descriptor"), std::nullopt);
    const auto self = readSysfsFile("/proc/self/stat");
    ASSERT_TRUE(self.has_value());
    EXPECT_FALSE(self->empty());
}
#endif

TEST(MatchName, InterfaceAndCollectionsAsInAWindowsPath) {
    EXPECT_EQ(buildMatchName(3, 1), "hidraw:mi_03&col01");
    const std::string notes = buildMatchName(2, 4);
    EXPECT_EQ(notes, "hidraw:mi_02&col01&col02&col03&col04");
    EXPECT_NE(notes.find("ol04"), std::string::npos);
    EXPECT_EQ(notes.find("mi_03"), std::string::npos);
    EXPECT_EQ(buildMatchName(3, 0), "hidraw:mi_03");
    EXPECT_EQ(buildMatchName(std::nullopt, 2), "hidraw:&col01&col02");
    EXPECT_EQ(buildMatchName(12, 0), "hidraw:mi_0c");
}

// hidapi's Windows backend looks up its device-manager functions when it
// starts; wine 8's cfgmgr32 lacks one of them, so no HID device is seen there.
bool deviceManagerLacksHidapisFunctions() {
#ifdef _WIN32
    HMODULE cfgmgr = LoadLibraryW(L"cfgmgr32.dll");
    return cfgmgr == nullptr ||
           GetProcAddress(cfgmgr, "CM_Get_Device_Interface_PropertyW") == nullptr;
#else
    return false;
#endif
}

TEST(HidapiTransport, ListsThisMachinesInterfacesWithMatchNames) {
    if (deviceManagerLacksHidapisFunctions()) {
        GTEST_SKIP() << "this system's cfgmgr32 has no CM_Get_Device_Interface_PropertyW";
    }
    auto transport = HidapiTransport::create();
    ASSERT_TRUE(transport.ok());
    auto list = (*transport)->enumerate();
    ASSERT_TRUE(list.ok());
    for (const auto& info : *list) {
        EXPECT_FALSE(info.path.empty());
        EXPECT_EQ(info.matchName.rfind("hidraw:", 0), 0u) << info.matchName;
    }
    auto missing = (*transport)->openControl("/dev/hidraw-no-such-node");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, ErrorCode::NoDevice);
}

} // namespace
} // namespace vantrel
