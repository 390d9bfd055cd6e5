// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"

#include "core/macro/macro_list.h"
#include "core/util/atomic_file.h"

#include <algorithm>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

std::string wrongSizeMessage(const fs::path& path, std::size_t actual, std::size_t expected,
                             const fs::path& movedTo) {
    return path.filename().string() + " has " + std::to_string(actual) + " bytes instead of " +
           std::to_string(expected) + "; it was moved to " + movedTo.string() +
           " and the defaults are used";
}

// Reads a file that must have exactly `expected` bytes. Missing: empty
// optional result with created=false handled by the caller.
Result<std::vector<std::uint8_t>> readExact(const fs::path& path, std::size_t expected,
                                            bool& wrongSize) {
    auto bytes = readWholeFile(path);
    if (!bytes) {
        return bytes.error();
    }
    wrongSize = bytes->size() != expected;
    return bytes;
}

} // namespace

Status DataFolder::ensureExists() const {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        return makeError(ErrorCode::Io,
                         "cannot create the data folder " + folder_.string() + ": " + ec.message());
    }
    return {};
}

Result<LoadReport> LoadKeymapFile(const fs::path& path, ConfigImage& image, AssignmentTable& table,
                                  bool skipImage) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        table.clear();
        if (auto s = SaveKeymapFile(path, image, table); !s) {
            return s.error();
        }
        table.writeOwnKeys();
        return LoadReport{LoadOutcome::Created, {}};
    }
    bool wrongSize = false;
    auto bytes = readExact(path, kKeymapFileSize, wrongSize);
    if (!bytes) {
        return bytes.error();
    }
    if (wrongSize) {
        auto moved = moveAside(path);
        if (!moved) {
            return moved.error();
        }
        table.clear();
        if (auto s = SaveKeymapFile(path, image, table); !s) {
            return s.error();
        }
        table.writeOwnKeys();
        return LoadReport{LoadOutcome::MovedAside,
                          wrongSizeMessage(path, bytes->size(), kKeymapFileSize, *moved)};
    }
    if (!skipImage) {
        std::copy_n(bytes->begin(), image::kSize, image.bytes().begin());
    }
    std::copy_n(bytes->begin() + image::kSize, AssignmentTable::kBytes, table.bytes().begin());
    table.writeOwnKeys();
    return LoadReport{LoadOutcome::Loaded, {}};
}

Status SaveKeymapFile(const fs::path& path, const ConfigImage& image,
                      const AssignmentTable& table) {
    return writeFileAtomically(path, {image.bytes(), table.bytes()});
}

Status LoadProfileFile(const fs::path& path, ConfigImage& image, AssignmentTable& table) {
    bool wrongSize = false;
    auto bytes = readExact(path, kKeymapFileSize, wrongSize);
    if (!bytes) {
        return bytes.error();
    }
    if (wrongSize) {
        return makeError(ErrorCode::BadFile,
                         path.string() + " has " + std::to_string(bytes->size()) +
                             " bytes; a profile has " + std::to_string(kKeymapFileSize));
    }
    std::copy_n(bytes->begin(), image::kSize, image.bytes().begin());
    std::copy_n(bytes->begin() + image::kSize, AssignmentTable::kBytes, table.bytes().begin());
    table.writeOwnKeys();
    return {};
}

Result<LoadReport> LoadMacroFile(const fs::path& path, MacroTable& table) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        table.clear();
        if (auto s = SaveMacroFile(path, table); !s) {
            return s.error();
        }
        return LoadReport{LoadOutcome::Created, {}};
    }
    bool wrongSize = false;
    auto bytes = readExact(path, kMacroFileSize, wrongSize);
    if (!bytes) {
        return bytes.error();
    }
    if (wrongSize) {
        auto moved = moveAside(path);
        if (!moved) {
            return moved.error();
        }
        table.clear();
        if (auto s = SaveMacroFile(path, table); !s) {
            return s.error();
        }
        return LoadReport{LoadOutcome::MovedAside,
                          wrongSizeMessage(path, bytes->size(), kMacroFileSize, *moved)};
    }
    std::copy(bytes->begin(), bytes->end(), table.bytes().begin());
    LoadReport report{LoadOutcome::Loaded, {}};
    const MacroCompaction c = compactMacroTable(table);
    if (c.moved) {
        report.repaired = true;
        report.message = path.filename().string() + " had unused records between its macros; the " +
                         std::to_string(c.used) + " macros were moved together in their order.";
    }
    if (c.used > macro::kMaxMacros) {
        report.repaired = true;
        if (!report.message.empty()) {
            report.message += ' ';
        }
        report.message += path.filename().string() + " holds " + std::to_string(c.used) +
                          " macros; the keyboard takes 32, so macros 33 and later are kept "
                          "but never sent to it.";
    }
    return report;
}

Status SaveMacroFile(const fs::path& path, const MacroTable& table) {
    return writeFileAtomically(path, {table.bytes()});
}

FirmwareVersion LoadVersionFile(const fs::path& path) {
    auto bytes = readWholeFile(path);
    if (!bytes || bytes->size() < 8) {
        return {};
    }
    const auto isDigit = [](std::uint8_t b) { return b >= '0' && b <= '9'; };
    const std::uint8_t major = (*bytes)[5];
    const std::uint8_t minor = (*bytes)[7];
    if (!isDigit(major) || !isDigit(minor)) {
        return {};
    }
    return FirmwareVersion{static_cast<std::uint8_t>(major - '0'),
                           static_cast<std::uint8_t>(minor - '0')};
}

} // namespace vantrel
