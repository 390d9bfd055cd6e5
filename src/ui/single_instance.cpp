// SPDX-License-Identifier: MIT
#include "ui/single_instance.h"

#include "remote/protocol.h"
#include "ui/instance_mutex.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>
#include <memory>

namespace vantrel::ui {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 5000;

} // namespace

QString CQuendalApp::serverNameFor(const QString& instanceName) {
    return QString::fromStdString(platform::instanceSocketName(instanceName.toStdString()));
}

CQuendalApp::CQuendalApp(QString serverName, QObject* parent)
    : CQuendalApp(std::move(serverName), QString::fromUtf8(kInstanceName), parent) {}

CQuendalApp::CQuendalApp(QString serverName, QString mutexName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)), mutexName_(std::move(mutexName)) {
    connect(&server_, &LocalServer::newConnection, this, &CQuendalApp::onConnection);
}

CQuendalApp::~CQuendalApp() {
    server_.close();
}

#ifdef _WIN32

CQuendalApp::Start CQuendalApp::start() {
    mutex_ = std::make_unique<InstanceMutex>(mutexName_);
    if (!mutex_->otherCopyRuns()) {
        return listen();
    }
    void* window = findWindowTitled(QString::fromUtf8(kWindowTitle));
    allowToComeForward(window);
    // A copy that is asked shows its window itself, so Qt's idea of the
    // window stays right; the system shows it for a copy that cannot be.
    const Ask asked = askToShow();
    bringForward(window, asked != Ask::Delivered);
    return Start::Forwarded;
}

#else

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
    switch (askToShow()) {
    case Ask::Delivered:
        return Start::Forwarded;
    case Ask::OtherUser:
        error_ = QStringLiteral("another user's program holds the name ") + serverName_;
        return Start::Failed;
    case Ask::NoAnswer:
        break;
    }
    // Nobody answers: a socket file left by a crashed copy is stale.
    LocalServer::removeServer(serverName_);
    return listen();
}

#endif

CQuendalApp::Ask CQuendalApp::askToShow() {
    return LocalConnection::deliver(serverName_, kShowRequest, kConnectTimeoutMs);
}

CQuendalApp::Start CQuendalApp::listen() {
    if (!server_.listen(serverName_)) {
        error_ = server_.errorString();
        return Start::Failed;
    }
    return Start::First;
}

void CQuendalApp::onConnection() {
    while (LocalConnection* socket = server_.nextPendingConnection()) {
        if (!socket->peerIsThisUser()) {
            socket->abort(); // only this user's programs may call this one
            socket->deleteLater();
            continue;
        }
        connect(socket, &LocalConnection::disconnected, socket, &QObject::deleteLater);
        // One line per connection; a peer that never finishes it is let go.
        struct Request {
            QByteArray buffer;
            bool taken = false;
        };
        auto request = std::make_shared<Request>();
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket, request] {
            if (!request->taken) {
                socket->abort();
            }
        });
        auto readRequest = [this, socket, request] {
            if (request->taken) {
                socket->readAll(); // nothing more is expected
                return;
            }
            request->buffer.append(socket->readAll());
            const qsizetype end = request->buffer.indexOf('\n');
            if (end < 0 && request->buffer.size() <= qsizetype(remote::kMaxRequestBytes)) {
                return;
            }
            request->taken = true;
            if (end < 0 || end > qsizetype(remote::kMaxRequestBytes)) {
                socket->write(QByteArray::fromStdString(
                    remote::encodeRefusal("the request is longer than " +
                                          std::to_string(remote::kMaxRequestBytes) + " bytes")));
                socket->disconnectFromServer();
                return;
            }
            const QByteArray line = request->buffer.left(end);
            request->buffer.clear();
            takeLine(socket, line);
        };
        connect(socket, &LocalConnection::readyRead, this, readRequest);
        if (socket->bytesAvailable() > 0) {
            readRequest();
        }
    }
}

void CQuendalApp::takeLine(LocalConnection* socket, const QByteArray& line) {
    if (line.trimmed() == kShowRequest.trimmed()) {
        emit showRequested();
        socket->disconnectFromServer();
        return;
    }
    if (!handler_) {
        socket->write(QByteArray::fromStdString(
            remote::encodeRefusal("this copy of the program takes no commands")));
        socket->disconnectFromServer();
        return;
    }
    handler_(socket, line);
}

} // namespace vantrel::ui
