// SPDX-License-Identifier: MIT
#include "ui/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel::ui {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;

QString keepNameCharacters(const QString& s) {
    QString out;
    for (QChar c : s) {
        if ((c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-')) {
            out += c;
        }
    }
    return out;
}

#ifndef _WIN32

// A folder only this user can enter: nobody else can bind a name in it, or
// replace one. $XDG_RUNTIME_DIR is made so by the system; the fallback in
// the temporary folder is made so here and checked, since anyone may have
// created it first.
bool isPrivateFolder(const QString& path) {
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    return ::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

QString privateRuntimeFolder() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isAbsolute() && isPrivateFolder(runtime)) {
        return runtime;
    }
    QString fallback =
        QDir(QDir::tempPath()).filePath(QStringLiteral("vantrel-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    if (isPrivateFolder(fallback)) {
        return fallback;
    }
    // Taken by someone else: a name of our own in the shared folder. The
    // peer check keeps this copy from being sent away by the other one.
    return QDir::tempPath();
}

bool peerIsThisUser(qintptr descriptor) {
#ifdef SO_PEERCRED
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
        return false;
    }
    return peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::getuid();
#endif
}

#else

bool peerIsThisUser(qintptr) {
    return true; // named pipes of another session are out of reach
}

#endif

} // namespace

QString CQuendalApp::serverNameFor(const QString& instanceName) {
    const QString name = QStringLiteral("vantrel-") + keepNameCharacters(instanceName);
#ifndef _WIN32
    // The user is who the system says runs the program, not $USER (which
    // may be unset or anybody's).
    return QDir(privateRuntimeFolder())
        .filePath(name + QLatin1Char('-') + QString::number(::getuid()));
#else
    return name + QLatin1Char('-') + keepNameCharacters(qEnvironmentVariable("USERNAME"));
#endif
}

CQuendalApp::CQuendalApp(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    connect(&server_, &QLocalServer::newConnection, this, &CQuendalApp::onConnection);
}

CQuendalApp::~CQuendalApp() {
    server_.close();
}

CQuendalApp::Start CQuendalApp::start() {
    // Beside the socket: a full name carries its folder, a bare one lives
    // where Qt puts the socket of a bare name.
    const QString lockName = serverName_ + QStringLiteral(".lock");
    QLockFile lock(QFileInfo(serverName_).isAbsolute() ? lockName
                                                       : QDir(QDir::tempPath()).filePath(lockName));
    lock.setStaleLockTime(kLockTimeoutMs * 2);
    if (!lock.tryLock(kLockTimeoutMs)) {
        error_ = QStringLiteral("the start-up lock stays taken");
        return Start::Failed;
    }
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        if (!peerIsThisUser(probe.socketDescriptor())) {
            // Someone else answers on our name: never hand over to them.
            probe.abort();
            error_ = QStringLiteral("another user's program holds the name ") + serverName_;
            return Start::Failed;
        }
        probe.write(kShowRequest);
        probe.waitForBytesWritten(kConnectTimeoutMs);
        probe.disconnectFromServer();
        return Start::Forwarded;
    }
    // Nobody answers: a socket file left by a crashed copy is stale.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(serverName_)) {
        error_ = server_.errorString();
        return Start::Failed;
    }
    return Start::First;
}

void CQuendalApp::onConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort(); // only this user's copies may call this one
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readRequest = [this, socket] {
            if (socket->readAll().contains(kShowRequest.trimmed())) {
                emit showRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        if (socket->bytesAvailable() > 0) {
            readRequest();
        }
    }
}

} // namespace vantrel::ui
