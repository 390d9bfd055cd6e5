// SPDX-License-Identifier: MIT
// The configurator's window program.
#include "app/data_folder_hold.h"
#include "app/device_session.h"
#include "app/program_options.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "core/util/guarded_main.h"
#include "platform/data_folder.h"
#include "ui/dialog_commands.h"
#include "ui/key_action_launcher.h"
#include "ui/lighting/dialog_colour_chooser.h"
#include "ui/lighting/key_picture_faces.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_window.h"
#include "ui/main_window_controller.h"
#include "ui/process_updater_launcher.h"
#include "ui/single_instance.h"
#include "ui/skin_store.h"
#include "ui/tray_icon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace vantrel;

namespace {

struct Options {
    bool simulate = false;
    QString simState;
    QString trace;
    QString dataDir;
    QString screenshot;
};

Options parseOptions(QApplication& app) {
    QCommandLineParser parser;
    app::addProgramOptions(parser);
    parser.process(app);
    Options o;
    o.simulate = parser.isSet(QStringLiteral("simulate"));
    o.simState = parser.value(QStringLiteral("sim-state"));
    o.trace = parser.value(QStringLiteral("trace"));
    o.dataDir = parser.value(QStringLiteral("data-dir"));
    o.screenshot = parser.value(QStringLiteral("screenshot"));
    return o;
}

void showLoadReport(const Result<LoadReport>& r, QStringList& messages) {
    if (!r.ok()) {
        messages << QString::fromStdString(r.error().message);
    } else if (r->outcome == LoadOutcome::MovedAside) {
        messages << QString::fromStdString(r->message);
    }
}

int runWindowProgram(int argc, char** argv) {
    if (const auto answered = app::answerWithoutDisplay(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Hidden windows and the tray keep the program alive; it ends by its
    // own exit commands only.
    QApplication::setQuitOnLastWindowClosed(false);
    const Options options = parseOptions(app);
    const bool screenshot = !options.screenshot.isEmpty();

    // One copy per user; a screenshot run is a tool, not a second copy.
    ui::CQuendalApp instance;
    if (!screenshot) {
        switch (instance.start()) {
        case ui::CQuendalApp::Start::Forwarded:
            return 0;
        case ui::CQuendalApp::Start::Failed:
            std::fprintf(stderr, "vantrel: single-instance check failed: %s\n",
                         qPrintable(instance.errorString()));
            break;
        case ui::CQuendalApp::Start::First:
            break;
        }
    }

    const auto optionalPath = [](const QString& p) {
        return p.isEmpty() ? std::nullopt : std::optional(std::filesystem::path(p.toStdString()));
    };
    const std::filesystem::path dataPath = platform::chooseDataFolder(
        optionalPath(options.dataDir), options.simulate, optionalPath(options.simState));
    const DataFolder folder(dataPath);
    QStringList problems;
    if (Status s = folder.ensureExists(); !s.ok()) {
        problems << QString::fromStdString(s.error().message);
    }
    std::optional<platform::DataFolderLock> folderLock;
    if (!app::holdDataFolder(dataPath, folderLock, problems, !screenshot)) {
        return 1;
    }

    ConfiguratorModel model;
    showLoadReport(LoadMacroFile(folder.macros(), model.macros()), problems);
    if (const auto shipped = LoadVersionFile(folder.version()); shipped) {
        model.setShippedVersion(*shipped);
    } else {
        problems << QString::fromStdString(shipped.error().message);
    }
    showLoadReport(LoadKeymapFile(folder.keymap(), model.image(), model.assignments(), false),
                   problems);
    model.syncImage();
    model.syncAssignments();

    ui::SkinStore skins(dataPath);
    ui::CQuendalDlg window;
    ui::NoDialogCommands dialogs;
    ui::ProcessUpdaterLauncher updater(QString::fromStdString(platform::programFolder().string()));
    // The controller exists only after the session; the handlers reach it
    // through this pointer, on the window's thread.
    ui::MainWindowController* window_controller = nullptr;
    app::DeviceSession::Options sessionOptions;
    // A state file belongs to the simulated keyboard only, as for vantrelctl.
    sessionOptions.simulate = options.simulate || !options.simState.isEmpty();
    if (!options.simState.isEmpty()) {
        sessionOptions.simState = std::filesystem::path(options.simState.toStdString());
    }
    if (!options.trace.isEmpty()) {
        sessionOptions.trace = std::filesystem::path(options.trace.toStdString());
    }
    // Made after the session; reached when a keyboard plugged in later
    // takes over from the simulated one.
    ui::TrayIcon* tray_icon = nullptr;
    ui::KeyboardSession::Events events;
    ui::GuiConnectionObserver::Handlers& handlers = events.device;
    handlers.readBackDone = [&](const Result<DeviceSnapshot>& r) {
        window_controller->deviceReadBack(r);
        if (screenshot) {
            const QImage& picture = window_controller->compose();
            const bool saved = picture.save(options.screenshot, "PNG");
            if (!saved) {
                std::fprintf(stderr, "vantrel: cannot write %s\n", qPrintable(options.screenshot));
            }
            QApplication::exit(saved ? 0 : 1);
        }
    };
    handlers.deviceLighting = [&](std::uint8_t type, std::uint8_t value) {
        window_controller->deviceLighting(type, value);
    };
    handlers.connectionChanged = [&](bool connected) {
        window_controller->connectionChanged(connected);
    };
    handlers.keyAction = [&](std::uint8_t key) { window_controller->keyAction(key); };
    // Arrivals come through the event loop, after the window is complete.
    events.switchedToKeyboard = [&](ui::KeyboardPort& link) {
        std::fprintf(stderr, "vantrel: keyboard plugged in, leaving the simulated one\n");
        window_controller->setKeyboardPort(&link);
        if (tray_icon) {
            tray_icon->icon().setToolTip(QStringLiteral("VANTREL"));
        }
        window_controller->repaint();
    };
    events.keyboardUnusable = [&window](const QString& reason) {
        window.inform(QStringLiteral("Клавиатура подключена, но открыть её не удалось: ") + reason,
                      QStringLiteral("VANTREL"));
    };
    app::DeviceSession session(sessionOptions, &window, events);
    // Results of the start-up read-back arrive as queued calls, so the
    // window below is complete before the first one is handled.
    if (Status s = session.open(); !s.ok()) {
        // Not even the simulated keyboard could be opened (a bad state file).
        std::fprintf(stderr, "vantrel: %s\n", s.error().message.c_str());
        if (!screenshot) {
            QMessageBox::critical(nullptr, QStringLiteral("VANTREL"),
                                  QString::fromStdString(s.error().message));
        }
        return 1;
    }
    if (!session.fallbackReason().isEmpty()) {
        std::fprintf(stderr, "vantrel: using the simulated keyboard: %s\n",
                     qPrintable(session.fallbackReason()));
    }

    ui::MainWindowController::Ports ports;
    ports.shell = &window;
    ports.prompts = &window;
    ports.dialogs = &dialogs;
    ports.device = &session.link();
    ports.updater = &updater;
    ui::PlatformKeyActionLauncher keyLauncher;
    ports.keyLauncher = &keyLauncher;
    ui::MainWindowController controller(model, folder, skins, ports);
    window_controller = &controller;
    ui::DialogColourChooser chooser(model, skins.image(QStringLiteral("Color_BK.png")),
                                    ui::MainWindowController::kUiLanguage, &window);
    const ui::KeyPictureFaces keyFaces;
    ui::LightingPage lighting(model, controller.state(), controller, chooser, keyFaces,
                              ui::MainWindowController::kUiLanguage);
    controller.setLightingPanel(&lighting);
    window.attach(&controller);
    window.setWindowIcon(QIcon(QPixmap::fromImage(skins.image(QStringLiteral("icon-256.png")))));

    auto about = [&window] {
        QMessageBox::about(&window, QStringLiteral("关于 Quendal"),
                           QStringLiteral("Quendal 1.1 版"));
    };
    window.setAboutAction(about);
    window.setEndProgram([] { QApplication::quit(); });

    std::unique_ptr<ui::TrayIcon> tray;
    if (!screenshot && ui::TrayIcon::available()) {
        tray = std::make_unique<ui::TrayIcon>(
            QIcon(QPixmap::fromImage(skins.image(QStringLiteral("icon.png")))),
            ui::TrayIcon::Actions{[&session] { return session.link().present(); },
                                  [&window] { window.showWindow(); }, about,
                                  [] { QApplication::quit(); }});
        if (session.simulated()) {
            tray->icon().setToolTip(QStringLiteral("VANTREL — симулятор клавиатуры"));
        }
        tray->show();
        tray_icon = tray.get();
        window.setCanHide(true);
    }
    QObject::connect(&instance, &ui::CQuendalApp::showRequested, &window,
                     [&window] { window.showWindow(); });

    if (!screenshot) {
        // Without a keyboard the window waits hidden behind the tray icon;
        // where there is no tray it stays in sight and says what is missing.
        if (session.link().present() || !tray) {
            window.show();
        } else {
            tray->showMissingKeyboard();
        }
        if (!problems.isEmpty()) {
            QTimer::singleShot(0, &window, [&window, problems] {
                window.inform(problems.join(QLatin1Char('\n')), QStringLiteral("VANTREL"));
            });
        }
    }
    const int rc = QApplication::exec();
    window.hide();
    if (Status s = session.finish(); !s.ok()) {
        std::fprintf(stderr, "vantrel: %s\n", s.error().message.c_str());
    }
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    return runGuarded("vantrel", 1, [&] { return runWindowProgram(argc, argv); });
}
