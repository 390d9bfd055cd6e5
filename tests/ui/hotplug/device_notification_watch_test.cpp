// SPDX-License-Identifier: MIT
// The Windows hot-plug watch on real window messages: the notifications the
// system would send for the keyboard and for other devices.
#ifdef _WIN32

#include "ui/hotplug/device_notification_watch.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>

namespace vantrel::ui {
namespace {

const std::wstring kKeyboard =
    L"\\\\?\\USB#VID_04D9&PID_A1DF#6&2b1e0d7&0&3#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const std::wstring kMouse =
    L"\\\\?\\USB#VID_046D&PID_C077#5&3a1b&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

// A DEV_BROADCAST_DEVICEINTERFACE_W with the path behind it, as the system
// lays it out.
std::vector<unsigned char> broadcast(const std::wstring& path) {
    const std::size_t size =
        offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (path.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> bytes(size, 0);
    auto* b = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
    b->dbcc_size = static_cast<DWORD>(size);
    b->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(b->dbcc_name, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    return bytes;
}

class DeviceNotificationWatchTest : public ::testing::Test {
protected:
    DeviceNotificationWatchTest()
        : watch(DeviceNotificationWatch::Callbacks{[this] { ++arrived; }, [this] { ++removed; }}) {}

    LRESULT send(WPARAM event, const std::wstring& path) {
        auto bytes = broadcast(path);
        return SendMessageW(static_cast<HWND>(watch.window()), WM_DEVICECHANGE, event,
                            reinterpret_cast<LPARAM>(bytes.data()));
    }

    int arrived = 0;
    int removed = 0;
    DeviceNotificationWatch watch;
};

TEST_F(DeviceNotificationWatchTest, KeyboardArrivalAndRemovalReachTheCallbacks) {
    const Status started = watch.start();
    ASSERT_TRUE(started.ok()) << started.error().message;
    ASSERT_NE(watch.window(), nullptr);
    EXPECT_EQ(send(DBT_DEVICEARRIVAL, kKeyboard), TRUE);
    EXPECT_EQ(arrived, 1);
    EXPECT_EQ(send(DBT_DEVICEREMOVECOMPLETE, kKeyboard), TRUE);
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(arrived, 1);
}

TEST_F(DeviceNotificationWatchTest, OtherDevicesAndEventsAreIgnored) {
    ASSERT_TRUE(watch.start().ok());
    EXPECT_EQ(send(DBT_DEVICEARRIVAL, kMouse), TRUE);
    EXPECT_EQ(send(DBT_DEVICEREMOVECOMPLETE, kMouse), TRUE);
    EXPECT_EQ(send(DBT_DEVICEQUERYREMOVE, kKeyboard), TRUE);
    // Events without a device behind them: the parameter is not read.
    EXPECT_EQ(
        SendMessageW(static_cast<HWND>(watch.window()), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0),
        TRUE);
    // A notification of another kind (a volume) is not a device interface.
    DEV_BROADCAST_HDR volume{};
    volume.dbch_size = sizeof volume;
    volume.dbch_devicetype = DBT_DEVTYP_VOLUME;
    SendMessageW(static_cast<HWND>(watch.window()), WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                 reinterpret_cast<LPARAM>(&volume));
    EXPECT_EQ(arrived, 0);
    EXPECT_EQ(removed, 0);
}

TEST_F(DeviceNotificationWatchTest, StoppedWatchHasNoWindowAndHearsNothing) {
    ASSERT_TRUE(watch.start().ok());
    HWND window = static_cast<HWND>(watch.window());
    watch.stop();
    watch.stop();
    EXPECT_EQ(watch.window(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    auto bytes = broadcast(kKeyboard);
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                 reinterpret_cast<LPARAM>(bytes.data()));
    EXPECT_EQ(arrived, 0);
    // And it can start again.
    ASSERT_TRUE(watch.start().ok());
    EXPECT_EQ(send(DBT_DEVICEARRIVAL, kKeyboard), TRUE);
    EXPECT_EQ(arrived, 1);
}

} // namespace
} // namespace vantrel::ui

#endif
