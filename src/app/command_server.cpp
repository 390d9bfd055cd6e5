// SPDX-License-Identifier: MIT
#include "app/command_server.h"

#include "app/device_session.h"
#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "cli/profile_words.h"
#include "cli/served_context.h"
#include "core/device/trace.h"
#include "core/model/command_changes.h"
#include "ui/channel/local_channel.h"
#include "ui/keyboard_port.h"
#include "ui/main_window_controller.h"

#include <QApplication>
#include <future>

namespace vantrel::app {
namespace {

constexpr int kRetryMs = 25;

// The window's keyboard as the command's thread sees it: every call is
// handed to the window's thread, where the keyboard's sequences start and
// end, and waited for there.
class WindowKeyboard final : public cli::DesktopKeyboard {
public:
    WindowKeyboard(QObject* context, DeviceSession& session,
                   std::shared_ptr<std::atomic<bool>> closing)
        : context_(context), session_(session), closing_(std::move(closing)) {}

    Result<DeviceSnapshot> read() override {
        return call<DeviceSnapshot>(
            [](ui::KeyboardPort& port, auto done) { port.readBack(std::move(done)); });
    }
    Result<ApplyOutcome> apply(const ConfigImage& image, const ConfigImage& synced) override {
        return call<ApplyOutcome>([image, synced](ui::KeyboardPort& port, auto done) {
            port.apply(image, synced, std::move(done));
        });
    }
    Result<DeviceSnapshot> reset() override {
        return call<DeviceSnapshot>(
            [](ui::KeyboardPort& port, auto done) { port.factoryReset(std::move(done)); });
    }

private:
    template <class T, class Start> Result<T> call(Start start) {
        auto promise = std::make_shared<std::promise<Result<T>>>();
        auto future = promise->get_future();
        // Only what outlives this call is captured: the window may end the
        // wait (closing) while the sequence still runs.
        DeviceSession* session = &session_;
        QMetaObject::invokeMethod(
            context_,
            [session, promise, start] {
                // Taken now: a keyboard plugged in meanwhile replaced the link.
                ui::KeyboardPort& port = session->link();
                if (!port.present()) {
                    promise->set_value(makeError(ErrorCode::NoDevice, cli::kNoKeyboardMessage));
                    return;
                }
                start(port, [promise](Result<T> r) { promise->set_value(std::move(r)); });
            },
            Qt::QueuedConnection);
        while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            if (closing_->load()) {
                return makeError(ErrorCode::Cancelled,
                                 "the desktop program closed before the keyboard answered");
            }
        }
        return future.get();
    }

    QObject* context_;
    DeviceSession& session_;
    std::shared_ptr<std::atomic<bool>> closing_;
};

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return ca == cb;
}

} // namespace

// What a finished command hands back to the window's thread.
struct CommandServer::Finished {
    remote::CommandAnswer answer;
    Ran ran;
    std::optional<CommandStart> start;
    std::unique_ptr<ConfiguratorModel> model;
    MemoryTraceSink trace;
};

CommandServer::CommandServer(ConfiguratorModel& model, ui::MainWindowController& controller,
                             DeviceSession& session, Keyboard keyboard, QObject* parent)
    : QObject(parent), model_(model), controller_(controller), session_(session),
      keyboard_(std::move(keyboard)), folder_(keyboard_.dataFolder) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] { runNext(); });
}

CommandServer::~CommandServer() {
    // A command still waiting for the keyboard gives up; its thread ends
    // before the model and the keyboard it uses go.
    closing_->store(true);
    if (worker_.joinable()) {
        worker_.join();
    }
    session_.attachTrace(nullptr);
}

void CommandServer::answer(ui::LocalConnection* socket, const remote::CommandAnswer& answer) {
    if (socket == nullptr || !socket->connected()) {
        return; // vantrelctl gave up; the command has run all the same
    }
    socket->write(QByteArray::fromStdString(remote::encodeAnswer(answer)));
    // Closes once everything is written.
    socket->disconnectFromServer();
}

void CommandServer::answerError(ui::LocalConnection* socket, int status,
                                const std::string& message) {
    remote::CommandAnswer a;
    a.status = status;
    a.standardError = "vantrelctl: " + message + "\n";
    answer(socket, a);
}

void CommandServer::take(ui::LocalConnection* socket, const QByteArray& line) {
    auto request = remote::decodeRequest(std::string_view(line.constData(), line.size()));
    if (!request) {
        socket->write(QByteArray::fromStdString(remote::encodeRefusal(request.error().message)));
        socket->disconnectFromServer();
        return;
    }
    if (stopped_) {
        socket->write(QByteArray::fromStdString(
            remote::encodeRefusal("the desktop program is closing; try again when it has ended")));
        socket->disconnectFromServer();
        return;
    }
    socket->write(QByteArray::fromStdString(remote::encodeAccepted()));
    socket->flush();
    if (queue_.empty()) {
        waiting_.start();
    }
    queue_.push_back(Pending{socket, std::move(*request)});
    runNext();
}

void CommandServer::stopTaking() {
    stopped_ = true;
    retry_.stop();
    for (Pending& p : queue_) {
        answerError(p.socket, cli::kExitDevice,
                    "the desktop program closed before it ran the command; nothing was done.");
    }
    queue_.clear();
}

