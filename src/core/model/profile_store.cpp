// SPDX-License-Identifier: MIT
#include "core/model/profile_store.h"

#include "core/model/state_files.h"
#include "core/util/atomic_file.h"
#include "core/util/file_read.h"
#include "core/util/folders.h"
#include "core/util/path_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

// A file the system reports busy is tried again a few times; any other
// failure is told at once.
constexpr int kBusyRetries = 10;
constexpr auto kBusyPause = std::chrono::milliseconds(200);

bool busy(const std::error_code& ec) {
    return ec == std::errc::device_or_resource_busy || ec == std::errc::text_file_busy;
}

template <class Op> std::error_code retryWhileBusy(Op op) {
    std::error_code ec;
    for (int attempt = 0;; ++attempt) {
        ec.clear();
        op(ec);
        if (!ec || !busy(ec) || attempt == kBusyRetries) {
            return ec;
        }
        std::this_thread::sleep_for(kBusyPause);
    }
}

Error ioError(const std::string& what, const fs::path& path, const std::error_code& ec) {
    return makeError(ErrorCode::Io, what + " " + pathText(path) + ": " + ec.message());
}

bool hasExtension(const fs::path& p) {
    const std::string name = pathText(p.filename());
    const auto n = ProfileStore::kExtension.size();
    if (name.size() <= n) {
        return false;
    }
    return std::equal(
        name.end() - static_cast<std::ptrdiff_t>(n), name.end(), ProfileStore::kExtension.begin(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

Result<std::vector<ProfileEntry>> ProfileStore::list() const {
    std::vector<ProfileEntry> out;
    std::error_code ec;
    if (!fs::exists(folder_, ec)) {
        return out;
    }
    fs::directory_iterator it(folder_, ec);
    if (ec) {
        return ioError("cannot list", folder_, ec);
    }
    for (const fs::directory_entry& e : it) {
        if (out.size() == kMaxProfiles) {
            break;
        }
        std::error_code typeError;
        if (!e.is_regular_file(typeError) || !hasExtension(e.path())) {
            continue;
        }
        std::string name = pathText(e.path().filename());
        name.resize(name.size() - kExtension.size());
        out.push_back({std::move(name), e.path()});
    }
    return out;
}

Status ProfileStore::importFrom(const fs::path& file, ConfigImage& image, AssignmentTable& table) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return makeError(ErrorCode::BadFile, pathText(file) + " is not a profile file");
    }
    // Read into copies: a refused file must not leave half of itself behind.
    ConfigImage newImage = image;
    AssignmentTable newTable = table;
    if (Status s = LoadProfileFile(file, newImage, newTable); !s.ok()) {
        return s;
    }
    image = newImage;
    table = newTable;
    current_ = file;
    return Status::success();
}

Status ProfileStore::exportTo(const fs::path& file, const ConfigImage& image,
                              const AssignmentTable& table) {
    if (Status s = SaveKeymapFile(file, image, table); !s.ok()) {
        return s;
    }
    current_ = file;
    return Status::success();
}

std::string ProfileStore::nameOf(const fs::path& file) {
    std::string name = pathText(file.filename());
    if (const auto dot = name.find('.'); dot != std::string::npos) {
        name.resize(dot);
    }
    return name;
}

Status ProfileStore::checkName(std::string_view name) {
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string_view::npos || control) {
        return makeError(ErrorCode::InvalidArgument,
                         "\"" + std::string(name) + "\" cannot name a profile file");
    }
    if (name.size() + kExtension.size() > 255) {
        return makeError(ErrorCode::InvalidArgument, "a profile name is at most 251 bytes long");
    }
    return Status::success();
}

fs::path ProfileStore::pathOf(std::string_view name) const {
    fs::path file = folder_ / pathFromText(name);
    if (!hasExtension(file)) {
        file += std::string(kExtension);
    }
    return file;
}

bool ProfileStore::inFolder(const fs::path& file) const {
    std::error_code a, b;
    const fs::path dir = fs::weakly_canonical(folder_, a);
    const fs::path parent = fs::weakly_canonical(file, b).parent_path();
    return !a && !b && dir == parent;
}

Status ProfileStore::replaceWith(std::string_view name, const std::optional<fs::path>& keep) {
    if (Status s = checkName(name); !s.ok()) {
        return s;
    }
    const fs::path target = pathOf(name);
    auto before = list();
    if (!before) {
        return before.error();
    }
    std::error_code ec;
    ec = createFolders(folder_);
    if (ec) {
        return ioError("cannot create", folder_, ec);
    }

    std::error_code currentType;
    const bool currentOutside =
        current_ && fs::is_regular_file(*current_, currentType) && !inFolder(*current_);
    // The folder's copy of the current file follows that file; any other
    // profile being renamed keeps its own contents.
    const bool mirrorsCurrent = currentOutside && (!keep || nameOf(*keep) == nameOf(*current_));
    if (mirrorsCurrent) {
        auto file = readFileOfSize(*current_, kKeymapFileSize);
        if (!file) {
            return file.error();
        }
        if (file->size != kKeymapFileSize) {
            return makeError(ErrorCode::BadFile,
                             current_->string() + " has " + std::to_string(file->size) +
                                 " bytes; a profile has " + std::to_string(kKeymapFileSize));
        }
        if (Status s = writeFileAtomically(target, {file->bytes}); !s.ok()) {
            return s;
        }
    } else {
        // Nothing to copy from: keep the profile that is there under the new
        // name instead of deleting it.
        std::error_code gone;
        const std::optional<fs::path> source =
            !currentOutside && current_ && fs::exists(*current_, gone) ? current_ : keep;
        if (source && fs::exists(*source, ec) && !fs::equivalent(*source, target, ec)) {
            const fs::path from = *source;
            ec = retryWhileBusy([&](std::error_code& e) { fs::rename(from, target, e); });
            if (ec) {
                return ioError("cannot rename", from, ec);
            }
            if (current_ && *current_ == from) {
                current_ = target;
            }
        } else if (!fs::exists(target, ec)) {
            return makeError(ErrorCode::Io, "no profile file to keep as " + pathText(target));
        }
    }

    // The new file is in place: the profile it replaces goes; every other
    // profile of the folder stays (profiles are also kept by name).
    std::error_code same;
    if (keep && fs::exists(*keep, same) && !fs::equivalent(*keep, target, same)) {
        if (Status s = remove(*keep); !s.ok()) {
            return s;
        }
    }
    return Status::success();
}

Status ProfileStore::createEmpty(std::string_view name) {
    if (Status s = checkName(name); !s.ok()) {
        return s;
    }
    std::error_code ec;
    ec = createFolders(folder_);
    if (ec) {
        return ioError("cannot create", folder_, ec);
    }
    const fs::path file = pathOf(name);
    if (fs::exists(file, ec)) {
        return makeError(ErrorCode::Io, pathText(file) + " exists already");
    }
    const std::vector<std::uint8_t> zeros(image::kSize, 0);
    return writeFileAtomically(file, {zeros});
}

Status ProfileStore::remove(const fs::path& file) {
    const std::error_code ec = retryWhileBusy([&](std::error_code& e) { fs::remove(file, e); });
    if (ec) {
        return ioError("cannot delete", file, ec);
    }
    if (current_ && *current_ == file) {
        current_.reset();
    }
    return Status::success();
}

} // namespace vantrel
