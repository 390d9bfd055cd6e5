// SPDX-License-Identifier: MIT
// The local channel against Qt's own local socket as the other side: what
// vantrelctl and a later copy of the program speak to.
#include "ui/channel/local_channel.h"

#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

QString uniqueName() {
    return QStringLiteral("vantrel-channel-") + QUuid::createUuid().toString(QUuid::Id128);
}

// The next connection the server gets, waiting for it in the event loop.
LocalConnection* nextConnection(LocalServer& server) {
    for (int i = 0; i < 200; ++i) {
        if (LocalConnection* c = server.nextPendingConnection()) {
            return c;
        }
        QTest::qWait(10);
    }
    return nullptr;
}

TEST(LocalChannel, AnAnswerLargerThanTheSocketTakesAtOnceArrivesWholeBeforeTheEnd) {
    LocalServer server;
    const QString name = uniqueName();
    ASSERT_TRUE(server.listen(name)) << server.errorString().toStdString();
    QLocalSocket client;
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(1000));
    client.write("request\n");
    client.flush();
    LocalConnection* c = nextConnection(server);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->peerIsThisUser());
    for (int i = 0; i < 100 && c->bytesAvailable() == 0; ++i) {
        QTest::qWait(10);
    }
    EXPECT_EQ(c->readAll(), "request\n");

    QByteArray answer(1024 * 1024, 'a');
    answer[answer.size() - 1] = 'z';
    c->write(answer);
    c->disconnectFromServer(); // only once everything is written
    QByteArray got;
    for (int i = 0; i < 500 && client.state() == QLocalSocket::ConnectedState; ++i) {
        client.waitForReadyRead(20);
        got += client.readAll();
        QCoreApplication::processEvents();
    }
    got += client.readAll();
    EXPECT_EQ(got.size(), answer.size());
    EXPECT_EQ(got, answer);
    EXPECT_FALSE(c->connected());
}

TEST(LocalChannel, AClientThatGoesAwayEndsTheConnection) {
    LocalServer server;
    const QString name = uniqueName();
    ASSERT_TRUE(server.listen(name));
    QPointer<LocalConnection> c;
    {
        QLocalSocket client;
        client.connectToServer(name);
        ASSERT_TRUE(client.waitForConnected(1000));
        c = nextConnection(server);
        ASSERT_FALSE(c.isNull());
        EXPECT_TRUE(c->connected());
    }
    QSignalSpy ended(c.data(), &LocalConnection::disconnected);
    EXPECT_TRUE(ended.count() == 1 || ended.wait(2000));
    EXPECT_FALSE(c->connected());
    c->write("nobody reads this"); // harmless after the end
}

TEST(LocalChannel, DeliveryTellsWhetherAnyoneListens) {
    const QString name = uniqueName();
    EXPECT_EQ(LocalConnection::deliver(name, "show\n", 200), LocalConnection::Delivery::NoAnswer);
    LocalServer server;
    ASSERT_TRUE(server.listen(name));
    EXPECT_EQ(LocalConnection::deliver(name, "show\n", 1000), LocalConnection::Delivery::Delivered);
    LocalConnection* c = nextConnection(server);
    ASSERT_NE(c, nullptr);
#ifndef _WIN32
    // (Under wine a pipe that its client closes right after writing is not
    // always read to the end by the server's side; the program's own "show"
    // is covered by the single-instance tests there.)
    for (int i = 0; i < 100 && c->bytesAvailable() == 0; ++i) {
        QTest::qWait(10);
    }
    EXPECT_EQ(c->readAll(), "show\n");
#endif

    server.close();
    EXPECT_EQ(LocalConnection::deliver(name, "show\n", 200), LocalConnection::Delivery::NoAnswer);
}

#ifndef _WIN32
// (A Windows pipe name takes more than one server.)
TEST(LocalChannel, ANameInUseIsRefusedUntilItsServerCloses) {
    const QString name = uniqueName();
    LocalServer server;
    ASSERT_TRUE(server.listen(name));
    LocalServer second;
    EXPECT_FALSE(second.listen(name));
    EXPECT_FALSE(second.errorString().isEmpty());
    server.close();
    EXPECT_EQ(LocalConnection::deliver(name, "show\n", 200), LocalConnection::Delivery::NoAnswer);
    EXPECT_TRUE(second.listen(name)) << second.errorString().toStdString();
}

TEST(LocalChannel, ANameTooLongForASocketIsRefusedWithTheReason) {
    LocalServer server;
    EXPECT_FALSE(server.listen(QStringLiteral("/tmp/") + QString(200, QLatin1Char('n'))));
    EXPECT_TRUE(server.errorString().contains(QStringLiteral("too long")));
}
#endif

} // namespace
} // namespace vantrel::ui
