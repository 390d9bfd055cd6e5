// SPDX-License-Identifier: MIT
// The --sim-state file: a magic header, a format version, the firmware
// version and the keyboard's stored image, so that several runs of the
// command-line tool act on one simulated keyboard.
#include "core/util/atomic_file.h"
#include "core/util/file_read.h"
#include "core/util/path_text.h"
#include "hid/sim/simulated_keyboard.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vantrel::sim {

namespace {
constexpr std::array<std::uint8_t, 8> kMagic{'V', 'N', 'T', 'R', 'L', 'S', 'I', 'M'};
constexpr std::uint8_t kFormatVersion = 1;
// magic (8), format version (1), firmware major (1), minor (1), reserved (1)
constexpr std::size_t kOffVersion = 8;
constexpr std::size_t kOffMajor = 9;
constexpr std::size_t kOffMinor = 10;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kFileSize = kHeaderSize + image::kSize;
static_assert(kFileSize == 10100);
} // namespace

Status SimulatedKeyboard::saveState(const std::filesystem::path& file) const {
    std::array<std::uint8_t, kHeaderSize> header{};
    std::copy(kMagic.begin(), kMagic.end(), header.begin());
    header[kOffVersion] = kFormatVersion;
    ConfigImage img;
    {
        std::lock_guard lock(mutex_);
        header[kOffMajor] = firmware_.major;
        header[kOffMinor] = firmware_.minor;
        img = state_;
    }
    return writeFileAtomically(file, {header, img.bytes()});
}

Status SimulatedKeyboard::loadState(const std::filesystem::path& file) {
    auto data = readFileOfSize(file, kFileSize);
    if (!data) {
        return data.error();
    }
    const std::string name = pathText(file);
    if (!data->exists) {
        return makeError(ErrorCode::Io,
                         "The simulated keyboard state " + name + " does not exist.");
    }
    if (data->size != kFileSize) {
        return makeError(ErrorCode::BadFile, "The simulated keyboard state " + name + " has " +
                                                 std::to_string(data->size) + " bytes instead of " +
                                                 std::to_string(kFileSize) + ".");
    }
    const auto& bytes = data->bytes;
    if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        return makeError(ErrorCode::BadFile,
                         "The file " + name + " is not a simulated keyboard state.");
    }
    if (bytes[kOffVersion] != kFormatVersion) {
        return makeError(ErrorCode::BadFile, "The simulated keyboard state " + name +
                                                 " has the unknown format " +
                                                 std::to_string(bytes[kOffVersion]) + ".");
    }
    ConfigImage img;
    std::copy_n(bytes.begin() + kHeaderSize, image::kSize, img.bytes().begin());
    std::lock_guard lock(mutex_);
    state_ = img;
    firmware_ = FirmwareVersion{bytes[kOffMajor], bytes[kOffMinor]};
    return Status::success();
}

Status SimulatedKeyboard::loadStateIfPresent(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found) {
        return Status::success();
    }
    // Anything else, including a name the system refuses to look at, goes
    // through the load and is reported with the file's name.
    return loadState(file);
}

} // namespace vantrel::sim
