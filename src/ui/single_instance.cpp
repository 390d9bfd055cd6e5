// SPDX-License-Identifier: MIT
#include "ui/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

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

} // namespace

QString CQuendalApp::serverNameFor(const QString& instanceName) {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = qEnvironmentVariable("USERNAME");
    }
    return QStringLiteral("vantrel-") + keepNameCharacters(instanceName) + QLatin1Char('-') +
           keepNameCharacters(user);
}

CQuendalApp::CQuendalApp(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    connect(&server_, &QLocalServer::newConnection, this, &CQuendalApp::onConnection);
}

CQuendalApp::~CQuendalApp() {
    server_.close();
}

CQuendalApp::Start CQuendalApp::start() {
    QLockFile lock(QDir(QDir::tempPath()).filePath(serverName_ + QStringLiteral(".lock")));
    lock.setStaleLockTime(kLockTimeoutMs * 2);
    if (!lock.tryLock(kLockTimeoutMs)) {
        error_ = QStringLiteral("the start-up lock stays taken");
        return Start::Failed;
    }
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
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
