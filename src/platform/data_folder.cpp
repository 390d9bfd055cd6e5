// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"

#include "core/util/path_text.h"
#include "platform/data_folder_parts.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace vantrel::platform {
namespace fs = std::filesystem;

std::string reasonText(DataFolderReason reason) {
    switch (reason) {
    case DataFolderReason::GivenOnCommandLine:
        return "given with --data-dir";
    case DataFolderReason::Simulated:
        return "the simulated keyboard's own folder";
    case DataFolderReason::ProgramFolder:
        return "program folder";
    case DataFolderReason::LocalAppData:
        return "local application data: the program folder is not writable";
    case DataFolderReason::InstalledCopy:
        return "local application data: the program was installed";
    case DataFolderReason::ProgramFolderReadOnly:
        return "program folder, which is not writable; the system names no local application "
               "data folder";
    case DataFolderReason::UserConfiguration:
        break;
    }
    return "the user's configuration folder";
}

std::string reasonKey(DataFolderReason reason) {
    switch (reason) {
    case DataFolderReason::GivenOnCommandLine:
        return "dataDirOption";
    case DataFolderReason::Simulated:
        return "simulated";
    case DataFolderReason::ProgramFolder:
        return "programFolder";
    case DataFolderReason::LocalAppData:
        return "localAppData";
    case DataFolderReason::InstalledCopy:
        return "installedCopy";
    case DataFolderReason::ProgramFolderReadOnly:
        return "programFolderReadOnly";
    case DataFolderReason::UserConfiguration:
        break;
    }
    return "userConfiguration";
}

DataFolderChoice chooseProgramOrLocalFolder(const fs::path& programFolder,
                                            bool programFolderWritable,
                                            const std::optional<fs::path>& localAppData,
                                            bool installed) {
    const bool local = localAppData && !localAppData->empty();
    if (installed && local) {
        return {*localAppData / "Vantrel", DataFolderReason::InstalledCopy};
    }
    if (programFolderWritable) {
        return {programFolder, DataFolderReason::ProgramFolder};
    }
    if (local) {
        return {*localAppData / "Vantrel", DataFolderReason::LocalAppData};
    }
    return {programFolder, DataFolderReason::ProgramFolderReadOnly};
}

bool canCreateFilesIn(const fs::path& folder) {
    std::random_device rd;
    char name[48];
    std::snprintf(name, sizeof name, "vantrel-write-test-%08x.tmp", static_cast<unsigned>(rd()));
    const fs::path probe = folder / name;
    bool created = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        created = static_cast<bool>(out);
    }
    std::error_code ec;
    const bool removed = created && fs::remove(probe, ec);
    return created && removed;
}

fs::path defaultDataFolder() {
    return defaultDataFolderChoice().folder;
}

namespace {

// FNV-1a: the same name for the same state file in every run and build.
std::uint32_t stableHash(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (const unsigned char c : text) {
        h = (h ^ c) * 16777619u;
    }
    return h;
}

std::string folderNameFor(const fs::path& simState) {
    constexpr std::size_t kMaxStem = 40;
    std::string stem;
    for (const char c : pathText(simState.stem())) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (stem.size() < kMaxStem) {
            stem.push_back(plain ? c : '_');
        }
    }
    std::error_code ec;
    const fs::path full = fs::absolute(simState, ec).lexically_normal();
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x",
                  static_cast<unsigned>(stableHash(pathText(ec ? simState : full))));
    return "simulated-" + stem + "-" + hash;
}

} // namespace

fs::path simulatedDataFolder(const std::optional<fs::path>& simState) {
    return stateFolder() / (simState ? folderNameFor(*simState) : std::string("simulated"));
}

DataFolderChoice explainDataFolder(const std::optional<fs::path>& dataDir, bool simulate,
                                   const std::optional<fs::path>& simState) {
    if (dataDir) {
        return {*dataDir, DataFolderReason::GivenOnCommandLine};
    }
    if (simulate || simState) {
        return {simulatedDataFolder(simState), DataFolderReason::Simulated};
    }
    return defaultDataFolderChoice();
}

fs::path chooseDataFolder(const std::optional<fs::path>& dataDir, bool simulate,
                          const std::optional<fs::path>& simState) {
    return explainDataFolder(dataDir, simulate, simState).folder;
}

} // namespace vantrel::platform
