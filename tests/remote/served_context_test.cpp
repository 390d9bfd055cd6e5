// SPDX-License-Identifier: MIT
// vantrelctl's commands as the desktop program runs them: on the keyboard
// it holds, from what it last read or sent, with the output captured for
// the answer.
#include "cli/commands.h"
#include "cli/served_context.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel::cli {
namespace {

// The desktop program's keyboard: counts what reaches it.
class CountingKeyboard final : public DesktopKeyboard {
public:
    ConfigImage state;
    int reads = 0;
    int applies = 0;
    int resets = 0;
    std::optional<Error> failure;

    Result<DeviceSnapshot> read() override {
        ++reads;
        return DeviceSnapshot{state, FirmwareVersion{1, 4}, {}};
    }
    Result<ApplyOutcome> apply(const ConfigImage& image, const ConfigImage&) override {
        ++applies;
        if (failure) {
            return *failure;
        }
        state = image;
        return ApplyOutcome{image, true};
    }
    Result<DeviceSnapshot> reset() override {
        ++resets;
        state = ConfigImage();
        state.setLightBrightness(50);
        return DeviceSnapshot{state, FirmwareVersion{1, 4}, {}};
    }
};

struct ServedCommands : ::testing::Test {
    vantrel::testing::TempDir dir;
    CountingKeyboard keyboard;
    CapturedOutput output;

    ServedCommands() {
        keyboard.state.setLightBrightness(50);
        keyboard.state.setLightSpeed(5);
    }

    // Runs one command line as the desktop program would for vantrelctl.
    int run(std::vector<std::string> args, std::optional<CommandStart>* start = nullptr,
            ConfiguratorModel* after = nullptr) {
        GlobalOptions o;
        o.command = args.front();
        o.args.assign(args.begin() + 1, args.end());
        o.workingFolder = dir / "cwd";
        const CliCommand* command = findCommand(o.command);
        EXPECT_NE(command, nullptr);
        ServedContext context(o, DataFolder(dir / "data"), output,
                              DeviceSnapshot{keyboard.state, FirmwareVersion{1, 4}, {}},
                              DeviceIdentity{0x04D9, 0xA1DF, "ctl", "notify"}, keyboard);
        const int status = runChecked(*command, context);
        if (start) {
            *start = context.start();
        }
        if (after) {
            *after = context.model();
        }
        return status;
    }
};

TEST_F(ServedCommands, ASettingIsSentWithoutReadingTheKeyboardFirst) {
    std::optional<CommandStart> start;
    ConfiguratorModel after;
    EXPECT_EQ(run({"set", "brightness=10"}, &start, &after), kExitOk);
    EXPECT_EQ(output.standardOutput(), "applied 1 setting\n");
    EXPECT_EQ(output.standardError(), "");
    EXPECT_EQ(keyboard.reads, 0);
    EXPECT_EQ(keyboard.applies, 1);
    EXPECT_EQ(keyboard.state.lightBrightness(), 10);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->image.lightBrightness(), 50);
    EXPECT_EQ(after.syncedImage().lightBrightness(), 10);
    // keymap.bin is saved as by vantrelctl alone.
    ConfigImage saved;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(dir / "data" / kKeymapFileName, saved, table).ok());
    EXPECT_EQ(saved.lightBrightness(), 10);
}

TEST_F(ServedCommands, ReadAsksTheKeyboardItself) {
    keyboard.state.setLightSpeed(3); // changed on the keyboard since
    EXPECT_EQ(run({"read"}), kExitOk);
    EXPECT_EQ(keyboard.reads, 1);
    EXPECT_EQ(keyboard.applies, 0);
    EXPECT_NE(output.standardOutput().find("\"speed\": 3"), std::string::npos);
}

TEST_F(ServedCommands, InfoNamesTheDesktopProgramsKeyboard) {
    EXPECT_EQ(run({"info"}), kExitOk);
    EXPECT_NE(output.standardOutput().find("keyboard: 04D9:A1DF"), std::string::npos);
    EXPECT_NE(output.standardOutput().find("control interface: ctl"), std::string::npos);
    EXPECT_EQ(keyboard.reads + keyboard.applies, 0);
}

TEST_F(ServedCommands, BadInputIsRefusedBeforeAnythingIsTouched) {
    EXPECT_EQ(run({"set", "brightness=500"}), kExitUsage);
    EXPECT_NE(output.standardError().find("vantrelctl: "), std::string::npos);
    EXPECT_EQ(keyboard.reads + keyboard.applies, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "data"));
}

TEST_F(ServedCommands, AFailedSendIsToldAndNotSynced) {
    keyboard.failure = makeError(ErrorCode::NoAcknowledge, "the keyboard did not answer");
    std::optional<CommandStart> start;
    ConfiguratorModel after;
    EXPECT_EQ(run({"set", "brightness=10"}, &start, &after), kExitDevice);
    EXPECT_EQ(output.standardError(), "vantrelctl: the keyboard did not answer\n");
    EXPECT_EQ(after.syncedImage().lightBrightness(), 50);
    EXPECT_EQ(after.image().lightBrightness(), 10);
}

TEST_F(ServedCommands, FileNamesAreTheCallersNotTheDesktopPrograms) {
    std::filesystem::create_directories(dir / "cwd");
    EXPECT_EQ(run({"export", "out.bin"}), kExitOk);
    EXPECT_TRUE(std::filesystem::exists(dir / "cwd" / "out.bin"));
    EXPECT_EQ(output.standardOutput(), "exported the keyboard's configuration to out.bin\n");

    keyboard.state.setLightBrightness(20);
    EXPECT_EQ(run({"apply", "out.bin"}), kExitOk);
    EXPECT_EQ(keyboard.state.lightBrightness(), 50); // the profile's
    EXPECT_EQ(run({"apply", "missing.bin"}), kExitUsage);
}

TEST_F(ServedCommands, AResetGoesThroughTheDesktopProgramsKeyboard) {
    keyboard.state.setLightBrightness(7);
    EXPECT_EQ(run({"reset"}), kExitOk);
    EXPECT_EQ(keyboard.resets, 1);
    EXPECT_EQ(keyboard.state.lightBrightness(), 50);
}

} // namespace
} // namespace vantrel::cli
