// SPDX-License-Identifier: MIT
#include "app/program_options.h"

#include "core/model/interface_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace vantrel::app {

namespace {

constexpr int kExitBadUsage = 2;
// The names `--language` takes, as the help and the errors list them.
constexpr const char* kLanguageNames = "en, ru, zh, de, fr, es, pt_BR, pl, uk, ja or ko";

const QStringList& valueOptions() {
    static const QStringList names{QStringLiteral("--sim-state"), QStringLiteral("--trace"),
                                   QStringLiteral("--data-dir"), QStringLiteral("--screenshot"),
                                   QStringLiteral("--language")};
    return names;
}

bool isOurs(const QString& arg) {
    return arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-h") ||
           arg == QLatin1String("-?") || arg == QLatin1String("-v");
}

// The first value option given an empty value (an unset shell variable):
// taken as it is, it would quietly mean the default folder or no file.
QString emptyValueOption(const QCommandLineParser& parser) {
    for (const QString& option : valueOptions()) {
        QString name = option.mid(2);
        if (parser.isSet(name) && parser.value(name).isEmpty()) {
            return name;
        }
    }
    return {};
}

} // namespace

void addProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Configurator for the Vantrel keyboard"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("simulate"), QStringLiteral("Use the simulated keyboard.")});
    parser.addOption({QStringLiteral("sim-state"),
                      QStringLiteral("Keep the simulated keyboard in FILE (implies --simulate)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("trace"), QStringLiteral("Write every transfer to FILE."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("data-dir"),
                      QStringLiteral("Folder of keymap.bin, MacroDefine.bin and VER.bin."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Render the window after start-up to FILE (PNG) and exit."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("language"),
                      QStringLiteral("Interface language: %1 (default: the one chosen "
                                     "in the tray menu, else the desktop's).")
                          .arg(QString::fromLatin1(kLanguageNames)),
                      QStringLiteral("LANG")});
    parser.addOption({QStringLiteral("background"),
                      QStringLiteral("Start hidden in the tray (minimised where there is none).")});
}

ProgramOptions parseProgramOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    addProgramOptions(parser);
    parser.process(app);
    ProgramOptions o;
    o.simulate = parser.isSet(QStringLiteral("simulate"));
    o.simState = parser.value(QStringLiteral("sim-state"));
    o.trace = parser.value(QStringLiteral("trace"));
    o.dataDir = parser.value(QStringLiteral("data-dir"));
    o.screenshot = parser.value(QStringLiteral("screenshot"));
    o.background = parser.isSet(QStringLiteral("background"));
    o.language = parser.value(QStringLiteral("language"));
    return o;
}

std::optional<int> answerWithoutDisplay(int argc, char** argv) {
    QStringList args{argc > 0 ? QString::fromLocal8Bit(argv[0]) : QStringLiteral("vantrel")};
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--")) {
            break;
        }
        if (!isOurs(arg)) {
            continue;
        }
        args << arg;
        if (valueOptions().contains(arg) && i + 1 < argc) {
            args << QString::fromLocal8Bit(argv[++i]);
        }
    }
    QCommandLineParser parser;
    addProgramOptions(parser);
    if (!parser.parse(args)) {
        std::fprintf(stderr, "vantrel: %s; see 'vantrel --help'.\n",
                     qPrintable(parser.errorText()));
        return kExitBadUsage;
    }
    if (const QString empty = emptyValueOption(parser); !empty.isEmpty()) {
        std::fprintf(stderr, "vantrel: --%s needs %s, not an empty value; see 'vantrel --help'.\n",
                     qPrintable(empty),
                     empty == QLatin1String("data-dir")   ? "a folder"
                     : empty == QLatin1String("language") ? kLanguageNames
                                                          : "a file name");
        return kExitBadUsage;
    }
    if (parser.isSet(QStringLiteral("language")) &&
        !UiLanguage::fromName(parser.value(QStringLiteral("language")).toStdString())) {
        std::fprintf(stderr, "vantrel: unknown language '%s' (%s); see 'vantrel --help'.\n",
                     qPrintable(parser.value(QStringLiteral("language"))), kLanguageNames);
        return kExitBadUsage;
    }
    const bool help =
        parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version"))) {
        return std::nullopt;
    }
    // The texts want an application object, not a display.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    if (help) {
        std::fputs(qPrintable(parser.helpText()), stdout);
    } else {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
    }
    return 0;
}

} // namespace vantrel::app