std::string CommandServer::mismatch(const remote::CommandRequest& r, bool needsKeyboard) const {
    if (!sameFile(r.dataFolder, keyboard_.dataFolder)) {
        return "the desktop program keeps the data folder " + keyboard_.dataFolder.string() +
               ", not " + r.dataFolder + ".";
    }
    if (!needsKeyboard) {
        return {}; // only the folder's files: which keyboard was asked for does not matter
    }
    if (r.simulate != keyboard_.simulate) {
        return r.simulate ? "the desktop program works with the keyboard in this data folder, "
                            "not with a simulated one; give the command without --simulate, or "
                            "another --data-dir."
                          : "the desktop program works with a simulated keyboard in this data "
                            "folder; add --simulate, or give another --data-dir.";
    }
    const bool ourState = keyboard_.simState.has_value();
    if (r.simState.empty() != !ourState ||
        (ourState && !sameFile(r.simState, *keyboard_.simState))) {
        return "the desktop program's simulated keyboard " +
               (ourState ? "keeps its state in " + keyboard_.simState->string()
                         : std::string("keeps no state file")) +
               "; give the same --sim-state, or another --data-dir.";
    }
    if (!r.simulate && session_.simulated()) {
        // The desktop program stands in with the simulated keyboard for a
        // missing one: a command for the keyboard finds none.
        return session_.keyboardInaccessible() ? session_.fallbackReason().toStdString()
                                               : cli::kNoKeyboardMessage;
    }
    return {};
}

void CommandServer::runNext() {
    while (!running_ && !queue_.empty()) {
        Pending& next = queue_.front();
        if (next.socket.isNull() || !next.socket->connected()) {
            queue_.pop_front(); // vantrelctl gave up waiting: nothing was done
            waiting_.restart();
            continue;
        }
        if (QApplication::activeModalWidget() != nullptr) {
            // A dialog works on its own copy of what a command would change.
            answerError(next.socket, cli::kExitDevice,
                        "the desktop program has a dialog open; finish it there and try again.");
            queue_.pop_front();
            waiting_.restart();
            continue;
        }
        if (controller_.busy()) {
            if (waiting_.elapsed() < kIdleWaitMs) {
                retry_.start(kRetryMs);
                return;
            }
            answerError(next.socket, cli::kExitDevice,
                        "the desktop program is still busy with the keyboard; try again.");
            queue_.pop_front();
            waiting_.restart();
            continue;
        }
        Pending pending = std::move(next);
        queue_.pop_front();
        waiting_.restart();
        start(pending);
    }
}

void CommandServer::start(const Pending& pending) {
    const remote::CommandRequest& r = pending.request;
    const cli::CliCommand* command = cli::findCommand(r.command);
    if (command == nullptr) {
        answerError(pending.socket, cli::kExitUsage,
                    "unknown command '" + r.command + "'; see 'vantrelctl --help'.");
        return;
    }
    if (command->runsHere) {
        answerError(pending.socket, cli::kExitUsage,
                    "'" + r.command + "' runs in vantrelctl itself, not in the desktop program.");
        return;
    }
    if (const std::string why = mismatch(r, command->needsKeyboard(r.args)); !why.empty()) {
        answerError(pending.socket, cli::kExitDevice, why);
        return;
    }
    cli::GlobalOptions options;
    options.simulate = r.simulate;
    if (!r.simState.empty()) {
        options.simState = r.simState;
    }
    options.dataDir = keyboard_.dataFolder;
    options.command = r.command;
    options.args = r.args;
    options.workingFolder = r.workingFolder;

    // The keyboard as the window last read or sent it.
    DeviceSnapshot known{model_.syncedImage(), model_.firmwareVersion(),
                         model_.firmwareVersionReply()};
    const DeviceIdentity identity = session_.link().identity();
    auto done = std::make_shared<Finished>();
    if (r.trace) {
        session_.attachTrace(&done->trace);
    }
    running_ = true;
    current_ = pending.socket;
    controller_.beginCommandWork();

    auto keyboard = std::make_shared<WindowKeyboard>(this, session_, closing_);
    worker_ =
        std::thread([this, command, options, known, identity, keyboard, done, folder = folder_] {
            cli::CapturedOutput output;
            cli::ServedContext context(options, folder, output, known, identity, *keyboard);
            int status = cli::kExitDevice;
            try {
                status = cli::runChecked(*command, context);
            } catch (const std::exception& e) {
                context.warn(e.what());
            } catch (...) {
                context.warn("an unexpected failure ended the command");
            }
            done->answer.status = status;
            done->ran.loadedProfile = cli::profileLoadedBy(options.command, options.args, status);
            done->answer.standardOutput = output.standardOutput();
            done->answer.standardError = output.standardError();
            done->start = context.start();
            done->model = std::make_unique<ConfiguratorModel>(context.model());
            // The server outlives this thread (it joins it before it goes); a
            // call still queued when it goes is dropped with it.
            QMetaObject::invokeMethod(
                this, [this, done] { finish(done); }, Qt::QueuedConnection);
        });
}

void CommandServer::finish(const std::shared_ptr<Finished>& done) {
    if (worker_.joinable()) {
        worker_.join();
    }
    session_.attachTrace(nullptr);
    done->answer.trace = done->trace.lines();
    if (done->start) {
        takeCommandChanges(model_, *done->start, *done->model);
    }
    // The macros live in MacroDefine.bin, which `macro` commands rewrite.
    if (MacroTable macros; cli::peekMacroFile(folder_.macros(), macros)) {
        model_.macros() = macros;
    }
    controller_.endCommandWork();
    if (after_) {
        after_(done->ran);
    }
    answer(current_, done->answer);
    current_.clear();
    running_ = false;
    runNext();
}

} // namespace vantrel::app
