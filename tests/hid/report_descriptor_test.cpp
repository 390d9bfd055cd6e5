// SPDX-License-Identifier: MIT
#include "hid/hidapi_transport.h"
#include "hid/report_descriptor.h"

#include <gtest/gtest.h>
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

TEST(HidapiTransport, ListsThisMachinesInterfacesWithMatchNames) {
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
