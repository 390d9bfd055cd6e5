// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/command_server.h"
#include "app/data_folder_hold.h"
#include "app/device_session.h"
#include "app/quit_signals.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "platform/autostart.h"
#include "platform/data_folder.h"
#include "platform/front_window.h"
#include "platform/open_windows.h"
#include "ui/capture/platform_key_hook.h"
#include "ui/interface_translator.h"
#include "ui/key_action_launcher.h"
#include "ui/keyboard_notice.h"
#include "ui/language_settings.h"
#include "ui/lighting/dialog_colour_chooser.h"
#include "ui/lighting/key_picture_faces.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_dialog_commands.h"
#include "ui/main_window.h"
#include "ui/main_window_controller.h"
#include "ui/process_updater_launcher.h"
#include "ui/profiles/profile_switching.h"
#include "ui/profiles/profiles_menu.h"
#include "ui/profiles/programs_dialog.h"
#include "ui/single_instance.h"
#include "ui/skin/menu_style.h"
#include "ui/skin/skin_painter.h"
#include "ui/tray_icon.h"
#include "ui/widgets/qt_file_picker.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace vantrel::app {
namespace {

constexpr int kCloseRetryMs = 50;

void noteLoadReport(const Result<LoadReport>& r, QStringList& messages) {
    if (!r.ok()) {
        messages << QString::fromStdString(r.error().message);
    } else if (r->outcome == LoadOutcome::MovedAside) {
        messages << QString::fromStdString(r->message);
    }
}

UiLanguage languageOf(const ProgramOptions& o) {
    const auto option =
        o.language.isEmpty() ? std::nullopt : UiLanguage::fromName(o.language.toStdString());
    return ui::startupLanguage(option, ui::settingsFilePath(), QLocale::system().uiLanguages());
}

std::optional<std::filesystem::path> pathOf(const QString& p) {
    if (p.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(p.toStdString());
}

std::filesystem::path dataPathOf(const ProgramOptions& o) {
    return platform::chooseDataFolder(pathOf(o.dataDir), o.simulate, pathOf(o.simState));
}

DeviceSession::Options sessionOptionsOf(const ProgramOptions& o) {
    DeviceSession::Options s;
    // A state file belongs to the simulated keyboard only, as for vantrelctl.
    s.simulate = o.simulate || !o.simState.isEmpty();
    if (!o.simState.isEmpty()) {
        s.simState = std::filesystem::path(o.simState.toStdString());
    }
    if (!o.trace.isEmpty()) {
        s.trace = std::filesystem::path(o.trace.toStdString());
    }
    return s;
}

} // namespace

// Members are made in this order and go in the reverse one: everything a
// part uses is declared before it.
struct Application::Parts {
    ProgramOptions options;
    bool screenshot;
    UiLanguage language; // set once; a new choice takes effect at the next start
    ui::InterfaceTranslator translator;
    ui::CQuendalApp instance;
    std::filesystem::path dataPath;
    DataFolder folder;
    // Held for the whole run and let go last, after every part that writes
    // into the folder.
    std::optional<platform::DataFolderLock> folderLock;
    QStringList problems; // told once the window is up
    ConfiguratorModel model;
    ui::SkinStore skins;
    ui::SkinPainter painter{skins};
    ui::CQuendalDlg window;
    ui::ProcessUpdaterLauncher updater{QString::fromStdString(platform::programFolder().string())};
    ui::PlatformKeyActionLauncher keyLauncher;
    std::unique_ptr<DeviceSession> session;
    std::unique_ptr<ui::MainWindowController> controller;
    std::unique_ptr<ui::DialogColourChooser> chooser;
    const ui::KeyPictureFaces keyFaces;
    std::unique_ptr<ui::LightingPage> lighting;
    // The key capture of the key assignment dialog and the macro manager.
    ui::PlatformKeyHook keyHook;
    std::unique_ptr<ui::MainDialogCommands> dialogs;
    platform::AutostartEntry autostart = platform::AutostartEntry::forCurrentUser();
    // The profile of the program in front, and the tray's menu of profiles.
    std::unique_ptr<ui::ProfileSwitching> profiles;
    std::unique_ptr<ui::ProfilesMenu> profilesMenu;
    std::unique_ptr<ui::TrayIcon> tray;
    // The icon is in a tray now, not only waiting for one.
    [[nodiscard]] bool trayShown() const { return tray && ui::TrayIcon::available(); }
    // vantrelctl's commands, run on this program's keyboard and model.
    std::unique_ptr<CommandServer> commands;
    std::unique_ptr<QuitSignals> quitSignals;

