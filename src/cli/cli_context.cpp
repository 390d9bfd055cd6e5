// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"

#include "core/device/model_updates.h"
#include "hid/hidapi_transport.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "platform/data_folder.h"

#include <cstdio>
#include <future>
#include <mutex>

namespace vantrel::cli {

// Hands the start-up read-back to the command; lighting changes and key
// actions have no one to go to in a one-shot command.
class Context::Observer final : public ConnectionObserver {
public:
    void readBackDone(const Result<DeviceSnapshot>& snapshot) override {
        std::lock_guard lock(mutex_);
        if (!delivered_) {
            delivered_ = true;
            promise_.set_value(snapshot);
        }
    }
    void deviceLighting(std::uint8_t, std::uint8_t) override {}
    void keyAction(std::uint8_t) override {}
    void connectionChanged(bool) override {}

    Result<DeviceSnapshot> wait() { return future_.get(); }

private:
    std::mutex mutex_;
    bool delivered_ = false;
    std::promise<Result<DeviceSnapshot>> promise_;
    std::future<Result<DeviceSnapshot>> future_ = promise_.get_future();
};

namespace {

template <class T, class Start> Result<T> runAndWait(Start&& start) {
    std::promise<Result<T>> promise;
    auto future = promise.get_future();
    start([&promise](Result<T> r) { promise.set_value(std::move(r)); });
    return future.get();
}

} // namespace

Context::Context(const GlobalOptions& options)
    : options_(options),
      data_(platform::chooseDataFolder(options.dataDir, options.simulate, options.simState)),
      observer_(std::make_unique<Observer>()), model_(std::make_unique<ConfiguratorModel>()) {}

Context::~Context() {
    // The connection's threads end before the transport and keyboard go.
    connection_.reset();
}

Status Context::openTransport() {
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

Status Context::connect() {
    // Before the simulated keyboard's state is read: it belongs to the
    // folder's commands as much as keymap.bin does.
    if (Status s = prepareDataFolder(); !s) {
        return s;
    }
    if (Status s = openTransport(); !s) {
        return s;
    }
    if (Status s = connection_->start(); !s) {
        if (s.error().code == ErrorCode::NoDevice) {
            return makeError(ErrorCode::NoDevice,
                             "No keyboard found; plug it in (or try --simulate).");
        }
        return s;
    }
    Result<DeviceSnapshot> snapshot = observer_->wait();
    if (!snapshot) {
        return snapshot.error();
    }
    ConfiguratorModel& m = *model_;
    auto loaded = LoadKeymapFile(data_.keymap(), m.image(), m.assignments(), false);
    if (!loaded) {
        return loaded.error();
    }
    if (loaded->outcome == LoadOutcome::MovedAside) {
        std::fprintf(stderr, "vantrelctl: %s\n", loaded->message.c_str());
    }
    applyReadBackToModel(m, *snapshot);
    m.syncAssignments();
    m.recomputeMarks();
    return saveKeymap();
}

Status Context::applyChanges() {
    ConfiguratorModel& m = *model_;
    auto outcome = runAndWait<ApplyOutcome>(
        [&](auto done) { connection_->apply(m.image(), m.syncedImage(), std::move(done)); });
    if (!outcome) {
        return outcome.error();
    }
    m.image() = outcome->image;
    m.syncImage();
    m.syncAssignments();
    m.recomputeMarks();
    return saveKeymap();
}

Status Context::factoryReset() {
    auto snapshot =
        runAndWait<DeviceSnapshot>([&](auto done) { connection_->factoryReset(std::move(done)); });
    if (!snapshot) {
        return snapshot.error();
    }
    applyFactoryResetToModel(*model_, *snapshot);
    return saveKeymap();
}

Status Context::saveKeymap() {
    return SaveKeymapFile(data_.keymap(), model_->image(), model_->assignments());
}

Status Context::lockDataFolder() {
    std::error_code ec;
    if (!std::filesystem::is_directory(data_.path(), ec)) {
        // Nothing to guard yet, and a command that refuses its input must
        // not leave a folder behind: the lock comes with the folder.
        lockWhenCreated_ = true;
        return Status::success();
    }
    return takeLock();
}

Status Context::prepareDataFolder() {
    if (Status s = data_.ensureExists(); !s) {
        return s;
    }
    if (lockWhenCreated_) {
        lockWhenCreated_ = false;
        return takeLock();
    }
    return Status::success();
}

Status Context::takeLock() {
    constexpr std::chrono::seconds kWaitForOtherCommands{5};
    auto lock = platform::DataFolderLock::acquire(data_.path(), platform::kCommandLineProgramName,
                                                  kWaitForOtherCommands);
    if (!lock) {
        return lock.error();
    }
    lock_.emplace(std::move(*lock));
    return Status::success();
}

Status Context::finish(bool save) {
    connection_.reset();
    if (save && keyboard_ && simStateLoaded_ && options_.simState) {
        return keyboard_->saveState(*options_.simState);
    }
    return Status::success();
}

} // namespace vantrel::cli
