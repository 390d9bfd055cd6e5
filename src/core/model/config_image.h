// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/rgb.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantrel {

// Byte layout of the configuration image. The same block is stored byte for
// byte in keymap.bin and in profile files, and every field travels to and
// from the keyboard by one command, so these offsets are a contract.
namespace image {
inline constexpr std::size_t kSize = 10088;

inline constexpr std::size_t kReserved0 = 0x0000; // 11 bytes, kept as loaded
inline constexpr std::size_t kReportRate = 0x000B;
inline constexpr std::size_t kReserved1 = 0x000C; // 780 bytes
inline constexpr std::size_t kKeyTable = 0x0318;
inline constexpr std::size_t kKeyTableSize = 512;
inline constexpr std::size_t kKeyTableColumns = 21;
inline constexpr std::size_t kKeyTableRows = 6;
inline constexpr std::size_t kMacroSlots = 0x0518;
inline constexpr std::size_t kMacroSlotSize = 192;
inline constexpr std::size_t kMacroSlotCount = 32;
inline constexpr std::size_t kReserved2 = 0x1D18; // 1 byte
inline constexpr std::size_t kKeyResponseTime = 0x1D19;
inline constexpr std::size_t kLightEffect = 0x1D1A;
inline constexpr std::size_t kLightSpeed = 0x1D1B;
inline constexpr std::size_t kLightBrightness = 0x1D1C;
inline constexpr std::size_t kLightColourIndex = 0x1D1D;
inline constexpr std::size_t kLightDirection = 0x1D1E;
inline constexpr std::size_t kKeyColours = 0x1D1F;
inline constexpr std::size_t kColourCount = 7;
inline constexpr std::size_t kGameMode = 0x1D34;
inline constexpr std::size_t kKeyEnableMap = 0x1D35;
inline constexpr std::size_t kKeyEnableMapSize = 18;
inline constexpr std::size_t kEnableMapReserved = 0x1D47; // 3 bytes, 0xFF after a reset
inline constexpr std::size_t kEnableMapReservedSize = 3;
inline constexpr std::size_t kWinLock = 0x1D4A;
inline constexpr std::size_t kColourMaps = 0x1D4B;
inline constexpr std::size_t kColourMapSize = 512;
inline constexpr std::size_t kColourMapCount = 5;
inline constexpr std::size_t kWristLighting = 0x274B;
inline constexpr std::size_t kWristLightingSize = 8;
inline constexpr std::size_t kWristColours = 0x2753;

// Bytes of wristLighting.
inline constexpr std::size_t kWristCommandByte = 0;
inline constexpr std::size_t kWristEffect = 2;
inline constexpr std::size_t kWristBrightness = 3;
inline constexpr std::size_t kWristSpeed = 4; // stored as 4 minus the slider
inline constexpr std::size_t kWristColourChoice = 5;

static_assert(kReportRate + 1 == kReserved1);
static_assert(kReserved1 + 780 == kKeyTable);
static_assert(kKeyTable + kKeyTableSize == kMacroSlots);
static_assert(kMacroSlots + kMacroSlotCount * kMacroSlotSize == kReserved2);
static_assert(kKeyColours + 3 * kColourCount == kGameMode);
static_assert(kKeyEnableMap + kKeyEnableMapSize == kEnableMapReserved);
static_assert(kEnableMapReserved + kEnableMapReservedSize == kWinLock);
static_assert(kColourMaps + kColourMapCount * kColourMapSize == kWristLighting);
static_assert(kWristLighting + kWristLightingSize == kWristColours);
static_assert(kWristColours + 3 * kColourCount == kSize);
} // namespace image

