// SPDX-License-Identifier: MIT
#include "core/device/feature_frame.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace vantrel {
namespace {

using namespace std::chrono_literals;

std::string repeat(const std::string& item, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += " " + item;
    }
    return s;
}

class OneHandleTransport : public HidTransport, public ControlHandle, public NotificationHandle {
public:
    Result<std::vector<HidInterfaceInfo>> enumerate() override {
        return std::vector<HidInterfaceInfo>{};
    }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string&) override {
        return std::unique_ptr<ControlHandle>(new Forward(*this));
    }
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string&) override {
        return std::unique_ptr<NotificationHandle>(new ForwardNote(*this));
    }
    Status setFeature(const FeatureReport&) override { return Status::success(); }
    Result<FeatureReport> getFeature() override {
        return makeFeatureReport(0x80, {{2, 1}, {3, 4}});
    }
    Status writeBlock(const BlockReport&) override {
        return makeError(ErrorCode::Disconnected, "gone");
    }
    Result<BlockReport> readBlock() override {
        BlockReport b{};
        b.fill(0xAB);
        b[0] = 0;
        return b;
    }
    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds) override {
        if (notes++ == 0) {
            return std::optional<NotificationReport>(NotificationReport{4, 4, 0, 0});
        }
        return std::optional<NotificationReport>();
    }
    void wake() override {}
    int notes = 0;

private:
    struct Forward : ControlHandle {
        explicit Forward(OneHandleTransport& t) : t(t) {}
        Status setFeature(const FeatureReport& r) override { return t.setFeature(r); }
        Result<FeatureReport> getFeature() override { return t.getFeature(); }
        Status writeBlock(const BlockReport& b) override { return t.writeBlock(b); }
        Result<BlockReport> readBlock() override { return t.readBlock(); }
        OneHandleTransport& t;
    };
    struct ForwardNote : NotificationHandle {
        explicit ForwardNote(OneHandleTransport& t) : t(t) {}
        Result<std::optional<NotificationReport>> read(std::chrono::milliseconds d) override {
            return t.read(d);
        }
        void wake() override {}
        OneHandleTransport& t;
    };
};

struct NullPacer : Pacer {
    void pause(std::chrono::milliseconds) override { ++pauses; }
    void yield() override { ++yields; }
    int pauses = 0;
    int yields = 0;
};

TEST(Trace, EveryTransferAndPauseIsOneExactLine) {
    MemoryTraceSink sink;
    TraceWriter trace(sink);
    OneHandleTransport inner;
    TracingTransport transport(inner, trace);
    NullPacer realPacer;
    TracingPacer pacer(realPacer, trace);

    auto control = transport.openControl("x");
    auto notes = transport.openNotification("y");
    ASSERT_TRUE(control.ok() && notes.ok());
    (void)(*control)->setFeature(makeFeatureReport(0x13, {{2, 0xFF}}));
    (void)(*control)->getFeature();
    BlockReport out{};
    out.fill(0x01);
    out[0] = 0;
    EXPECT_FALSE((*control)->writeBlock(out).ok());
    (void)(*control)->readBlock();
    (void)(*notes)->read(0ms);
    (void)(*notes)->read(0ms); // nothing arrived: no line
    pacer.pause(300ms);
    pacer.yield();

    const std::vector<std::string> expected{
        "> set-feature 00 13 FF 00 00 00 00 00 ED",
        "< get-feature 00 80 01 04 00 00 00 00 7A",
        "> write 00" + repeat("01", 64),
        "! write failed: gone",
        "< read 00" + repeat("AB", 64),
        "< notify 04 04 00 00",
        "pause 300",
        "pause 0",
    };
    EXPECT_EQ(sink.lines(), expected);
    EXPECT_EQ(realPacer.pauses, 1);
    EXPECT_EQ(realPacer.yields, 1);
}

TEST(Trace, LinesFromSeveralThreadsNeverInterleave) {
    vantrel::testing::TempDir dir;
    {
        auto sink = FileTraceSink::open(dir / "trace.txt");
        ASSERT_TRUE(sink.ok());
        TraceWriter trace(**sink);
        auto writer = [&trace] {
            for (int i = 0; i < 500; ++i) {
                trace.notify({4, 4, 0, 0});
            }
        };
        std::thread a(writer);
        std::thread b(writer);
        for (int i = 0; i < 500; ++i) {
            trace.pause(10ms);
        }
        a.join();
        b.join();
    }
    std::ifstream in(dir / "trace.txt");
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        EXPECT_TRUE(line == "< notify 04 04 00 00" || line == "pause 10") << line;
        ++count;
    }
    EXPECT_EQ(count, 1500);
}

TEST(Trace, UnwritableTraceFileIsAnError) {
    vantrel::testing::TempDir dir;
    auto sink = FileTraceSink::open(dir / "no-such-folder" / "trace.txt");
    ASSERT_FALSE(sink.ok());
    EXPECT_EQ(sink.error().code, ErrorCode::Io);
}

} // namespace
} // namespace vantrel
