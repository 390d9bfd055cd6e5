// SPDX-License-Identifier: MIT
#include "core/device/device_commands.h"

#include "core/device/command_codes.h"
#include "core/device/feature_frame.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantrel {

namespace {

using std::chrono::milliseconds;

// Pauses the keyboard needs after (or around) each command.
constexpr milliseconds kNone{0};
constexpr milliseconds kSettingPause{10};
constexpr milliseconds kModePause{20};
constexpr milliseconds kColourPause{20};
constexpr milliseconds kResetPause{300};
constexpr milliseconds kShortGetPause{10};
constexpr milliseconds kGameModeGetPause{5};
constexpr milliseconds kColourGetPause{1};
constexpr milliseconds kWristGetBefore{20};
constexpr milliseconds kWristGetAfter{100};
constexpr milliseconds kKeyTableAnnouncePause{50};
constexpr milliseconds kKeyTableFinalPause{60};
constexpr milliseconds kEnableMapAnnouncePause{10};
constexpr milliseconds kMacroAnnouncePause{1};
constexpr milliseconds kColourMapPause{5};

constexpr std::uint8_t kModeOne = 1;
constexpr std::size_t kBlockData = kBlockReportSize - 1;

// Reply bytes (r1..r8 are report bytes 1..8).
constexpr std::size_t kReplyValue = 2;
constexpr std::size_t kReplyLightEffect = 3;
constexpr std::size_t kReplyLightSpeed = 4;
constexpr std::size_t kReplyLightBrightness = 5;
constexpr std::size_t kReplyLightColourIndex = 6;
constexpr std::size_t kReplyLightDirection = 7;
constexpr std::size_t kReplyRed = 4;
constexpr std::size_t kReplyGreen = 5;
constexpr std::size_t kReplyBlue = 6;
constexpr std::size_t kReplyMajor = 2;
constexpr std::size_t kReplyMinor = 3;

Error badIndex(const char* what) {
    return makeError(ErrorCode::InvalidArgument,
                     std::string("internal: ") + what + " out of range");
}

FeatureReport lightingReport(const ConfigImage& image, std::uint8_t phase,
                             std::uint8_t brightness) {
    return makeFeatureReport(cmd::kSetLighting, {{2, phase},
                                                 {3, image.lightEffect()},
                                                 {4, speedToWire(image.lightSpeed())},
                                                 {5, brightness},
                                                 {6, image.lightColourIndex()},
                                                 {7, image.lightDirection()}});
}

FeatureReport colourReport(std::uint8_t code, std::size_t index, Rgb c) {
    return makeFeatureReport(
        code, {{3, static_cast<std::uint8_t>(index)}, {4, c.red}, {5, c.green}, {6, c.blue}});
}

} // namespace

void DeviceCommands::pause(milliseconds d) {
    if (d.count() > 0) {
        pacer_.pause(d);
    }
}

Status DeviceCommands::send(const FeatureReport& report) {
    return control_.setFeature(report);
}

Result<FeatureReport> DeviceCommands::request(const FeatureReport& report, milliseconds before,
                                              milliseconds after) {
    if (Status s = send(report); !s) {
        return s.error();
    }
    pause(before);
    Result<FeatureReport> reply = control_.getFeature();
    if (!reply) {
        return reply;
    }
    pause(after);
    return reply;
}

// ---- set commands ----

Status DeviceCommands::setReportRate(const ConfigImage& image) {
    Status s = send(makeFeatureReport(cmd::kSetReportRate, {{2, image.reportRate()}}));
    if (s) {
        pause(kSettingPause);
    }
    return s;
}

Status DeviceCommands::setKeyResponseTime(const ConfigImage& image) {
    Status s = send(makeFeatureReport(cmd::kSetKeyResponseTime, {{2, image.keyResponseTime()}}));
    if (s) {
        pause(kSettingPause);
    }
    return s;
}

Status DeviceCommands::setLightingBegin(const ConfigImage& image) {
    // The begin phase carries no brightness: the keyboard takes it with the end.
    Status s = send(lightingReport(image, cmd::kLightingBegin, 0));
    if (s) {
        pause(kSettingPause);
    }
    return s;
}

Status DeviceCommands::setLightingEnd(const ConfigImage& image) {
    Status s = send(lightingReport(image, cmd::kLightingEnd, image.lightBrightness()));
    if (s) {
        pause(kSettingPause);
    }
    return s;
}

Status DeviceCommands::setGameMode(ConfigImage& image) {
    Status s = send(makeFeatureReport(cmd::kSetGameMode, {{2, image.gameMode()}}));
    image.applyWinLock();
    if (s) {
        pause(kModePause);
    }
    return s;
}

Status DeviceCommands::setModeOne() {
    Status s = send(makeFeatureReport(cmd::kSetGameMode, {{2, kModeOne}}));
    if (s) {
        pause(kModePause);
    }
    return s;
}

