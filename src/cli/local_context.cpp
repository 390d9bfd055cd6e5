// SPDX-License-Identifier: MIT
#include "cli/local_context.h"

#include "cli/read_back_waiter.h"
#include "hid/hidapi_transport.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "platform/data_folder.h"

#include <future>
#include <mutex>

namespace vantrel::cli {

namespace {

template <class T, class Start> Result<T> runAndWait(Start&& start) {
    std::promise<Result<T>> promise;
    auto future = promise.get_future();
    start([&promise](Result<T> r) { promise.set_value(std::move(r)); });
    return future.get();
}

} // namespace

LocalContext::LocalContext(const GlobalOptions& options, CommandOutput& output)
    : Context(options,
              DataFolder(
                  platform::chooseDataFolder(options.dataDir, options.simulate, options.simState)),
              output),
      observer_(std::make_unique<ReadBackWaiter>()) {}

LocalContext::~LocalContext() {
    // The connection's threads end before the transport and keyboard go.
    connection_.reset();
}

Status LocalContext::openTransport() {
    HidTransport* transport = nullptr;
    if (options_.simulate) {
        keyboard_ = std::make_unique<sim::SimulatedKeyboard>();
        if (options_.simState) {
            if (Status s = keyboard_->loadStateIfPresent(*options_.simState); !s) {
                return s;
            }
            simStateLoaded_ = true;
        }
        transport_ = std::make_unique<sim::SimTransport>(*keyboard_);
    } else {
        auto hid = HidapiTransport::create();
        if (!hid) {
            return hid.error();
        }
        transport_ = std::move(*hid);
    }
    transport = transport_.get();
    Pacer* pacer = &sleepingPacer_;
    if (options_.trace) {
        auto sink = FileTraceSink::open(*options_.trace);
        if (!sink) {
            return sink.error();
        }
        traceSink_ = std::move(*sink);
        trace_ = std::make_unique<TraceWriter>(*traceSink_);
        tracedTransport_ = std::make_unique<TracingTransport>(*transport, *trace_);
        tracedPacer_ = std::make_unique<TracingPacer>(sleepingPacer_, *trace_);
        transport = tracedTransport_.get();
        pacer = tracedPacer_.get();
    }
    connection_ = std::make_unique<DeviceConnection>(*transport, *pacer, *observer_);
    return Status::success();
}

Result<DeviceSnapshot> LocalContext::readKeyboard(Reading) {
    // A keyboard opened for one command is always read: nothing else knows
    // what it holds.
    if (Status s = openTransport(); !s) {
        return s.error();
    }
    if (Status s = connection_->start(); !s) {
        if (s.error().code == ErrorCode::NoDevice) {
            return makeError(ErrorCode::NoDevice, kNoKeyboardMessage);
        }
        return s.error();
    }
    return observer_->wait();
}

Result<ApplyOutcome> LocalContext::sendImage(const ConfigImage& image, const ConfigImage& synced) {
    return runAndWait<ApplyOutcome>(
        [&](auto done) { connection_->apply(image, synced, std::move(done)); });
}

Result<DeviceSnapshot> LocalContext::resetKeyboard() {
    return runAndWait<DeviceSnapshot>(
        [&](auto done) { connection_->factoryReset(std::move(done)); });
}

DeviceIdentity LocalContext::device() const {
    return connection_ ? connection_->identity() : DeviceIdentity{};
}

Status LocalContext::lockDataFolder() {
    std::error_code ec;
    if (!std::filesystem::is_directory(data_.path(), ec)) {
        // Nothing to guard yet, and a command that refuses its input must
        // not leave a folder behind: the lock comes with the folder.
        lockWhenCreated_ = true;
        return Status::success();
    }
    return takeLock();
}

Status LocalContext::prepareDataFolder() {
    if (Status s = Context::prepareDataFolder(); !s) {
        return s;
    }
    if (lockWhenCreated_) {
        lockWhenCreated_ = false;
        return takeLock();
    }
    return Status::success();
}

Status LocalContext::takeLock() {
    constexpr std::chrono::seconds kWaitForOtherCommands{5};
    auto lock = platform::DataFolderLock::acquire(data_.path(), platform::kCommandLineProgramName,
                                                  kWaitForOtherCommands);
    if (!lock) {
        return lock.error();
    }
    lock_.emplace(std::move(*lock));
    return Status::success();
}

Status LocalContext::finish(bool save) {
    connection_.reset();
    if (save && keyboard_ && simStateLoaded_ && options_.simState) {
        return keyboard_->saveState(*options_.simState);
    }
    return Status::success();
}

} // namespace vantrel::cli