// Offset of the 4-byte keyTable entry of a matrix code: the key table is
// row-major (row * 21 + column), while the matrix code counts column-major.
constexpr std::size_t keyTableEntryOffset(std::uint16_t matrixCode) {
    const std::size_t slot = matrixCode / 4;
    const std::size_t column = slot / image::kKeyTableRows;
    const std::size_t row = slot % image::kKeyTableRows;
    return (row * image::kKeyTableColumns + column) * 4;
}
static_assert(keyTableEntryOffset(0x14) == 420); // Esc

// The 10088-byte configuration image with typed access to its fields.
class ConfigImage {
public:
    using Bytes = std::array<std::uint8_t, image::kSize>;

    ConfigImage() { bytes_.fill(0); }

    std::span<std::uint8_t, image::kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, image::kSize> bytes() const { return bytes_; }

    std::uint8_t byteAt(std::size_t offset) const { return bytes_.at(offset); }
    void setByteAt(std::size_t offset, std::uint8_t v) { bytes_.at(offset) = v; }

    std::uint8_t reportRate() const { return bytes_[image::kReportRate]; }
    void setReportRate(std::uint8_t v) { bytes_[image::kReportRate] = v; }
    std::uint8_t keyResponseTime() const { return bytes_[image::kKeyResponseTime]; }
    void setKeyResponseTime(std::uint8_t v) { bytes_[image::kKeyResponseTime] = v; }
    std::uint8_t lightEffect() const { return bytes_[image::kLightEffect]; }
    void setLightEffect(std::uint8_t v) { bytes_[image::kLightEffect] = v; }
    std::uint8_t lightSpeed() const { return bytes_[image::kLightSpeed]; }
    void setLightSpeed(std::uint8_t v) { bytes_[image::kLightSpeed] = v; }
    std::uint8_t lightBrightness() const { return bytes_[image::kLightBrightness]; }
    void setLightBrightness(std::uint8_t v) { bytes_[image::kLightBrightness] = v; }
    std::uint8_t lightColourIndex() const { return bytes_[image::kLightColourIndex]; }
    void setLightColourIndex(std::uint8_t v) { bytes_[image::kLightColourIndex] = v; }
    std::uint8_t lightDirection() const { return bytes_[image::kLightDirection]; }
    void setLightDirection(std::uint8_t v) { bytes_[image::kLightDirection] = v; }
    std::uint8_t gameMode() const { return bytes_[image::kGameMode]; }
    void setGameMode(std::uint8_t v) { bytes_[image::kGameMode] = v; }
    std::uint8_t winLock() const { return bytes_[image::kWinLock]; }
    void setWinLock(std::uint8_t v) { bytes_[image::kWinLock] = v; }

    // Colour i (0-6) of the keyboard palette.
    Rgb keyColour(std::size_t i) const { return rgbAt(image::kKeyColours + 3 * i); }
    void setKeyColour(std::size_t i, Rgb c) { setRgbAt(image::kKeyColours + 3 * i, c); }
    Rgb wristColour(std::size_t i) const { return rgbAt(image::kWristColours + 3 * i); }
    void setWristColour(std::size_t i, Rgb c) { setRgbAt(image::kWristColours + 3 * i, c); }

    std::span<std::uint8_t, image::kKeyTableSize> keyTable() {
        return area<image::kKeyTable, image::kKeyTableSize>();
    }
    std::span<const std::uint8_t, image::kKeyTableSize> keyTable() const {
        return area<image::kKeyTable, image::kKeyTableSize>();
    }
    // The 4-byte key table entry of the key with this matrix code.
    std::span<std::uint8_t, 4> keyTableEntry(std::uint16_t matrixCode) {
        return keyTable().subspan(keyTableEntryOffset(matrixCode)).first<4>();
    }
    std::span<const std::uint8_t, 4> keyTableEntry(std::uint16_t matrixCode) const {
        return keyTable().subspan(keyTableEntryOffset(matrixCode)).first<4>();
    }