Status DeviceCommands::setKeyColour(const ConfigImage& image, std::size_t index) {
    if (index >= image::kColourCount) {
        return badIndex("key colour index");
    }
    Status s = send(colourReport(cmd::kSetKeyColour, index, image.keyColour(index)));
    if (s) {
        pause(kColourPause);
    }
    return s;
}

Status DeviceCommands::setWristLighting(ConfigImage& image) {
    auto record = image.wristLighting();
    record[image::kWristCommandByte] = cmd::kSetWristLighting;
    FeatureReport r{};
    for (std::size_t i = 0; i < 7; ++i) {
        r[1 + i] = record[i];
    }
    r[8] = featureChecksum(r);
    return send(r);
}

Status DeviceCommands::setWristColour(const ConfigImage& image, std::size_t index) {
    if (index >= image::kColourCount) {
        return badIndex("wrist colour index");
    }
    Status s = send(colourReport(cmd::kSetWristColour, index, image.wristColour(index)));
    if (s) {
        pause(kColourPause);
    }
    return s;
}

Status DeviceCommands::resetDevice() {
    Status s = send(makeFeatureReport(cmd::kResetDevice, {{2, cmd::kResetParameter}}));
    if (s) {
        pause(kResetPause);
    }
    return s;
}

Status DeviceCommands::resetSequence() {
    if (Status s = resetDevice(); !s) {
        return s;
    }
    // The keyboard restarts its firmware after the reset; mode one is given
    // twice with the long pause so that it is taken whatever state the
    // restart left it in.
    for (int i = 0; i < 2; ++i) {
        if (Status s = send(makeFeatureReport(cmd::kSetGameMode, {{2, kModeOne}})); !s) {
            return s;
        }
        pause(kResetPause);
    }
    return Status::success();
}

// ---- get commands ----

Status DeviceCommands::getVersion(FirmwareVersionReply& reply, FirmwareVersion& version) {
    auto r = request(makeFeatureReport(cmd::kGetVersion), kShortGetPause, kShortGetPause);
    if (!r) {
        return r.error();
    }
    std::copy(r->begin() + 1, r->end(), reply.begin());
    version.major = (*r)[kReplyMajor];
    version.minor = (*r)[kReplyMinor];
    return Status::success();
}

Status DeviceCommands::getReportRate(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kGetReportRate), kShortGetPause, kShortGetPause);
    if (!r) {
        return r.error();
    }
    image.setReportRate((*r)[kReplyValue]);
    return Status::success();
}

Status DeviceCommands::getKeyResponseTime(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kGetKeyResponseTime), kShortGetPause, kShortGetPause);
    if (!r) {
        return r.error();
    }
    image.setKeyResponseTime((*r)[kReplyValue]);
    return Status::success();
}

Status DeviceCommands::getLighting(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kGetLighting), kShortGetPause, kNone);
    if (!r) {
        return r.error();
    }
    image.setLightEffect((*r)[kReplyLightEffect]);
    image.setLightSpeed(speedFromWire((*r)[kReplyLightSpeed]));
    image.setLightBrightness((*r)[kReplyLightBrightness]);
    image.setLightColourIndex((*r)[kReplyLightColourIndex]);
    image.setLightDirection((*r)[kReplyLightDirection]);
    return Status::success();
}

Status DeviceCommands::getGameMode(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kGetGameMode), kGameModeGetPause, kNone);
    if (!r) {
        return r.error();
    }
    image.setGameMode((*r)[kReplyValue]);
    return Status::success();
}

Status DeviceCommands::getKeyColour(ConfigImage& image, std::size_t index) {
    if (index >= image::kColourCount) {
        return badIndex("key colour index");
    }
    auto r = request(makeFeatureReport(cmd::kGetKeyColour, {{3, static_cast<std::uint8_t>(index)}}),
                     kColourGetPause, kColourGetPause);
    if (!r) {
        return r.error();
    }
    image.setKeyColour(index, Rgb{(*r)[kReplyRed], (*r)[kReplyGreen], (*r)[kReplyBlue]});
    return Status::success();
}

Status DeviceCommands::getWristLighting(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kGetWristLighting), kWristGetBefore, kWristGetAfter);
    if (!r) {
        return r.error();
    }
    // Kept as received, command byte and checksum included.
    std::copy(r->begin() + 1, r->end(), image.wristLighting().begin());
    return Status::success();
}

Status DeviceCommands::getWristColour(ConfigImage& image, std::size_t index) {
    if (index >= image::kColourCount) {
        return badIndex("wrist colour index");
    }
    auto r =
        request(makeFeatureReport(cmd::kGetWristColour, {{3, static_cast<std::uint8_t>(index)}}),
                kColourGetPause, kColourGetPause);
    if (!r) {
        return r.error();
    }
    image.setWristColour(index, Rgb{(*r)[kReplyRed], (*r)[kReplyGreen], (*r)[kReplyBlue]});
    return Status::success();
}

// ---- block runs ----

