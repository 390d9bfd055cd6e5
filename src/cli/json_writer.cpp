// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include <cstdio>

namespace vantrel::cli {

std::string jsonEscape(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(2 * levels_.size(), ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) {
        return;
    }
    Level& l = levels_.back();
    if (!l.first) {
        out_ += l.inline_ ? ", " : ",";
    }
    l.first = false;
    if (!l.inline_) {
        newline();
    }
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    levels_.push_back({false, true});
}

void JsonWriter::endObject() {
    const bool empty = levels_.back().first;
    levels_.pop_back();
    if (!empty) {
        newline();
    }
    out_ += '}';
    if (levels_.empty()) {
        out_ += '\n';
    }
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    levels_.push_back({true, true});
}

void JsonWriter::beginArrayOfObjects() {
    beforeValue();
    out_ += '[';
    levels_.push_back({false, true});
}

void JsonWriter::endArray() {
    const Level l = levels_.back();
    levels_.pop_back();
    if (!l.inline_ && !l.first) {
        newline();
    }
    out_ += ']';
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += '"' + jsonEscape(name) + "\": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += '"' + jsonEscape(text) + '"';
}

void JsonWriter::value(long long number) {
    beforeValue();
    out_ += std::to_string(number);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

} // namespace vantrel::cli
