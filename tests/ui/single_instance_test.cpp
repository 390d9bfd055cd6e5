// SPDX-License-Identifier: MIT
#include "ui/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

QString uniqueName() {
    return QStringLiteral("vantrel-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, NameIsSanitisedAndPerUser) {
    const QString name = CQuendalApp::serverNameFor(QString::fromUtf8(CQuendalApp::kInstanceName));
    EXPECT_TRUE(name.startsWith(QStringLiteral("vantrel-57D1171D-1a34-0804-8A3A-65ABA2150001-")));
    EXPECT_FALSE(name.contains(QLatin1Char(' ')));
    EXPECT_FALSE(name.contains(QLatin1Char('{')));
}

TEST(SingleInstance, SecondStartShowsTheFirstAndEnds) {
    const QString name = uniqueName();
    CQuendalApp first(name);
    ASSERT_EQ(first.start(), CQuendalApp::Start::First);
    QSignalSpy shown(&first, &CQuendalApp::showRequested);

    CQuendalApp second(name);
    EXPECT_EQ(second.start(), CQuendalApp::Start::Forwarded);
    EXPECT_TRUE(shown.wait(3000));
    EXPECT_EQ(shown.count(), 1);

    // Other names are other programs.
    CQuendalApp other(uniqueName());
    EXPECT_EQ(other.start(), CQuendalApp::Start::First);
}

TEST(SingleInstance, StaleSocketOfACrashedCopyIsReplaced) {
    const QString name = uniqueName();
    {
        QFile stale(QDir(QDir::tempPath()).filePath(name));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    CQuendalApp app(name);
    EXPECT_EQ(app.start(), CQuendalApp::Start::First);
}

} // namespace
} // namespace vantrel::ui
