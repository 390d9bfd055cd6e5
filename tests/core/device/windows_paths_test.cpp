// SPDX-License-Identifier: MIT
// Discovery over device paths as hidapi's Windows backend lists them: one
// device per top-level collection, the path itself as the match name.
#include "core/device/discovery.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The interface class GUID and instance parts as Windows writes them.
std::string hidPath(const std::string& ids, const std::string& instance) {
    return "\\\\?\\hid#" + ids + "#" + instance + "#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

class PathList : public HidTransport {
public:
    Result<std::vector<HidInterfaceInfo>> enumerate() override { return list; }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string&) override {
        return makeError(ErrorCode::Unsupported, "not opened here");
    }
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string&) override {
        return makeError(ErrorCode::Unsupported, "not opened here");
    }
    void add(const std::string& path, std::uint16_t vendor, std::uint16_t product) {
        list.push_back(interfaceNamedByPath(path, vendor, product));
    }
    std::vector<HidInterfaceInfo> list;
};

TEST(WindowsPaths, TheMatchNameIsThePathItself) {
    const std::string path = hidPath("vid_04d9&pid_a1df&mi_02&col04", "7&2b1e8a3c&0&0003");
    const HidInterfaceInfo info = interfaceNamedByPath(path, 0x04D9, 0xA1DF);
    EXPECT_EQ(info.path, path);
    EXPECT_EQ(info.matchName, path);
    EXPECT_EQ(info.vendorId, 0x04D9);
    EXPECT_EQ(info.productId, 0xA1DF);
}

// The keyboard as Windows shows it: interface 2 split into four collections,
// interface 3 with one, among decoys that each lack one condition.
TEST(WindowsPaths, ControlInterfaceAndNotificationCollectionAmongCollectionsAndDecoys) {
    PathList t;
    // Decoys first, so that a loose match would take them.
    t.add(hidPath("vid_04d9&pid_a1df&mi_00", "7&1111&0&0000"), 0x04D9, 0xA1DF); // no substring
    t.add(hidPath("VID_04D9&PID_A1DF&MI_03", "7&2222&0&0000"), 0x04D9, 0xA1DF); // upper case
    t.add(hidPath("VID_04D9&PID_A1DF&MI_02&COL04", "7&2222&0&0003"), 0x04D9, 0xA1DF);
    t.add(hidPath("vid_046d&pid_c077&mi_03", "7&3333&0&0000"), 0x046D, 0xC077); // other vendor
    t.add(hidPath("vid_04d9&pid_a1de&mi_03&col04", "7&4444&0&0003"), 0x04D9, 0xA1DE); // product
    for (int c = 1; c <= 4; ++c) {
        t.add(hidPath("vid_04d9&pid_a1df&mi_02&col0" + std::to_string(c),
                      "7&2b1e8a3c&0&000" + std::to_string(c - 1)),
              0x04D9, 0xA1DF);
    }
    const std::string control = hidPath("vid_4d95&pid_a1df&mi_03", "7&5555&0&0000");
    t.add(control, 0x4D95, 0xA1DF);

    auto found = FindKeyboardInterface(t, "mi_03");
    ASSERT_TRUE(found.ok() && found->has_value());
    EXPECT_EQ((*found)->path, control);
    auto notes = FindKeyboardInterface(t, "ol04");
    ASSERT_TRUE(notes.ok() && notes->has_value());
    EXPECT_EQ((*notes)->path, hidPath("vid_04d9&pid_a1df&mi_02&col04", "7&2b1e8a3c&0&0003"));
}

TEST(WindowsPaths, UpperCaseInterfacesAndCollectionsAreNotTheKeyboards) {
    PathList t;
    t.add(hidPath("VID_04D9&PID_A1DF&MI_03", "7&1&0&0000"), 0x04D9, 0xA1DF);
    t.add(hidPath("VID_04D9&PID_A1DF&MI_02&COL04", "7&1&0&0003"), 0x04D9, 0xA1DF);
    EXPECT_FALSE(FindKeyboardInterface(t, "mi_03")->has_value());
    EXPECT_FALSE(FindKeyboardInterface(t, "ol04")->has_value());
}

// A collection number that only starts with 04 ("&col040") still holds
// "ol04": the substring alone decides, as on Windows.
TEST(WindowsPaths, TheSubstringMayStandAnywhereInThePath) {
    PathList t;
    t.add(hidPath("vid_04d9&pid_a1df&mi_01", "8&col04x&0&0000"), 0x04D9, 0xA1DF);
    auto notes = FindKeyboardInterface(t, "ol04");
    ASSERT_TRUE(notes->has_value());
    EXPECT_NE((*notes)->path.find("8&col04x"), std::string::npos);
}

} // namespace
} // namespace vantrel
