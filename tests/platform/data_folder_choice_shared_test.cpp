// SPDX-License-Identifier: MIT
// Which data folder a run uses and why: the rule of the Windows build as a
// pure function (so it is checked on every system), and the real probe of
// whether a folder takes new files.
#include "core/util/path_text.h"
#include "platform/data_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;

TEST(DataFolderChoice, APortableCopyKeepsItsFilesBesideTheProgram) {
    const fs::path program = pathFromText("D:\\Vantrel");
    const auto choice = chooseProgramOrLocalFolder(program, true, pathFromText("C:\\Users\\a\\L"));
    EXPECT_EQ(choice.folder, program);
    EXPECT_EQ(choice.reason, DataFolderReason::ProgramFolder);
    EXPECT_EQ(reasonText(choice.reason), "program folder");
}

TEST(DataFolderChoice, AnInstalledCopyUsesTheUsersLocalApplicationData) {
    const fs::path local = pathFromText("C:\\Users\\Пользователь\\AppData\\Local");
    const auto choice =
        chooseProgramOrLocalFolder(pathFromText("C:\\Program Files\\Vantrel"), false, local);
    EXPECT_EQ(choice.folder, local / "Vantrel");
    EXPECT_EQ(pathText(choice.folder.filename()), "Vantrel");
    EXPECT_EQ(choice.reason, DataFolderReason::LocalAppData);
    EXPECT_EQ(reasonText(choice.reason),
              "local application data: the program folder is not writable");
    EXPECT_EQ(reasonKey(choice.reason), "localAppData");
}

TEST(DataFolderChoice, AnInstalledCopyUsesLocalApplicationDataEvenWhereItCouldWriteItsOwnFolder) {
    const fs::path local = pathFromText("C:\\Users\\用户\\AppData\\Local");
    const fs::path program = pathFromText("C:\\Users\\用户\\AppData\\Local\\Programs\\Vantrel");
    for (const bool writable : {true, false}) {
        const auto choice = chooseProgramOrLocalFolder(program, writable, local, true);
        EXPECT_EQ(choice.folder, local / "Vantrel");
        EXPECT_EQ(choice.reason, DataFolderReason::InstalledCopy);
        EXPECT_EQ(reasonKey(choice.reason), "installedCopy");
    }
    // Nowhere else to go: the installed copy's own folder, as a portable one.
    EXPECT_EQ(chooseProgramOrLocalFolder(program, true, std::nullopt, true).reason,
              DataFolderReason::ProgramFolder);
}

TEST(DataFolderChoice, WithoutLocalApplicationDataTheProgramFolderStaysAndSaysSo) {
    const fs::path program = pathFromText("C:\\Program Files\\Vantrel");
    for (const auto& none : {std::optional<fs::path>(), std::optional<fs::path>(fs::path())}) {
        const auto choice = chooseProgramOrLocalFolder(program, false, none);
        EXPECT_EQ(choice.folder, program);
        EXPECT_EQ(choice.reason, DataFolderReason::ProgramFolderReadOnly);
    }
}

TEST(DataFolderChoice, TheCommandLineAndTheSimulatorComeFirst) {
    const fs::path given = pathFromText("Z:\\tmp\\данные");
    const auto chosen = explainDataFolder(given, true, std::nullopt);
    EXPECT_EQ(chosen.folder, given);
    EXPECT_EQ(chosen.reason, DataFolderReason::GivenOnCommandLine);
    const auto simulated = explainDataFolder(std::nullopt, true, std::nullopt);
    EXPECT_EQ(simulated.reason, DataFolderReason::Simulated);
    EXPECT_EQ(pathText(simulated.folder.filename()), "simulated");
    EXPECT_EQ(chooseDataFolder(given, false, std::nullopt), given);
}

TEST(DataFolderChoice, TheProbeCreatesAFileForRealAndLeavesNothing) {
    vantrel::testing::TempDir dir;
    const fs::path folder = dir / "проба";
    EXPECT_FALSE(canCreateFilesIn(folder)); // not there
    fs::create_directory(folder);
    EXPECT_TRUE(canCreateFilesIn(folder));
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace vantrel::platform
