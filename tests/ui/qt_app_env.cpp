// SPDX-License-Identifier: MIT
// One QApplication for the whole test program (fonts, images, sockets).
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "ui_tests";
            static char* argv[] = {name, nullptr};
            app_ = new QApplication(argc, argv);
#ifdef _WIN32
            // The offscreen platform knows only the build machine's fonts,
            // where Liberation Sans stands for Windows' Arial as it does
            // through fontconfig on Linux.
            QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
#endif
        }
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
