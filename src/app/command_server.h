// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "remote/protocol.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace vantrel::ui {
class LocalConnection;
class MainWindowController;
} // namespace vantrel::ui

namespace vantrel::app {

class DeviceSession;

// Runs vantrelctl's commands in the desktop program, which owns the
// keyboard and the data folder while it runs: one at a time, after any
// device work of the window, on the window's keyboard connection. The
// command's code is vantrelctl's own (served_context); it runs on a thread
// of its own with a model of its own, and what it changed is then taken
// into the window's model and shown there as if the user had done it.
class CommandServer : public QObject {
public:
    // What the desktop program works with; a request for anything else is
    // answered with the reason.
    struct Keyboard {
        std::filesystem::path dataFolder;
        bool simulate = false; // asked for (not the stand-in for a missing keyboard)
        std::optional<std::filesystem::path> simState;
    };

    // How long a request waits for the window's own device work to end.
    static constexpr int kIdleWaitMs = 15000;

    CommandServer(ConfiguratorModel& model, ui::MainWindowController& controller,
                  DeviceSession& session, Keyboard keyboard, QObject* parent = nullptr);
    ~CommandServer() override;

    // Takes one request line from `socket` and answers on it.
    void take(ui::LocalConnection* socket, const QByteArray& line);
    // The program is closing: the running command ends, later ones are
    // refused with the reason.
    void stopTaking();
    // What a command did that the rest of the window follows.
    struct Ran {
        // The profile it sent to the keyboard by name (the tray checks it).
        std::optional<std::string> loadedProfile;
    };
    // Called after each command has ended (it may have changed the files
    // the window reads only at start, such as the program bindings).
    void setAfterCommand(std::function<void(const Ran&)> after) { after_ = std::move(after); }

private:
    struct Pending {
        QPointer<ui::LocalConnection> socket;
        remote::CommandRequest request;
    };
    struct Finished;

    void runNext();
    // Why the request cannot run on this keyboard and folder; empty when it
    // can. A command that needs no keyboard is checked for the folder only.
    std::string mismatch(const remote::CommandRequest& request, bool needsKeyboard) const;
    void start(const Pending& pending);
    void finish(const std::shared_ptr<Finished>& done);
    static void answer(ui::LocalConnection* socket, const remote::CommandAnswer& answer);
    static void answerError(ui::LocalConnection* socket, int status, const std::string& message);

    ConfiguratorModel& model_;
    ui::MainWindowController& controller_;
    DeviceSession& session_;
    Keyboard keyboard_;
    DataFolder folder_;
    std::deque<Pending> queue_;
    QTimer retry_;
    QElapsedTimer waiting_;
    bool running_ = false;
    bool stopped_ = false;
    QPointer<ui::LocalConnection> current_;
    std::shared_ptr<std::atomic<bool>> closing_ = std::make_shared<std::atomic<bool>>(false);
    std::thread worker_;
    std::function<void(const Ran&)> after_;
};

} // namespace vantrel::app
