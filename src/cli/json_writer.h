// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// A small streaming JSON writer: two-space indentation, arrays of plain
// values on one line so that 108-entry colour lists stay readable.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray(); // values on one line
    void beginArrayOfObjects();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(long long number);
    void value(int number) { value(static_cast<long long>(number)); }
    void value(unsigned number) { value(static_cast<long long>(number)); }
    void value(bool flag);
    void null();

    const std::string& text() const { return out_; }

private:
    struct Level {
        bool inline_ = false;
        bool first = true;
    };
    void beforeValue();
    void newline();
    std::string out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

std::string jsonEscape(std::string_view text);

} // namespace vantrel::cli
