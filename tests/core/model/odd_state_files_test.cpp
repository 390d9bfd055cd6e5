// SPDX-License-Identifier: MIT
// State files that are damaged twice, or are not files at all, and the modes
// the files and their folder get.
#include "core/model/state_files.h"
#include "core/util/atomic_file.h"
#include "support/temp_dir.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifndef _WIN32
// Modes and named pipes are POSIX matters; Windows has neither.
unsigned modeOf(const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st.st_mode & 07777;
}

// Runs `load` and gives up after a few seconds instead of hanging the test
// run: a named pipe without a writer blocks a plain open for good. A hung
// load is set free by opening the pipe for writing.
Status loadWithin(const std::function<Status()>& load, const fs::path& pipe) {
    auto pending = std::async(std::launch::async, load);
    if (pending.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return pending.get();
    }
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    pending.wait();
    if (writer >= 0) {
        ::close(writer);
    }
    return makeError(ErrorCode::Cancelled, "the load hung on " + pipe.string());
}
#endif

TEST(OddStateFiles, EveryDamagedOriginalIsKept) {
    TempDir dir;
    const fs::path keymap = dir / "keymap.bin";
    ConfigImage image;
    AssignmentTable table;
    for (const char* damaged : {"first", "second", "third"}) {
        writeText(keymap, damaged);
        auto r = LoadKeymapFile(keymap, image, table, false);
        ASSERT_TRUE(r.ok()) << r.error().message;
        EXPECT_EQ(r->outcome, LoadOutcome::MovedAside);
    }
    EXPECT_EQ(readText(dir / "keymap.bin.bad"), "first");
    EXPECT_EQ(readText(dir / "keymap.bin.bad.1"), "second");
    EXPECT_EQ(readText(dir / "keymap.bin.bad.2"), "third");
    EXPECT_EQ(fs::file_size(keymap), kKeymapFileSize);

    writeText(dir / "MacroDefine.bin", "one");
    MacroTable macros;
    ASSERT_TRUE(LoadMacroFile(dir / "MacroDefine.bin", macros).ok());
    writeText(dir / "MacroDefine.bin", "two");
    auto second = LoadMacroFile(dir / "MacroDefine.bin", macros);
    ASSERT_TRUE(second.ok());
    EXPECT_NE(second->message.find("MacroDefine.bin.bad.1"), std::string::npos) << second->message;
    EXPECT_EQ(readText(dir / "MacroDefine.bin.bad"), "one");
    EXPECT_EQ(readText(dir / "MacroDefine.bin.bad.1"), "two");
}

// A folder, a named pipe or a huge sparse file where a state file belongs:
// refused with the file's name, quickly, without reading it into memory,
// and nothing is moved or written over.
TEST(OddStateFiles, WhatIsNotARegularFileIsRefusedByName) {
    TempDir dir;
    ConfigImage image;
    AssignmentTable table;
    MacroTable macros;
    const std::vector<std::pair<std::string, std::function<Status(const fs::path&)>>> loaders = {
        {"keymap.bin",
         [&](const fs::path& p) -> Status {
             auto r = LoadKeymapFile(p, image, table, false);
             return r ? Status::success() : Status(r.error());
         }},
        {"MacroDefine.bin",
         [&](const fs::path& p) -> Status {
             auto r = LoadMacroFile(p, macros);
             return r ? Status::success() : Status(r.error());
         }},
        {"VER.bin",
         [&](const fs::path& p) -> Status {
             auto r = LoadVersionFile(p);
             return r ? Status::success() : Status(r.error());
         }},
        {"profile.bin", [&](const fs::path& p) { return LoadProfileFile(p, image, table); }},
    };
    for (const auto& [name, load] : loaders) {
        const fs::path folder = dir / (name + ".folder");
        fs::create_directories(folder / name);
        Status s = load(folder / name);
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_EQ(s.error().code, ErrorCode::Io) << name;
        EXPECT_NE(s.error().message.find(name + " is a folder"), std::string::npos)
            << s.error().message;
        EXPECT_TRUE(fs::is_directory(folder / name)) << name;

#ifndef _WIN32
        const fs::path pipeFolder = dir / (name + ".pipe");
        fs::create_directories(pipeFolder);
        const fs::path pipe = pipeFolder / name;
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        Status p = loadWithin([&] { return load(pipe); }, pipe);
        ASSERT_FALSE(p.ok()) << name;
        EXPECT_NE(p.error().message.find(name + " is a named pipe"), std::string::npos)
            << p.error().message;
        EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo) << name;
#endif
    }

    // Sparse: 64 GiB on paper, nothing on disk. The size alone decides.
    const fs::path huge = dir / "keymap.bin";
    { std::ofstream out(huge, std::ios::binary); }
    fs::resize_file(huge, std::uintmax_t{64} << 30);
    auto r = LoadKeymapFile(huge, image, table, false);
    ASSERT_TRUE(r.ok()) << r.error().message;
    EXPECT_EQ(r->outcome, LoadOutcome::MovedAside);
    EXPECT_EQ(fs::file_size(dir / "keymap.bin.bad"), std::uintmax_t{64} << 30);
    auto version = LoadVersionFile(dir / "keymap.bin.bad"); // only 8 bytes are read
    ASSERT_TRUE(version.ok());
    EXPECT_EQ(*version, FirmwareVersion{});
}

#ifndef _WIN32
TEST(OddStateFiles, FolderIsTheUsersAloneAndSavesKeepAFilesMode) {
    TempDir dir;
    const DataFolder folder(dir / "config" / "vantrel");
    ASSERT_TRUE(folder.ensureExists().ok());
    EXPECT_EQ(modeOf(dir / "config"), 0700u);
    EXPECT_EQ(modeOf(folder.path()), 0700u);
    fs::permissions(dir / "config",
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    ASSERT_TRUE(folder.ensureExists().ok());
    EXPECT_EQ(modeOf(dir / "config"), 0750u) << "an existing folder keeps its mode";

    ConfigImage image;
    AssignmentTable table;
    ASSERT_TRUE(SaveKeymapFile(folder.keymap(), image, table).ok());
    ::chmod(folder.keymap().c_str(), 0600);
    image.setLightEffect(3);
    ASSERT_TRUE(SaveKeymapFile(folder.keymap(), image, table).ok());
    EXPECT_EQ(modeOf(folder.keymap()), 0600u);
    ::chmod(folder.keymap().c_str(), 0640);
    ASSERT_TRUE(SaveKeymapFile(folder.keymap(), image, table).ok());
    EXPECT_EQ(modeOf(folder.keymap()), 0640u);
}
#endif

} // namespace
} // namespace vantrel
