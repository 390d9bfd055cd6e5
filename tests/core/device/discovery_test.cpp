// SPDX-License-Identifier: MIT
#include "core/device/discovery.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct FakeControl : ControlHandle {
    Status setFeature(const FeatureReport&) override { return Status::success(); }
    Result<FeatureReport> getFeature() override { return FeatureReport{}; }
    Status writeBlock(const BlockReport&) override { return Status::success(); }
    Result<BlockReport> readBlock() override { return BlockReport{}; }
};
struct FakeNotes : NotificationHandle {
    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds) override {
        return std::optional<NotificationReport>();
    }
    void wake() override {}
};

class FakeEnumeration : public HidTransport {
public:
    Result<std::vector<HidInterfaceInfo>> enumerate() override { return list; }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override {
        opened.push_back(path);
        if (denied) {
            return makeError(ErrorCode::PermissionDenied, "No permission to open " + path);
        }
        return std::unique_ptr<ControlHandle>(new FakeControl);
    }
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override {
        opened.push_back(path);
        return std::unique_ptr<NotificationHandle>(new FakeNotes);
    }
    std::vector<HidInterfaceInfo> list;
    std::vector<std::string> opened;
    bool denied = false;
};

TEST(Discovery, MatchesVendorProductAndSubstringFirstMatchWins) {
    FakeEnumeration t;
    t.list = {
        {"/dev/hidraw0", 0x04D9, 0xA1DE, "hidraw:mi_03&col01"}, // wrong product
        {"/dev/hidraw1", 0x1234, 0xA1DF, "hidraw:mi_03&col01"}, // wrong vendor
        {"/dev/hidraw2", 0x4D95, 0xA1DF, "hidraw:mi_02&col01"}, // no substring
        {"/dev/hidraw3", 0x4D95, 0xA1DF, "hidraw:mi_03&col01"}, // second vendor ID
        {"/dev/hidraw4", 0x04D9, 0xA1DF, "hidraw:mi_03&col01"}, // later match
        {"/dev/hidraw5", 0x04D9, 0xA1DF, "hidraw:mi_02&col01&col04"},
    };
    auto control = FindKeyboardInterface(t, "mi_03");
    ASSERT_TRUE(control.ok() && control->has_value());
    EXPECT_EQ((*control)->path, "/dev/hidraw3");
    auto notes = FindKeyboardInterface(t, "ol04");
    EXPECT_EQ((*notes)->path, "/dev/hidraw5");
    EXPECT_FALSE(FindKeyboardInterface(t, "MI_03")->has_value()); // case-sensitive
}

TEST(Discovery, LinkOpensBothAndKeepsThePathWhenTheKeyboardIsGone) {
    FakeEnumeration t;
    t.list = {{"/dev/hidraw7", 0x4D95, 0xA1DF, "hidraw:mi_03&col01"},
              {"/dev/hidraw8", 0x4D95, 0xA1DF, "hidraw:mi_02&col01&col02&col03&col04"}};
    DeviceLink link(t);
    EXPECT_FALSE(link.featureOpen());
    ASSERT_TRUE(link.openFeature().ok());
    ASSERT_TRUE(link.openInput().ok());
    EXPECT_TRUE(link.FeatureHandle() && link.InputHandle());
    EXPECT_EQ(link.DevicePath(), "/dev/hidraw8");
    EXPECT_EQ(link.DeviceVendorId(), 0x4D95);
    EXPECT_EQ(link.controlMatchName(), "hidraw:mi_03&col01");
    EXPECT_EQ(t.opened, (std::vector<std::string>{"/dev/hidraw7", "/dev/hidraw8"}));

    link.close();
    t.list.clear();
    const Status s = link.openFeature();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::NoDevice);
    EXPECT_FALSE(link.featureOpen());
    EXPECT_FALSE(link.inputOpen());
    EXPECT_EQ(link.DevicePath(), "/dev/hidraw8"); // kept, but never reopened
    EXPECT_EQ(link.DeviceProductId(), 0xA1DF);
    EXPECT_EQ(t.opened.size(), 2u);
}

TEST(Discovery, PermissionErrorIsPassedOnNotTakenForAMissingKeyboard) {
    FakeEnumeration t;
    t.list = {{"/dev/hidraw7", 0x04D9, 0xA1DF, "hidraw:mi_03&col01"}};
    t.denied = true;
    DeviceLink link(t);
    const Status s = link.openFeature();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::PermissionDenied);
    EXPECT_FALSE(link.featureOpen());
}

} // namespace
} // namespace vantrel
