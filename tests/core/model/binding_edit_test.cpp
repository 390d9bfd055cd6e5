// SPDX-License-Identifier: MIT
// Bind and unbind as vantrelctl and the window make them: one profile per
// program, a damaged file refused without writing, the words tried in
// order, and core's sentences with their arguments.
#include "core/model/binding_edit.h"
#include "core/util/translatable.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

std::string textOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BindingEdit : public ::testing::Test {
protected:
    vantrel::testing::TempDir dir;
    fs::path file = dir / "config" / kBindingsFileName;
    fs::path aside = dir / "config" / (std::string(kBindingsFileName) + ".bad");
};

TEST_F(BindingEdit, ABindingMovesToTheNewProfileAndSaysFromWhere) {
    auto first = BindProgramInFile(file, "/opt/kart", "Racing");
    ASSERT_TRUE(first) << first.error().message;
    EXPECT_FALSE(first->movedFrom);
    ASSERT_TRUE(BindProgramInFile(file, "class:Code", "Work"));
    // The same profile again moves nothing.
    auto again = BindProgramInFile(file, "/opt/kart", "Racing");
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->movedFrom);

    auto moved = BindProgramInFile(file, "/opt/kart", "Work");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->movedFrom, "Racing");
    auto loaded = LoadBindingsFile(file);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->bindings.all().size(), 2u);
    EXPECT_EQ(loaded->bindings.profileFor({"/opt/kart", ""}), "Work");
    EXPECT_EQ(loaded->bindings.profileFor({"", "code"}), "Work");
}

TEST_F(BindingEdit, BadProgramsAreRefusedBeforeTheFileIsTouched) {
    for (const char* bad : {"relative/kart", "class:", "/opt/ka\trt"}) {
        auto r = BindProgramInFile(file, bad, "Racing");
        ASSERT_FALSE(r) << bad;
        EXPECT_EQ(r.error().code, ErrorCode::InvalidArgument);
    }
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(BindingEdit, ADamagedFileIsSetAsideAndTheChangeIsNotWritten) {
    fs::create_directories(file.parent_path());
    const std::string damaged = "vantrel-bindings 1\nbind\t/opt/kart\n";
    std::ofstream(file, std::ios::binary) << damaged;

    auto r = BindProgramInFile(file, "/opt/notes", "Work");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().code, ErrorCode::BadFile);
    EXPECT_NE(r.error().message.find("damaged"), std::string::npos);
    // The window's sentence names both files.
    ASSERT_FALSE(r.error().text.empty());
    EXPECT_EQ(r.error().text.args.size(), 2u);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(textOf(aside), damaged);

    // Told once: the next change starts from no bindings.
    ASSERT_TRUE(BindProgramInFile(file, "/opt/notes", "Work"));
    auto loaded = LoadBindingsFile(file);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->bindings.all().size(), 1u);
    EXPECT_EQ(textOf(aside), damaged);

    // Unbinding is refused the same way.
    std::ofstream(file) << "not ours\n";
    auto u = UnbindProgramInFile(file, {"/opt/notes"});
    ASSERT_FALSE(u);
    EXPECT_EQ(u.error().code, ErrorCode::BadFile);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(BindingEdit, UnbindTriesTheWordsInOrderAndKeepsTheFileWhenNoneIsBound) {
    ASSERT_TRUE(BindProgramInFile(file, "/opt/kart", "Racing"));
    ASSERT_TRUE(BindProgramInFile(file, "/opt/typed", "Racing"));
    const std::string before = textOf(file);

    auto none = UnbindProgramInFile(file, {"/opt/other", "class:Other"});
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().code, ErrorCode::InvalidArgument);
    EXPECT_EQ(none.error().message, "class:Other is not bound");
    EXPECT_EQ(textOf(file), before);

    auto second = UnbindProgramInFile(file, {"/opt/gone", "/opt/typed"});
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, "/opt/typed");
    auto first = UnbindProgramInFile(file, {"/opt/kart", "/opt/typed"});
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, "/opt/kart");
    auto loaded = LoadBindingsFile(file);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->bindings.empty());
}

TEST_F(BindingEdit, ExecutablesAreNamedWithTheirLinksResolved) {
    fs::create_directories(dir / "bin");
    std::ofstream(dir / "bin" / "kart-real") << "#!/bin/sh\n";
    std::error_code ec;
    fs::create_symlink(dir / "bin" / "kart-real", dir / "bin" / "kart", ec);
    if (!ec) {
        auto r = ResolvedExecutable(dir / "bin" / "kart");
        ASSERT_TRUE(r);
        EXPECT_EQ(fs::path(*r), fs::canonical(dir / "bin" / "kart-real"));
    }
    auto folder = ResolvedExecutable(dir / "bin");
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().code, ErrorCode::InvalidArgument);
    EXPECT_FALSE(ResolvedExecutable(dir / "bin" / "missing"));
}

TEST(MessageText, ArgumentsArePutInOnceInTheirPlaces) {
    const MessageText t{VANTREL_TR_NOOP("CoreMessage", "%2 then %1, 100% sure, %3"), {"a%2", "b"}};
    // An argument's own "%2" stays; a place without an argument is empty.
    EXPECT_EQ(t.english(), "b then a%2, 100% sure, ");
    EXPECT_EQ(MessageText{}.english(), "");
    const Error e = makeError(ErrorCode::Io, t);
    EXPECT_EQ(e.message, t.english());
    EXPECT_EQ(e.text.source, t.source);
}

} // namespace
