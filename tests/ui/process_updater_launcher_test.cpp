// SPDX-License-Identifier: MIT
#include "support/temp_dir.h"
#include "ui/process_updater_launcher.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

TEST(ProcessUpdaterLauncher, MissingUpdaterIsAnErrorNotSilence) {
    vantrel::testing::TempDir dir;
    ProcessUpdaterLauncher launcher(QString::fromStdString(dir.path().string()));
    const Status s = launcher.start();
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("VANTREL_Update"), std::string::npos);
}

#ifndef _WIN32
TEST(ProcessUpdaterLauncher, StartsTheProgramBesideUsWithoutAShell) {
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    const QString marker = folder + QStringLiteral("/started");
    ProcessUpdaterLauncher launcher(folder);
    EXPECT_EQ(launcher.path(), folder + QStringLiteral("/VANTREL_Update"));
    {
        QFile script(launcher.path());
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ASSERT_TRUE(launcher.start().ok());
    for (int waited = 0; waited < 5000 && !QFile::exists(marker); waited += 20) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(QFile::exists(marker));
}
#else
// The fake updater writes "started" with its argument count into the
// folder it runs in: the program folder, and no arguments.
TEST(ProcessUpdaterLauncher, StartsTheUpdaterBesideUsInItsFolderWithoutArguments) {
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    ProcessUpdaterLauncher launcher(folder);
    EXPECT_EQ(QFileInfo(launcher.path()),
              QFileInfo(folder + QStringLiteral("/VANTREL_Update.exe")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTREL_FAKE_UPDATER), launcher.path()));
    ASSERT_TRUE(launcher.start().ok());
    QFile marker(folder + QStringLiteral("/started"));
    for (int waited = 0; waited < 10000 && marker.size() == 0; waited += 20) {
        QTest::qWait(20);
    }
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll().trimmed(), QByteArray("0"));
}
#endif

} // namespace
} // namespace vantrel::ui
