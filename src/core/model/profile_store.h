// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/model/config_image.h"
#include "core/util/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One profile file of the profile folder: its name is the file name
// without ".bin".
struct ProfileEntry {
    std::string name;
    std::filesystem::path path;
};

// The profile folder ("Configure" in the data folder) and the profile file
// last exported or imported in this run (the current profile file), whose
// copy in the folder follows it. Every file operation reports its failure;
// none is skipped silently.
class ProfileStore {
public:
    // At most this many files are listed.
    static constexpr std::size_t kMaxProfiles = 255;
    static constexpr std::string_view kExtension = ".bin";

    explicit ProfileStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }
    const std::optional<std::filesystem::path>& currentFile() const { return current_; }

    // The regular "*.bin" files of the folder, in directory order; a missing
    // folder lists nothing.
    Result<std::vector<ProfileEntry>> list() const;

    // Reads a profile file into `image` and `table`. Anything but a regular
    // file of exactly the size of keymap.bin is refused and leaves both as
    // they were. On success the file becomes the current profile file.
    Status importFrom(const std::filesystem::path& file, ConfigImage& image,
                      AssignmentTable& table);
    // Writes `image` and `table` to `file` (atomically); on success it becomes
    // the current profile file.
    Status exportTo(const std::filesystem::path& file, const ConfigImage& image,
                    const AssignmentTable& table);

    // Puts profile `name` in place of profile `keep` (none: beside the
    // others): a copy of the current profile file when that lies outside the
    // folder and `keep` is its copy there (or there is no `keep`); otherwise
    // `keep`'s own file renamed (or the current file, when it lies in the
    // folder). Nothing is deleted before the new file is in place, and no
    // profile but `keep` is deleted.
    Status replaceWith(std::string_view name, const std::optional<std::filesystem::path>& keep);

    // Creates "<name>.bin" holding the 10,088 zero bytes of an empty image
    // (no assignment records); an existing file is never replaced.
    Status createEmpty(std::string_view name);
    Status remove(const std::filesystem::path& file);

    // The profile name of a chosen file: its file name cut at the first ".".
    static std::string nameOf(const std::filesystem::path& file);
    // Whether `name` can name a profile file of the folder.
    static Status checkName(std::string_view name);
    std::filesystem::path pathOf(std::string_view name) const;

private:
    bool inFolder(const std::filesystem::path& file) const;

    std::filesystem::path folder_;
    std::optional<std::filesystem::path> current_;
};

} // namespace vantrel
