// SPDX-License-Identifier: MIT
#include "uhid_device.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/uhid.h>
#include <memory>
#include <unistd.h>

namespace vantrel::uhid {

namespace {

Error systemError(const std::string& what, int err) {
    return makeError(ErrorCode::DeviceIo, what + ": " + std::strerror(err) + ".");
}

template <std::size_t N> void copyText(__u8 (&out)[N], const std::string& text) {
    std::memset(out, 0, N);
    std::memcpy(out, text.data(), std::min(text.size(), N - 1));
}

DeviceEvent::Kind kindOf(std::uint32_t type) {
    switch (type) {
    case UHID_START:
        return DeviceEvent::Kind::Start;
    case UHID_STOP:
        return DeviceEvent::Kind::Stop;
    case UHID_OPEN:
        return DeviceEvent::Kind::Open;
    case UHID_CLOSE:
        return DeviceEvent::Kind::Close;
    case UHID_OUTPUT:
        return DeviceEvent::Kind::Output;
    case UHID_GET_REPORT:
        return DeviceEvent::Kind::GetReport;
    case UHID_SET_REPORT:
        return DeviceEvent::Kind::SetReport;
    default:
        return DeviceEvent::Kind::Other;
    }
}

} // namespace

Result<std::unique_ptr<UhidDevice>> UhidDevice::open() {
    const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return systemError("Cannot open /dev/uhid", errno);
    }
    return std::unique_ptr<UhidDevice>(new UhidDevice(fd));
}

UhidDevice::~UhidDevice() {
    if (fd_ >= 0) {
        // Closing the descriptor removes the device too.
        ::close(fd_);
    }
}

Status UhidDevice::write(const void* event, std::size_t size) {
    std::lock_guard lock(writeMutex_);
    const ssize_t n = ::write(fd_, event, size);
    if (n < 0) {
        return systemError("Writing to /dev/uhid failed", errno);
    }
    return Status::success();
}

Status UhidDevice::create(const DeviceSpec& spec) {
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof *event);
    event->type = UHID_CREATE2;
    auto& req = event->u.create2;
    copyText(req.name, spec.name);
    copyText(req.phys, spec.phys);
    if (spec.descriptor.size() > sizeof req.rd_data) {
        return makeError(ErrorCode::InvalidArgument, "The report descriptor is too long.");
    }
    req.rd_size = static_cast<__u16>(spec.descriptor.size());
    std::copy(spec.descriptor.begin(), spec.descriptor.end(), req.rd_data);
    req.bus = spec.bus;
    req.vendor = spec.vendor;
    req.product = spec.product;
    req.version = 0x0111;
    if (Status s = write(event.get(), sizeof *event); !s) {
        return s;
    }
    spec_ = spec;
    created_ = true;
    return Status::success();
}

Status UhidDevice::destroy() {
    if (!created_) {
        return Status::success();
    }
    uhid_event event{};
    event.type = UHID_DESTROY;
    created_ = false;
    return write(&event, sizeof event);
}

Status UhidDevice::sendInput(std::span<const std::uint8_t> report) {
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof *event);
    event->type = UHID_INPUT2;
    const std::size_t size = std::min<std::size_t>(report.size(), UHID_DATA_MAX);
    event->u.input2.size = static_cast<__u16>(size);
    std::copy_n(report.begin(), size, event->u.input2.data);
    return write(event.get(), sizeof *event);
}

Status UhidDevice::replyGetReport(std::uint32_t id, std::span<const std::uint8_t> data,
                                  bool failed) {
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof *event);
    event->type = UHID_GET_REPORT_REPLY;
    auto& reply = event->u.get_report_reply;
    reply.id = id;
    reply.err = failed ? EIO : 0;
    const std::size_t size = failed ? 0 : std::min<std::size_t>(data.size(), UHID_DATA_MAX);
    reply.size = static_cast<__u16>(size);
    std::copy_n(data.begin(), size, reply.data);
    return write(event.get(), sizeof *event);
}

Status UhidDevice::replySetReport(std::uint32_t id, bool failed) {
    uhid_event event{};
    event.type = UHID_SET_REPORT_REPLY;
    event.u.set_report_reply.id = id;
    event.u.set_report_reply.err = failed ? EIO : 0;
    return write(&event, sizeof event);
}

Result<DeviceEvent> UhidDevice::readEvent() {
    auto event = std::make_unique<uhid_event>();
    const ssize_t n = ::read(fd_, event.get(), sizeof *event);
    if (n < 0) {
        return systemError("Reading from /dev/uhid failed", errno);
    }
    DeviceEvent out;
    out.kind = kindOf(event->type);
    switch (event->type) {
    case UHID_OUTPUT: {
        const auto& o = event->u.output;
        out.reportType = o.rtype;
        out.data.assign(o.data, o.data + std::min<std::size_t>(o.size, UHID_DATA_MAX));
        break;
    }
    case UHID_GET_REPORT:
        out.id = event->u.get_report.id;
        out.reportNumber = event->u.get_report.rnum;
        out.reportType = event->u.get_report.rtype;
        break;
    case UHID_SET_REPORT: {
        const auto& s = event->u.set_report;
        out.id = s.id;
        out.reportNumber = s.rnum;
        out.reportType = s.rtype;
        out.data.assign(s.data, s.data + std::min<std::size_t>(s.size, UHID_DATA_MAX));
        break;
    }
    default:
        break;
    }
    return out;
}

} // namespace vantrel::uhid
