// SPDX-License-Identifier: MIT
#include "hid/report_descriptor.h"

#include <algorithm>
#include <cstdio>

namespace vantrel {

namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint8_t kTypeMain = 0;
constexpr std::uint8_t kTypeGlobal = 1;
constexpr std::uint8_t kTypeLocal = 2;
// Main items.
constexpr std::uint8_t kTagInput = 0x8;
constexpr std::uint8_t kTagOutput = 0x9;
constexpr std::uint8_t kTagCollection = 0xA;
constexpr std::uint8_t kTagFeature = 0xB;
constexpr std::uint8_t kTagEndCollection = 0xC;
// Global items.
constexpr std::uint8_t kTagUsagePage = 0x0;
constexpr std::uint8_t kTagReportSize = 0x7;
constexpr std::uint8_t kTagReportId = 0x8;
constexpr std::uint8_t kTagReportCount = 0x9;
constexpr std::uint8_t kTagPush = 0xA;
constexpr std::uint8_t kTagPop = 0xB;
// Local items.
constexpr std::uint8_t kTagUsage = 0x0;
constexpr std::uint32_t kApplicationCollection = 0x01;

Error truncated(std::size_t at) {
    return makeError(ErrorCode::BadFile, "The report descriptor ends inside the item at byte " +
                                             std::to_string(at) + ".");
}

struct Item {
    std::uint8_t type = 0;
    std::uint8_t tag = 0;
    std::size_t size = 0;
    std::uint32_t data = 0;
    bool isLong = false;
};

// The item at `at`; its length is 1 + size (+2 for a long item).
Result<Item> readItem(std::span<const std::uint8_t> d, std::size_t at, std::size_t& next) {
    const std::uint8_t prefix = d[at];
    Item item;
    if (prefix == kLongItemPrefix) {
        // Long item: size byte, tag byte, then the data; never used by HID 1.11.
        if (at + 2 >= d.size() || at + 3 + d[at + 1] > d.size()) {
            return truncated(at);
        }
        item.isLong = true;
        next = at + 3 + d[at + 1];
        return item;
    }
    static constexpr std::size_t kSizes[4] = {0, 1, 2, 4};
    item.size = kSizes[prefix & 0x3];
    item.type = (prefix >> 2) & 0x3;
    item.tag = prefix >> 4;
    if (at + 1 + item.size > d.size()) {
        return truncated(at);
    }
    for (std::size_t k = 0; k < item.size; ++k) {
        item.data |= static_cast<std::uint32_t>(d[at + 1 + k]) << (8 * k);
    }
    next = at + 1 + item.size;
    return item;
}

struct Globals {
    std::uint16_t usagePage = 0;
    std::uint8_t reportId = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
};

class Parser {
public:
    void take(const Item& item) {
        if (item.type == kTypeGlobal) {
            global(item);
        } else if (item.type == kTypeLocal) {
            if (item.tag == kTagUsage) {
                usage_ = item.data;
                usageSize_ = item.size;
            }
        } else if (item.type == kTypeMain) {
            main(item);
        }
    }
    std::vector<TopLevelCollection> result() && { return std::move(collections_); }

private:
    void global(const Item& item) {
        switch (item.tag) {
        case kTagUsagePage:
            globals_.usagePage = static_cast<std::uint16_t>(item.data);
            break;
        case kTagReportSize:
            globals_.reportSize = item.data;
            break;
        case kTagReportId:
            globals_.reportId = static_cast<std::uint8_t>(item.data);
            break;
        case kTagReportCount:
            globals_.reportCount = item.data;
            break;
        case kTagPush:
            stack_.push_back(globals_);
            break;
        case kTagPop:
            if (!stack_.empty()) {
                globals_ = stack_.back();
                stack_.pop_back();
            }
            break;
        default:
            break;
        }
    }

    void main(const Item& item) {
        if (item.tag == kTagCollection) {
            if (depth_ == 0 && item.data == kApplicationCollection) {
                TopLevelCollection c;
                // A 4-byte usage carries its own page in the high half.
                c.usagePage =
                    usageSize_ == 4 ? static_cast<std::uint16_t>(usage_ >> 16) : globals_.usagePage;
                c.usage = static_cast<std::uint16_t>(usage_);
                collections_.push_back(c);
                inApplication_ = true;
            } else if (depth_ == 0) {
                inApplication_ = false;
            }
            ++depth_;
        } else if (item.tag == kTagEndCollection) {
            depth_ = depth_ > 0 ? depth_ - 1 : 0;
        } else if (item.tag == kTagInput || item.tag == kTagOutput || item.tag == kTagFeature) {
            addReportBits(item.tag == kTagInput    ? ReportKind::Input
                          : item.tag == kTagOutput ? ReportKind::Output
                                                   : ReportKind::Feature);
        }
        usage_ = 0; // local items end with every main item
        usageSize_ = 0;
    }

    void addReportBits(ReportKind kind) {
        if (depth_ == 0 || !inApplication_ || collections_.empty()) {
            return;
        }
        auto& reports = collections_.back().reports;
        auto it = std::find_if(reports.begin(), reports.end(), [&](const ReportLayout& r) {
            return r.kind == kind && r.id == globals_.reportId;
        });
        if (it == reports.end()) {
            reports.push_back({kind, globals_.reportId, 0});
            it = reports.end() - 1;
        }
        it->bits += static_cast<std::size_t>(globals_.reportSize) * globals_.reportCount;
    }

    Globals globals_;
    std::vector<Globals> stack_;
    std::uint32_t usage_ = 0;
    std::size_t usageSize_ = 0;
    int depth_ = 0;
    bool inApplication_ = false;
    std::vector<TopLevelCollection> collections_;
};

} // namespace

Result<std::vector<TopLevelCollection>> parseTopLevelCollections(std::span<const std::uint8_t> d) {
    Parser parser;
    for (std::size_t i = 0; i < d.size();) {
        std::size_t next = 0;
        auto item = readItem(d, i, next);
        if (!item) {
            return item.error();
        }
        if (!item->isLong) {
            parser.take(*item);
        }
        i = next;
    }
    return std::move(parser).result();
}

Result<int> countTopLevelApplicationCollections(std::span<const std::uint8_t> d) {
    auto collections = parseTopLevelCollections(d);
    if (!collections) {
        return collections.error();
    }
    return static_cast<int>(collections->size());
}

std::string buildMatchName(std::optional<int> interfaceNumber, int collections) {
    std::string name = "hidraw:";
    char buf[16];
    if (interfaceNumber && *interfaceNumber >= 0) {
        std::snprintf(buf, sizeof buf, "mi_%02x", static_cast<unsigned>(*interfaceNumber));
        name += buf;
    }
    for (int c = 1; c <= collections; ++c) {
        std::snprintf(buf, sizeof buf, "&col%02x", static_cast<unsigned>(c));
        name += buf;
    }
    return name;
}

} // namespace vantrel
