// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_table.h"
#include "core/model/assignment_record.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/util/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr std::size_t kKeymapFileSize = image::kSize + AssignmentTable::kBytes;
static_assert(kKeymapFileSize == 206948);
inline constexpr std::size_t kMacroFileSize = MacroTable::kBytes;
inline constexpr const char* kKeymapFileName = "keymap.bin";
inline constexpr const char* kMacroFileName = "MacroDefine.bin";
inline constexpr const char* kVersionFileName = "VER.bin";
inline constexpr const char* kProfileFolderName = "Configure";

// Where the local state files live.
class DataFolder {
public:
    explicit DataFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    const std::filesystem::path& path() const { return folder_; }
    std::filesystem::path keymap() const { return folder_ / kKeymapFileName; }
    std::filesystem::path macros() const { return folder_ / kMacroFileName; }
    std::filesystem::path version() const { return folder_ / kVersionFileName; }
    std::filesystem::path profiles() const { return folder_ / kProfileFolderName; }
    // Creates the folder if needed, and any missing parent, for the user
    // alone (0700).
    Status ensureExists() const;
    // Removes the temporary files that saves of keymap.bin and
    // MacroDefine.bin cut short by a crash left in the folder, and nothing
    // else. Only for the holder of the folder's lock: a save in progress
    // elsewhere would lose its file. Returns what was removed.
    std::vector<std::filesystem::path> removeStaleTemporaries() const;

private:
    std::filesystem::path folder_;
};

// How a load went. A file of the wrong size is never half-loaded: it is
// moved aside (name + ".bad", or ".bad.1" ... when older ones are there) and
// the state starts from the defaults; the message tells the user where the
// old bytes went. Anything that is not a regular file is refused unread.
enum class LoadOutcome { Loaded, Created, MovedAside };
struct LoadReport {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::string message; // set for MovedAside, and for a repaired macro table
    // MacroDefine.bin only: its used records were moved together, or it holds
    // more macros than the keyboard takes (see message).
    bool repaired = false;
};

// Loads keymap.bin. With skipImage the image part is left untouched and only
// the assignment table is read. A missing file is created from the current
// image and a zeroed table. On success the own-key codes are rewritten into
// the first 108 records (also when the file was created).
Result<LoadReport> LoadKeymapFile(const std::filesystem::path& path, ConfigImage& image,
                                  AssignmentTable& table, bool skipImage);
Status SaveKeymapFile(const std::filesystem::path& path, const ConfigImage& image,
                      const AssignmentTable& table);

// Reads a profile file (keymap.bin layout) without creating anything. A file
// of the wrong size is refused and leaves image and table unchanged.
Status LoadProfileFile(const std::filesystem::path& path, ConfigImage& image,
                       AssignmentTable& table);

// Loads MacroDefine.bin; a missing file is created all zero. Used records
// with unused ones between them are moved together (the file itself is
// rewritten only by the next save); more than 32 macros stay in the table,
// but only the first 32 reach the keyboard. Both are told in the report.
Result<LoadReport> LoadMacroFile(const std::filesystem::path& path, MacroTable& table);
Status SaveMacroFile(const std::filesystem::path& path, const MacroTable& table);

// VER.bin names the firmware version that the updater brings: byte 5 is the
// major and byte 7 the minor version as ASCII digits; only those first 8
// bytes are read. A missing, short or malformed file gives 0.0, which never
// prompts for an update; something that is not a file there (a folder, a
// named pipe) is an Io error naming it.
Result<FirmwareVersion> LoadVersionFile(const std::filesystem::path& path);

} // namespace vantrel