    explicit Parts(ProgramOptions o)
        : options(std::move(o)), screenshot(!options.screenshot.isEmpty()),
          language(languageOf(options)), translator(language), dataPath(dataPathOf(options)),
          folder(dataPath), skins(dataPath) {}

    void loadFiles();
    ui::KeyboardSession::Events deviceEvents();
    Status openKeyboard();
    void buildWindow();
    void buildTray();
    void switchProfiles();
    void openPrograms();
    void serveCommands();
    void closeWhenIdle();
    void about();
    void chooseLanguage(UiLanguage chosen);
};

void Application::Parts::loadFiles() {
    if (Status s = folder.ensureExists(); !s.ok()) {
        problems << QString::fromStdString(s.error().message);
    }
    noteLoadReport(LoadMacroFile(folder.macros(), model.macros()), problems);
    if (const auto shipped = LoadVersionFile(folder.version()); shipped) {
        model.setShippedVersion(*shipped);
    } else {
        problems << QString::fromStdString(shipped.error().message);
    }
    noteLoadReport(LoadKeymapFile(folder.keymap(), model.image(), model.assignments(), false),
                   problems);
    model.syncImage();
    model.syncAssignments();
}

ui::KeyboardSession::Events Application::Parts::deviceEvents() {
    // The handlers run from the event loop, after the window is complete.
    ui::KeyboardSession::Events events;
    ui::GuiConnectionObserver::Handlers& h = events.device;
    h.readBackDone = [this](const Result<DeviceSnapshot>& r) {
        controller->deviceReadBack(r);
        if (screenshot) {
            // At the scale of the screen the window would be shown on.
            const bool saved =
                controller->compose(window.devicePixelRatio()).save(options.screenshot, "PNG");
            if (!saved) {
                std::fprintf(stderr, "vantrel: cannot write %s\n", qPrintable(options.screenshot));
            }
            QApplication::exit(saved ? 0 : 1);
        }
    };
    h.deviceLighting = [this](std::uint8_t type, std::uint8_t value) {
        controller->deviceLighting(type, value);
    };
    h.connectionChanged = [this](bool connected) { controller->connectionChanged(connected); };
    h.keyAction = [this](std::uint8_t key) { controller->keyAction(key); };
    events.switchedToKeyboard = [this](ui::KeyboardPort& link) {
        std::fprintf(stderr, "vantrel: keyboard plugged in, leaving the simulated one\n");
        controller->setKeyboardPort(&link);
        if (tray) {
            tray->icon().setToolTip(QStringLiteral("VANTREL"));
        }
        controller->repaint();
    };
    events.keyboardUnusable = [this](const QString& reason) {
        controller->setSimulationNotice(ui::simulationNotice(session->keyboardInaccessible()));
        controller->repaint();
        window.inform(QCoreApplication::translate(
                          "Program", "The keyboard is connected but cannot be opened: ") +
                          reason,
                      QStringLiteral("VANTREL"));
    };
    return events;
}

Status Application::Parts::openKeyboard() {
    session = std::make_unique<DeviceSession>(sessionOptionsOf(options), &window, deviceEvents());
    // Results of the start-up read-back arrive as queued calls, so the
    // window below is complete before the first one is handled.
    Status s = session->open();
    if (s.ok() && !session->fallbackReason().isEmpty()) {
        std::fprintf(stderr, "vantrel: using the simulated keyboard: %s\n",
                     qPrintable(session->fallbackReason()));
    }
    return s;
}

void Application::Parts::buildWindow() {
    dialogs = std::make_unique<ui::MainDialogCommands>(model, folder, painter, language, keyHook,
                                                       &window, window);
    ui::MainWindowController::Ports ports;
    ports.shell = &window;
    ports.prompts = &window;
    ports.dialogs = dialogs.get();
    ports.device = &session->link();
    ports.updater = &updater;
    ports.keyLauncher = &keyLauncher;
    controller =
        std::make_unique<ui::MainWindowController>(model, folder, painter, ports, language);
    chooser = std::make_unique<ui::DialogColourChooser>(model, painter, language, &window);
    lighting = std::make_unique<ui::LightingPage>(model, controller->state(), *controller, *chooser,
                                                  keyFaces, language);
    controller->setLightingPanel(lighting.get());
    controller->setSimulationNotice(ui::simulationNotice(session->keyboardInaccessible()));
    if (const QString problem = session->hotplugProblem(); !problem.isEmpty()) {
        controller->setWatchNotice(
            QCoreApplication::translate("Program",
                                        "a keyboard plugged in later will not be noticed (%1)")
                .arg(problem));
    }
    window.attach(controller.get());
    window.setWindowIcon(skins.icon(ui::SkinFolder::mainWindow(), QStringLiteral("icon-256.png")));
    window.setAboutAction([this] { about(); });
    window.setEndProgram([] { QApplication::quit(); });
    QObject::connect(&instance, &ui::CQuendalApp::showRequested, &window,
                     [this] { window.showWindow(); });
}

void Application::Parts::serveCommands() {
    const DeviceSession::Options o = sessionOptionsOf(options);
    commands = std::make_unique<CommandServer>(
        model, *controller, *session,
        // Absolute: the commands come from other folders.
        CommandServer::Keyboard{std::filesystem::absolute(dataPath), o.simulate, o.simState});
    instance.setRequestHandler([this](ui::LocalConnection* socket, const QByteArray& line) {
        commands->take(socket, line);
    });
    // Closed from outside (a logout, a terminal, kill): as from the window.
    quitSignals = std::make_unique<QuitSignals>([this] {
        commands->stopTaking();
        closeWhenIdle();
    });
}

void Application::Parts::closeWhenIdle() {
    // A window busy with the keyboard does not close (the quit would be
    // refused): the running sequence ends first, then what it left is kept.
    if (controller->busy()) {
        QTimer::singleShot(kCloseRetryMs, &window, [this] { closeWhenIdle(); });
        return;
    }
    controller->close();
}

void Application::Parts::about() {
    QMessageBox::about(&window, QCoreApplication::translate("Program", "About Quendal"),
                       QCoreApplication::translate("Program", "Quendal version 1.1"));
}

void Application::Parts::chooseLanguage(UiLanguage chosen) {
    if (Status s = ui::saveLanguage(ui::settingsFilePath(), chosen); !s.ok()) {
        window.inform(QString::fromStdString(s.error().message), QStringLiteral("VANTREL"));
        return;
    }
    // Told in the language chosen, which the user reads best.
    ui::InterfaceTranslator chosenTexts(chosen);
    const QString text =
        chosen == language
            ? QCoreApplication::translate("Program", "VANTREL speaks this language.")
            : QCoreApplication::translate(
                  "Program", "VANTREL speaks the chosen language from its next start.");
    if (tray) {
        tray->icon().showMessage(QStringLiteral("VANTREL"), text, QSystemTrayIcon::Information);
    }
}

void Application::Parts::switchProfiles() {
    ui::ProfileSwitching::Ports ports;
    ports.gate = [this] {
        ProfileSwitcher::Gate g;
        g.dialogOpen = QApplication::activeModalWidget() != nullptr;
        g.deviceBusy = controller->busy();
        g.editsPending = controller->editsPending();
        g.keyboardAbsent = !controller->keyboardReady();
        return g;
    };
    ports.held = [this] {
        return ui::ProfileSwitching::Configuration{model.syncedImage(), model.syncedAssignments()};
    };
    ports.send = [this](const ui::ProfileSwitching::Configuration& c,
                        std::function<void(Status)> done) {
        controller->sendConfiguration(c.image, c.table, std::move(done));
    };
    ports.status = [this](const QString& text) { controller->setProfileNotice(text); };
    profiles = std::make_unique<ui::ProfileSwitching>(
        folder.profiles(), platform::userConfigFolder() / kBindingsFileName, std::move(ports));
    profiles->start();
    profilesMenu = std::make_unique<ui::ProfilesMenu>(*profiles);
    profilesMenu->setOpenPrograms([this] { openPrograms(); });
}

void Application::Parts::openPrograms() {
    if (QApplication::activeModalWidget() != nullptr) {
        return; // one dialog at a time, as from the window
    }
    ui::QtFilePicker files(&window);
    ui::ProgramsDialogController::Ports ports;
    ports.files = &files;
    ports.windows = [] { return platform::listOpenWindows(); };
    ports.ownExecutable =
        platform::executableOf(static_cast<long>(QCoreApplication::applicationPid()));
    ports.changed = [this] { profiles->reloadBindings(); };
    ui::CProgramsDlg dialog(folder.profiles(), platform::userConfigFolder() / kBindingsFileName,
                            painter, language, std::move(ports), &window);
    const auto& active = profiles->switcher().active();
    dialog.run(active ? QString::fromStdString(*active) : QString());
    // What the switching held back while the dialog was open.
    profiles->recheck();
}

void Application::Parts::buildTray() {
    if (screenshot || !ui::TrayIcon::mayAppear()) {
        return;
    }
    tray = std::make_unique<ui::TrayIcon>(
        skins.icon(ui::SkinFolder::mainWindow(), QStringLiteral("icon.png")),
        ui::TrayIcon::Actions{[this] { return session->link().present(); },
                              [this] { window.showWindow(); }, [this] { about(); },
                              [] { QApplication::quit(); }, &autostart,
                              QApplication::applicationFilePath().toStdString(),
                              [this](UiLanguage chosen) { chooseLanguage(chosen); },
                              profilesMenu ? profilesMenu->menu() : nullptr},
        language);
    if (session->simulated()) {
        tray->icon().setToolTip(
            QCoreApplication::translate("Program", "VANTREL: keyboard simulator"));
    }
    tray->show();
    window.setCanHide([] { return ui::TrayIcon::available(); });
}

Application::Application(ProgramOptions options)
    : parts_(std::make_unique<Parts>(std::move(options))) {}

Application::~Application() = default;

int Application::run() {
    Parts& p = *parts_;
    // One copy per user; a screenshot run is a tool, not a second copy.
    if (!p.screenshot) {
        switch (p.instance.start()) {
        case ui::CQuendalApp::Start::Forwarded:
            return 0;
        case ui::CQuendalApp::Start::Failed:
            std::fprintf(stderr, "vantrel: single-instance check failed: %s\n",
                         qPrintable(p.instance.errorString()));
            break;
        case ui::CQuendalApp::Start::First:
            break;
        }
    }
    if (!holdDataFolder(p.dataPath, p.folderLock, p.problems, !p.screenshot)) {
        return 1;
    }
    qApp->setStyleSheet(ui::skinnedMenuStyle());
    p.loadFiles();
    if (Status s = p.openKeyboard(); !s.ok()) {
        // Not even the simulated keyboard could be opened (a bad state file).
        std::fprintf(stderr, "vantrel: %s\n", s.error().message.c_str());
        if (!p.screenshot) {
            QMessageBox::critical(nullptr, QStringLiteral("VANTREL"),
                                  QString::fromStdString(s.error().message));
        }
        return 1;
    }
    p.buildWindow();
    if (!p.screenshot) {
        p.switchProfiles();
    }
    p.buildTray();
    if (!p.screenshot) {
        p.serveCommands();
        p.commands->setAfterCommand([&p](const CommandServer::Ran& ran) {
            p.profiles->reloadBindings();
            if (ran.loadedProfile) {
                p.profiles->loadedElsewhere(QString::fromStdString(*ran.loadedProfile));
            }
        });
    }

    if (!p.screenshot) {
        // Without a keyboard the window waits hidden behind the tray icon;
        // where there is no tray it stays in sight and says what is missing.
        if (p.options.background) {
            // Started on login: out of the way until the tray icon is clicked.
            if (!p.trayShown()) {
                p.window.showMinimized();
            }
        } else if (p.session->link().present() || !p.trayShown()) {
            p.window.show();
        } else {
            p.tray->showMissingKeyboard();
        }
        if (!p.problems.isEmpty()) {
            QTimer::singleShot(0, &p.window, [&p] {
                p.window.inform(p.problems.join(QLatin1Char('\n')), QStringLiteral("VANTREL"));
            });
        }
    }
    const int rc = QApplication::exec();
    p.instance.setRequestHandler({});
    p.commands.reset();
    p.window.hide();
    if (Status s = p.session->finish(); !s.ok()) {
        std::fprintf(stderr, "vantrel: %s\n", s.error().message.c_str());
    }
    return rc;
}

} // namespace vantrel::app
