// SPDX-License-Identifier: MIT
// The lines between vantrelctl and the desktop program: what one side
// writes the other reads back, and anything else is refused with a reason.
#include "remote/protocol.h"

#include <gtest/gtest.h>

namespace vantrel::remote {
namespace {

// A folder that is absolute on this system (Windows wants a drive).
#ifdef _WIN32
const std::string kRoot = "C:";
#else
const std::string kRoot;
#endif

CommandRequest sample() {
    CommandRequest r;
    r.command = "macro";
    r.args = {"add", "Привет \"q\"", "A:dn", "120ms", "A:up"};
    r.dataFolder = kRoot + "/home/u/.config/vantrel";
    r.simulate = true;
    r.simState = kRoot + "/home/u/demo.bin";
    r.workingFolder = kRoot + "/home/u";
    r.trace = true;
    return r;
}

TEST(Protocol, ARequestSurvivesItsLine) {
    auto line = encodeRequest(sample());
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line->back(), '\n');
    EXPECT_EQ(line->find('\n'), line->size() - 1); // one line, newlines inside escaped
    auto back = decodeRequest(*line);
    ASSERT_TRUE(back.ok()) << back.error().message;
    EXPECT_EQ(back->command, "macro");
    EXPECT_EQ(back->args, sample().args);
    EXPECT_EQ(back->dataFolder, sample().dataFolder);
    EXPECT_TRUE(back->simulate);
    EXPECT_EQ(back->simState, kRoot + "/home/u/demo.bin");
    EXPECT_EQ(back->workingFolder, kRoot + "/home/u");
    EXPECT_TRUE(back->trace);
}

TEST(Protocol, AnswersAndRefusalsSurviveTheirLines) {
    CommandAnswer a;
    a.status = 2;
    a.standardOutput = "line 1\nline 2\n";
    a.standardError = "vantrelctl: bad\n";
    a.trace = {"> set-feature 00 15 00", "pause 20"};
    auto back = decodeProgramLine(encodeAnswer(a));
    ASSERT_TRUE(back.ok());
    const auto* answer = std::get_if<CommandAnswer>(&*back);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->status, 2);
    EXPECT_EQ(answer->standardOutput, a.standardOutput);
    EXPECT_EQ(answer->standardError, a.standardError);
    EXPECT_EQ(answer->trace, a.trace);

    auto accepted = decodeProgramLine(encodeAccepted());
    ASSERT_TRUE(accepted.ok());
    EXPECT_TRUE(std::holds_alternative<Accepted>(*accepted));
    auto refused = decodeProgramLine(encodeRefusal("busy"));
    ASSERT_TRUE(refused.ok());
    EXPECT_EQ(std::get<Refused>(*refused).reason, "busy");
}

TEST(Protocol, GarbageAndStrangersAreRefusedWithAReason) {
    const char* bad[] = {
        "",
        "garbage",
        "[1,2]",
        "{\"command\":\"set\"}",                   // no version
        "{\"version\":\"1\",\"command\":\"set\"}", // version of the wrong type
        "{\"version\":1,\"command\":\"set\"}",     // fields missing
        "{\"version\":1,\"command\":5,\"args\":[],\"dataFolder\":\"/d\",\"simulate\":false,"
        "\"simState\":\"\",\"workingFolder\":\"/\",\"trace\":false}",
        "{\"version\":1,\"command\":\"set\",\"args\":[1],\"dataFolder\":\"/d\",\"simulate\":false,"
        "\"simState\":\"\",\"workingFolder\":\"/\",\"trace\":false}",
        // relative folders would be the desktop program's, not the caller's
        "{\"version\":1,\"command\":\"set\",\"args\":[],\"dataFolder\":\"d\",\"simulate\":false,"
        "\"simState\":\"\",\"workingFolder\":\"/\",\"trace\":false}",
        "{\"version\":1,\"command\":\"set\",\"args\":[],\"dataFolder\":\"/d\",\"simulate\":false,"
        "\"simState\":\"\",\"workingFolder\":\"x\",\"trace\":false}",
    };
    for (const char* line : bad) {
        auto r = decodeRequest(line);
        ASSERT_FALSE(r.ok()) << line;
        EXPECT_EQ(r.error().code, ErrorCode::InvalidArgument);
        EXPECT_FALSE(r.error().message.empty());
    }
    EXPECT_FALSE(decodeProgramLine("{\"version\":1,\"status\":300,\"stdout\":\"\",\"stderr\":\"\","
                                   "\"trace\":[]}")
                     .ok());
}

TEST(Protocol, AnotherVersionIsNamed) {
    std::string line = *encodeRequest(sample());
    line.replace(line.find("\"version\":1"), 11, "\"version\":2");
    auto r = decodeRequest(line);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().message.find("different versions"), std::string::npos);
}

TEST(Protocol, TextThatIsNotUtf8CannotBeSentButAnswersAlwaysGo) {
    CommandRequest r = sample();
    r.args = {"apply", std::string("caf\xe9.bin")};
    auto line = encodeRequest(r);
    ASSERT_FALSE(line.ok());
    EXPECT_EQ(line.error().code, ErrorCode::InvalidArgument);

    CommandAnswer a;
    a.standardError = std::string("bad \xff byte\n");
    EXPECT_TRUE(decodeProgramLine(encodeAnswer(a)).ok());
}

} // namespace
} // namespace vantrel::remote
