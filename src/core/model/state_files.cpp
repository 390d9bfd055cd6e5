// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"

#include "core/macro/macro_list.h"
#include "core/util/atomic_file.h"
#include "core/util/file_read.h"
#include "core/util/folders.h"
#include "core/util/path_text.h"
#include "core/util/translatable.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

// VER.bin: the major version is the ASCII digit in byte 5, the minor one in
// byte 7; nothing after them is used.
constexpr std::size_t kVersionMajorByte = 5;
constexpr std::size_t kVersionMinorByte = 7;
constexpr std::size_t kVersionBytesUsed = kVersionMinorByte + 1;

std::string wrongSizeMessage(const fs::path& path, std::uint64_t actual, std::size_t expected,
                             const fs::path& movedTo) {
    return pathText(path.filename()) + " has " + std::to_string(actual) + " bytes instead of " +
           std::to_string(expected) + "; it was moved to " + pathText(movedTo) +
           " and the defaults are used";
}

// The bytes of a state file that must have exactly `expected` bytes, or how
// the defaults took its place: a missing file is created, a file of the wrong
// size is moved aside first so that the user's bytes are never lost.
struct FixedSizeFile {
    std::vector<std::uint8_t> bytes;
    std::optional<LoadReport> replaced;
};

Result<FixedSizeFile> openFixedSizeFile(const fs::path& path, std::size_t expected,
                                        const std::function<Status()>& writeDefaults) {
    auto file = readFileOfSize(path, expected);
    if (!file) {
        return file.error();
    }
    if (!file->exists) {
        if (auto s = writeDefaults(); !s) {
            return s.error();
        }
        return FixedSizeFile{{}, LoadReport{LoadOutcome::Created, {}}};
    }
    if (file->size == expected) {
        return FixedSizeFile{std::move(file->bytes), std::nullopt};
    }
    auto moved = moveAside(path);
    if (!moved) {
        return moved.error();
    }
    if (auto s = writeDefaults(); !s) {
        return s.error();
    }
    return FixedSizeFile{
        {},
        LoadReport{LoadOutcome::MovedAside, wrongSizeMessage(path, file->size, expected, *moved)}};
}

} // namespace

Status DataFolder::ensureExists() const {
    // The folder holds the user's settings and launch paths: folders made
    // here are the user's alone. Folders that already exist keep their mode.
    std::error_code ec = createFolders(folder_, [](const fs::path& made) {
        std::error_code ignored;
        fs::permissions(made, fs::perms::owner_all, fs::perm_options::replace, ignored);
    });
    if (!ec && !fs::is_directory(folder_, ec) && !ec) {
        ec = std::make_error_code(std::errc::not_a_directory);
    }
    if (ec) {
        return makeError(ErrorCode::Io, "cannot create the data folder " + pathText(folder_) +
                                            ": " + ec.message());
    }
    return {};
}

std::vector<fs::path> DataFolder::removeStaleTemporaries() const {
    std::vector<fs::path> removed = vantrel::removeStaleTemporaries(keymap());
    for (fs::path& p : vantrel::removeStaleTemporaries(macros())) {
        removed.push_back(std::move(p));
    }
    return removed;
}

Result<LoadReport> LoadKeymapFile(const fs::path& path, ConfigImage& image, AssignmentTable& table,
                                  bool skipImage) {
    auto file = openFixedSizeFile(path, kKeymapFileSize, [&] {
        table.clear();
        return SaveKeymapFile(path, image, table);
    });
    if (!file) {
        return file.error();
    }
    if (file->replaced) {
        table.writeOwnKeys();
        return *file->replaced;
    }
    if (!skipImage) {
        std::copy_n(file->bytes.begin(), image::kSize, image.bytes().begin());
    }
    std::copy_n(file->bytes.begin() + image::kSize, AssignmentTable::kBytes, table.bytes().begin());
    table.writeOwnKeys();
    return LoadReport{LoadOutcome::Loaded, {}};
}

Status SaveKeymapFile(const fs::path& path, const ConfigImage& image,
                      const AssignmentTable& table) {
    return writeFileAtomically(path, {image.bytes(), table.bytes()});
}

Status LoadProfileFile(const fs::path& path, ConfigImage& image, AssignmentTable& table) {
    auto file = readFileOfSize(path, kKeymapFileSize);
    if (!file) {
        return file.error();
    }
    if (!file->exists) {
        return makeError(
            ErrorCode::Io,
            MessageText{VANTREL_TR_NOOP("CoreMessage", "cannot open %1: there is no such file"),
                        {pathText(path)}});
    }
    if (file->size != kKeymapFileSize) {
        return makeError(
            ErrorCode::BadFile,
            MessageText{
                VANTREL_TR_NOOP("CoreMessage", "%1 has %2 bytes; a profile has %3"),
                {pathText(path), std::to_string(file->size), std::to_string(kKeymapFileSize)}});
    }
    const auto& bytes = file->bytes;
    std::copy_n(bytes.begin(), image::kSize, image.bytes().begin());
    std::copy_n(bytes.begin() + image::kSize, AssignmentTable::kBytes, table.bytes().begin());
    table.writeOwnKeys();
    return {};
}

Result<LoadReport> LoadMacroFile(const fs::path& path, MacroTable& table) {
    auto file = openFixedSizeFile(path, kMacroFileSize, [&] {
        table.clear();
        return SaveMacroFile(path, table);
    });
    if (!file) {
        return file.error();
    }
    if (file->replaced) {
        return *file->replaced;
    }
    std::copy(file->bytes.begin(), file->bytes.end(), table.bytes().begin());
    LoadReport report{LoadOutcome::Loaded, {}};
    const MacroCompaction c = compactMacroTable(table);
    if (c.moved) {
        report.repaired = true;
        report.message = pathText(path.filename()) +
                         " had unused records between its macros; the " + std::to_string(c.used) +
                         " macros were moved together in their order.";
    }
    if (c.used > macro::kMaxMacros) {
        report.repaired = true;
        if (!report.message.empty()) {
            report.message += ' ';
        }
        report.message += pathText(path.filename()) + " holds " + std::to_string(c.used) +
                          " macros; the keyboard takes 32, so macros 33 and later are kept "
                          "but never sent to it.";
    }
    return report;
}

Status SaveMacroFile(const fs::path& path, const MacroTable& table) {
    return writeFileAtomically(path, {table.bytes()});
}

Result<FirmwareVersion> LoadVersionFile(const fs::path& path) {
    auto file = readFileStart(path, kVersionBytesUsed);
    if (!file) {
        return file.error();
    }
    const auto& bytes = file->bytes;
    if (bytes.size() < kVersionBytesUsed) {
        return FirmwareVersion{};
    }
    const auto isDigit = [](std::uint8_t b) { return b >= '0' && b <= '9'; };
    const std::uint8_t major = bytes[kVersionMajorByte];
    const std::uint8_t minor = bytes[kVersionMinorByte];
    if (!isDigit(major) || !isDigit(minor)) {
        return FirmwareVersion{};
    }
    return FirmwareVersion{static_cast<std::uint8_t>(major - '0'),
                           static_cast<std::uint8_t>(minor - '0')};
}

} // namespace vantrel
