// SPDX-License-Identifier: MIT
// POSIX sockets and users; Windows has windows_single_instance_test.cpp.
#ifndef _WIN32

#include "remote/protocol.h"
#include "support/temp_dir.h"
#include "ui/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel::ui {
namespace {

QString uniqueName() {
    return QStringLiteral("vantrel-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// Sets an environment variable for one test and puts the old value back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = std::string(old);
        }
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvironmentVariable() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

QString instanceName() {
    return CQuendalApp::serverNameFor(QString::fromUtf8(CQuendalApp::kInstanceName));
}

TEST(SingleInstance, NameIsSanitisedAndPerUser) {
    const QString name = QFileInfo(instanceName()).fileName();
    EXPECT_EQ(name, QStringLiteral("vantrel-57D1171D-1a34-0804-8A3A-65ABA2150001-") +
                        QString::number(::getuid()));
}

// The name follows the user the system knows, not $USER: without it every
// user shared one name, and anyone could bind a name in the shared folder.
TEST(SingleInstance, SocketLivesInTheUsersOwnRuntimeFolder) {
    vantrel::testing::TempDir runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    EnvironmentVariable user("USER", nullptr);
    {
        EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.path().c_str());
        EXPECT_EQ(QFileInfo(instanceName()).absolutePath(),
                  QFileInfo(QString::fromStdString(runtime.path().string())).absoluteFilePath());
    }
    // A runtime folder others may enter is not used; nor is a missing one.
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::all);
    for (const char* value : {runtime.path().c_str(), static_cast<const char*>(nullptr)}) {
        EnvironmentVariable xdg("XDG_RUNTIME_DIR", value);
        const QFileInfo socket(instanceName());
        EXPECT_EQ(socket.absolutePath(),
                  QDir(QDir::tempPath()).filePath(QStringLiteral("vantrel-%1").arg(::getuid())));
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(socket.absolutePath()).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        EXPECT_EQ(st.st_uid, ::getuid());
    }
}

// Another local user who binds our name first must neither receive our
// start (and so keep this copy from running) nor be able to ask us to show.
TEST(SingleInstance, AnotherUsersServerIsNeverForwardedTo) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    const QString name = QDir(QDir::tempPath()).filePath(uniqueName());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        // The other user: listens on the name, world-reachable.
        ::close(ready[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(1);
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        ::umask(0);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(fd, 4) != 0) {
            ::_exit(1);
        }
        [[maybe_unused]] const auto w = ::write(ready[1], "r", 1);
        for (;;) {
            const int c = ::accept(fd, nullptr, nullptr);
            char b[16];
            [[maybe_unused]] const auto n = ::read(c, b, sizeof b);
            ::close(c);
        }
    }
    ::close(ready[1]);
    char r = 0;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    ::close(ready[0]);

    CQuendalApp app(name);
    const auto start = app.start();
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    QFile::remove(name);
    EXPECT_NE(start, CQuendalApp::Start::Forwarded);
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

// What a client of the program reads back after sending `request`: every
// line until the program closes the connection.
QByteArray exchange(const QString& name, const QByteArray& request) {
    // The program answers from this thread's event loop: wait in it.
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.state() != QLocalSocket::ConnectedState) {
        return "no connection";
    }
    socket.write(request);
    QByteArray answer;
    for (int i = 0; i < 100 && socket.state() == QLocalSocket::ConnectedState; ++i) {
        QTest::qWait(20);
        answer += socket.readAll();
    }
    return answer + socket.readAll();
}

TEST(SingleInstance, RequestLinesGoToTheHandlerAndOthersAreRefused) {
    const QString name = uniqueName();
    CQuendalApp app(name);
    ASSERT_EQ(app.start(), CQuendalApp::Start::First);

    // Without a handler a command is refused, never silently dropped.
    EXPECT_TRUE(exchange(name, "{\"version\":1}\n").contains("\"refused\""));

    QList<QByteArray> lines;
    app.setRequestHandler([&lines](LocalConnection* socket, const QByteArray& line) {
        lines << line;
        socket->write("ok\n");
        socket->disconnectFromServer();
    });
    EXPECT_EQ(exchange(name, "{\"a\":1}\n"), "ok\n");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], "{\"a\":1}"); // the newline is not part of it

    // A line longer than any request is refused unread, in pieces or not.
    const QByteArray huge(qsizetype(remote::kMaxRequestBytes) + 10, 'x');
    const QByteArray refused = exchange(name, huge);
    EXPECT_TRUE(refused.contains("longer than")) << refused.left(200).constData();
    EXPECT_EQ(lines.size(), 1);

    // "show" still shows.
    QSignalSpy shown(&app, &CQuendalApp::showRequested);
    exchange(name, "show\n");
    EXPECT_TRUE(shown.count() == 1 || shown.wait(2000));
    EXPECT_EQ(lines.size(), 1);
}

TEST(SingleInstance, AnotherUsersRequestIsDroppedUnanswered) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    const QString name = QDir(QDir::tempPath()).filePath(uniqueName());
    CQuendalApp app(name);
    ASSERT_EQ(app.start(), CQuendalApp::Start::First);
    // Reachable for the other user, so that only the peer check stands
    // between it and the program.
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0777), 0);
    int handled = 0;
    app.setRequestHandler([&handled](LocalConnection* socket, const QByteArray&) {
        ++handled;
        socket->write("ran\n");
    });
    const pid_t other = ::fork();
    if (other == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(3);
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::_exit(4);
        }
        const char request[] = "{\"version\":1,\"command\":\"reset\"}\n";
        [[maybe_unused]] const auto w = ::write(fd, request, sizeof request - 1);
        char b[64];
        // The program closes the connection without a word (a reset, as it
        // leaves the request unread).
        ::_exit(::read(fd, b, sizeof b) <= 0 ? 0 : 5);
    }
    int status = -1;
    for (int i = 0; i < 100 && ::waitpid(other, &status, WNOHANG) == 0; ++i) {
        QTest::qWait(30);
    }
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(handled, 0);
    QFile::remove(name);
}

} // namespace
} // namespace vantrel::ui

#endif