    std::span<std::uint8_t, image::kMacroSlotSize> macroSlot(std::size_t n) {
        return std::span<std::uint8_t, image::kMacroSlotSize>(
            bytes_.data() + image::kMacroSlots + image::kMacroSlotSize * checkedIndex(n, 32),
            image::kMacroSlotSize);
    }
    std::span<const std::uint8_t, image::kMacroSlotSize> macroSlot(std::size_t n) const {
        return std::span<const std::uint8_t, image::kMacroSlotSize>(
            bytes_.data() + image::kMacroSlots + image::kMacroSlotSize * checkedIndex(n, 32),
            image::kMacroSlotSize);
    }

    std::span<std::uint8_t, image::kKeyEnableMapSize> keyEnableMap() {
        return area<image::kKeyEnableMap, image::kKeyEnableMapSize>();
    }
    std::span<const std::uint8_t, image::kKeyEnableMapSize> keyEnableMap() const {
        return area<image::kKeyEnableMap, image::kKeyEnableMapSize>();
    }
    // Enable bit b is bit (b mod 8) of byte (b div 8); set means enabled.
    bool keyEnabled(std::uint16_t bit) const;
    void setKeyEnabled(std::uint16_t bit, bool enabled);
    // The enable map and the three reserved bytes behind it to 0xFF, as the
    // factory reset leaves them.
    void enableAllKeys();

    std::span<std::uint8_t, image::kColourMapSize> colourMap(std::size_t m) {
        return std::span<std::uint8_t, image::kColourMapSize>(
            bytes_.data() + image::kColourMaps + image::kColourMapSize * checkedIndex(m, 5),
            image::kColourMapSize);
    }
    std::span<const std::uint8_t, image::kColourMapSize> colourMap(std::size_t m) const {
        return std::span<const std::uint8_t, image::kColourMapSize>(
            bytes_.data() + image::kColourMaps + image::kColourMapSize * checkedIndex(m, 5),
            image::kColourMapSize);
    }
    // Colour-map entries are 0, red, green, blue at byte c (the matrix code):
    // the keyboard's column-major order, not the key table's.
    Rgb colourMapEntry(std::size_t m, std::uint16_t matrixCode) const;
    void setColourMapEntry(std::size_t m, std::uint16_t matrixCode, Rgb c);

    std::span<std::uint8_t, image::kWristLightingSize> wristLighting() {
        return area<image::kWristLighting, image::kWristLightingSize>();
    }
    std::span<const std::uint8_t, image::kWristLightingSize> wristLighting() const {
        return area<image::kWristLighting, image::kWristLightingSize>();
    }

    // Windows-key lock on write: the left Windows key's enable bit (bit 1 of
    // byte 0) is cleared while the lock is on and set otherwise.
    void applyWinLock();
    // Windows-key lock on read: on when bit 0 of byte 1 of the map is clear.
    void deriveWinLock();

    friend bool operator==(const ConfigImage&, const ConfigImage&) = default;

private:
    static std::size_t checkedIndex(std::size_t i, std::size_t count);
    template <std::size_t Offset, std::size_t Size> std::span<std::uint8_t, Size> area() {
        static_assert(Offset + Size <= image::kSize);
        return std::span<std::uint8_t, Size>(bytes_.data() + Offset, Size);
    }
    template <std::size_t Offset, std::size_t Size>
    std::span<const std::uint8_t, Size> area() const {
        static_assert(Offset + Size <= image::kSize);
        return std::span<const std::uint8_t, Size>(bytes_.data() + Offset, Size);
    }
    Rgb rgbAt(std::size_t offset) const {
        return Rgb{bytes_.at(offset), bytes_.at(offset + 1), bytes_.at(offset + 2)};
    }
    void setRgbAt(std::size_t offset, Rgb c) {
        bytes_.at(offset) = c.red;
        bytes_.at(offset + 1) = c.green;
        bytes_.at(offset + 2) = c.blue;
    }

    Bytes bytes_;
};

static_assert(sizeof(ConfigImage) == image::kSize);

} // namespace vantrel
