// SPDX-License-Identifier: MIT
#include "core/device/trace.h"

#include "core/util/hex.h"
#include "core/util/path_text.h"

namespace vantrel {

Result<std::unique_ptr<FileTraceSink>> FileTraceSink::open(const std::filesystem::path& path) {
#ifdef _WIN32
    std::FILE* out = _wfopen(path.c_str(), L"w");
#else
#ifdef __GLIBC__
    constexpr const char* kMode = "we"; // close-on-exec
#else
    constexpr const char* kMode = "w";
#endif
    std::FILE* out = std::fopen(path.c_str(), kMode);
#endif
    if (out == nullptr) {
        return makeError(ErrorCode::Io, "Cannot write the trace file " + pathText(path) + ".");
    }
    return std::unique_ptr<FileTraceSink>(new FileTraceSink(out));
}

void TraceFanOut::setPrimary(TraceSink* sink) {
    std::lock_guard lock(mutex_);
    primary_ = sink;
}

void TraceFanOut::attach(TraceSink* listener) {
    std::lock_guard lock(mutex_);
    listener_ = listener;
}

void TraceFanOut::writeLine(std::string_view line) {
    std::lock_guard lock(mutex_);
    if (primary_ != nullptr) {
        primary_->writeLine(line);
    }
    if (listener_ != nullptr) {
        listener_->writeLine(line);
    }
}

void FileTraceSink::writeLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), out_.get());
    std::fputc('\n', out_.get());
    std::fflush(out_.get());
}

void MemoryTraceSink::writeLine(std::string_view line) {
    std::lock_guard lock(mutex_);
    lines_.emplace_back(line);
}

std::vector<std::string> MemoryTraceSink::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void MemoryTraceSink::clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

void TraceWriter::transfer(std::string_view prefix, std::span<const std::uint8_t> bytes) {
    std::string text(prefix);
    text.push_back(' ');
    text += hexBytes(bytes);
    line(text);
}

void TraceWriter::pause(std::chrono::milliseconds d) {
    line("pause " + std::to_string(d.count()));
}

void TraceWriter::yield() {
    line("pause 0");
}

void TraceWriter::failure(std::string_view operation, const Error& error) {
    line("! " + std::string(operation) + " failed: " + error.message);
}

void TraceWriter::line(const std::string& text) {
    std::lock_guard lock(mutex_);
    sink_.writeLine(text);
}

} // namespace vantrel
