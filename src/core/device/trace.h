// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/util/result.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Where trace lines go. Implementations need not be thread-safe: the
// TraceWriter serialises every call.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void writeLine(std::string_view line) = 0;
};

// A trace file (--trace FILE), flushed after every line so that a trace
// survives a crash of the program. Programs the desktop program starts do
// not inherit it.
class FileTraceSink : public TraceSink {
public:
    static Result<std::unique_ptr<FileTraceSink>> open(const std::filesystem::path& path);
    void writeLine(std::string_view line) override;

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    explicit FileTraceSink(std::FILE* out) : out_(out) {}
    std::unique_ptr<std::FILE, Closer> out_;
};

// Keeps the lines in memory, for tests.
class MemoryTraceSink : public TraceSink {
public:
    void writeLine(std::string_view line) override;
    std::vector<std::string> lines() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// Hands every line to the program's own trace (--trace, if any) and to a
// listener attached for a while: the desktop program gives vantrelctl the
// transfers of the command it ran for it.
class TraceFanOut : public TraceSink {
public:
    void setPrimary(TraceSink* sink);
    // Null detaches.
    void attach(TraceSink* listener);
    void writeLine(std::string_view line) override;

private:
    std::mutex mutex_;
    TraceSink* primary_ = nullptr;
    TraceSink* listener_ = nullptr;
};

// Writes the protocol trace, one line per transfer or pause:
//
//   > set-feature 00 13 FF 00 00 00 00 00 ED
//   < get-feature 00 80 01 04 00 00 00 00 7A
//   > write 00 <64 data bytes>
//   < read 00 <64 data bytes>
//   < notify 04 04 00 00
//   pause 300
//   pause 0                      (a yield of the processor)
//   ! read failed: <message>     (a transfer that failed; after the "> "
//                                 line for outgoing transfers)
//
// Bytes are two-digit upper-case hex separated by single spaces. The format
// is read by people debugging a keyboard: keep it stable. Safe to call from
// several threads; lines never interleave.
class TraceWriter {
public:
    explicit TraceWriter(TraceSink& sink) : sink_(sink) {}

    void setFeature(const FeatureReport& r) { transfer("> set-feature", r); }
    void getFeature(const FeatureReport& r) { transfer("< get-feature", r); }
    void write(const BlockReport& r) { transfer("> write", r); }
    void read(const BlockReport& r) { transfer("< read", r); }
    void notify(const NotificationReport& r) { transfer("< notify", r); }
    void pause(std::chrono::milliseconds d);
    void yield();
    // `operation` is one of set-feature, get-feature, write, read, notify.
    void failure(std::string_view operation, const Error& error);

private:
    void transfer(std::string_view prefix, std::span<const std::uint8_t> bytes);
    void line(const std::string& text);

    std::mutex mutex_;
    TraceSink& sink_;
};

} // namespace vantrel