Status DeviceCommands::writeBlocks(std::span<const std::uint8_t> area, milliseconds afterEach,
                                   bool yieldBetween) {
    const std::size_t count = (area.size() + kBlockData - 1) / kBlockData;
    for (std::size_t k = 0; k < count; ++k) {
        BlockReport block{};
        const std::size_t begin = k * kBlockData;
        const std::size_t n = std::min(kBlockData, area.size() - begin);
        std::copy_n(area.begin() + static_cast<std::ptrdiff_t>(begin), n, block.begin() + 1);
        if (Status s = control_.writeBlock(block); !s) {
            return s;
        }
        pause(afterEach);
        if (yieldBetween && k + 1 < count) {
            pacer_.yield();
        }
    }
    return Status::success();
}

Status DeviceCommands::readBlocks(std::span<std::uint8_t> area, milliseconds afterEach) {
    // Into a scratch buffer first so that a run that breaks off leaves the
    // image area as it was.
    std::vector<std::uint8_t> scratch(area.size());
    const std::size_t count = area.size() / kBlockData;
    for (std::size_t k = 0; k < count; ++k) {
        Result<BlockReport> block = control_.readBlock();
        if (!block) {
            return block.error();
        }
        std::copy(block->begin() + 1, block->end(),
                  scratch.begin() + static_cast<std::ptrdiff_t>(k * kBlockData));
        pause(afterEach);
    }
    std::copy(scratch.begin(), scratch.end(), area.begin());
    return Status::success();
}

Status DeviceCommands::writeKeyTable(const ConfigImage& image) {
    if (Status s = send(makeFeatureReport(cmd::kWriteKeyTable, {{4, cmd::kKeyTableBlocks}})); !s) {
        return s;
    }
    pause(kKeyTableAnnouncePause);
    if (Status s = writeBlocks(image.keyTable(), kNone, false); !s) {
        return s;
    }
    pause(kKeyTableFinalPause);
    return Status::success();
}

Status DeviceCommands::readKeyTable(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kReadKeyTable), kNone, kNone);
    if (!r) {
        return r.error();
    }
    return readBlocks(image.keyTable(), kNone);
}

Status DeviceCommands::writeKeyEnableMap(const ConfigImage& image) {
    if (Status s =
            send(makeFeatureReport(cmd::kWriteKeyEnableMap, {{4, cmd::kEnableMapByteCount}}));
        !s) {
        return s;
    }
    pause(kEnableMapAnnouncePause);
    // One block: the map, then zeros whatever the image holds behind it.
    return writeBlocks(image.keyEnableMap(), kNone, false);
}

Status DeviceCommands::readKeyEnableMap(ConfigImage& image) {
    auto r = request(makeFeatureReport(cmd::kReadKeyEnableMap, {{4, cmd::kEnableMapByteCount}}),
                     kNone, kNone);
    if (!r) {
        return r.error();
    }
    std::array<std::uint8_t, kBlockData> block{};
    if (Status s = readBlocks(block, kNone); !s) {
        return s;
    }
    std::copy_n(block.begin(), image::kKeyEnableMapSize, image.keyEnableMap().begin());
    image.deriveWinLock();
    return Status::success();
}

Status DeviceCommands::writeMacroSlot(std::size_t slot,
                                      std::span<const std::uint8_t, image::kMacroSlotSize> bytes) {
    if (slot >= image::kMacroSlotCount) {
        return badIndex("macro slot");
    }
    if (Status s =
            send(makeFeatureReport(cmd::kWriteMacroSlot, {{3, static_cast<std::uint8_t>(slot)},
                                                          {4, cmd::kMacroSlotBlocks}}));
        !s) {
        return s;
    }
    pause(kMacroAnnouncePause);
    return writeBlocks(bytes, kNone, true);
}

Status DeviceCommands::readMacroSlot(ConfigImage& image, std::size_t slot) {
    if (slot >= image::kMacroSlotCount) {
        return badIndex("macro slot");
    }
    auto r = request(makeFeatureReport(cmd::kReadMacroSlot, {{3, static_cast<std::uint8_t>(slot)}}),
                     kNone, kNone);
    if (!r) {
        return r.error();
    }
    return readBlocks(image.macroSlot(slot), kNone);
}

Status DeviceCommands::writeColourMap(const ConfigImage& image, std::size_t map) {
    if (map >= image::kColourMapCount) {
        return badIndex("colour map");
    }
    if (Status s =
            send(makeFeatureReport(cmd::kWriteColourMap, {{3, static_cast<std::uint8_t>(map)},
                                                          {4, cmd::kColourMapBlocks}}));
        !s) {
        return s;
    }
    pause(kColourMapPause);
    return writeBlocks(image.colourMap(map), kColourMapPause, false);
}

Status DeviceCommands::readColourMap(ConfigImage& image, std::size_t map) {
    if (map >= image::kColourMapCount) {
        return badIndex("colour map");
    }
    auto r = request(makeFeatureReport(cmd::kReadColourMap, {{3, static_cast<std::uint8_t>(map)},
                                                             {4, cmd::kColourMapBlocks}}),
                     kColourMapPause, kColourMapPause);
    if (!r) {
        return r.error();
    }
    return readBlocks(image.colourMap(map), kColourMapPause);
}

} // namespace vantrel
