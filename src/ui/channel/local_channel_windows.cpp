// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include "platform/instance_socket.h"
#include "ui/channel/local_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace vantrel::ui {

// A named pipe through Qt's local socket.
class LocalConnection::Impl {
public:
    explicit Impl(QLocalSocket* socket) : socket_(socket) {}
    ~Impl() { delete socket_; }

    void attach(LocalConnection* owner) {
        socket_->setParent(nullptr);
        QObject::connect(socket_, &QLocalSocket::readyRead, owner, &LocalConnection::readyRead);
        QObject::connect(socket_, &QLocalSocket::disconnected, owner,
                         &LocalConnection::disconnected);
    }

    QLocalSocket* socket_;
};

LocalConnection::LocalConnection(std::unique_ptr<Impl> impl, QObject* parent)
    : QObject(parent), impl_(std::move(impl)) {
    impl_->attach(this);
}

LocalConnection::~LocalConnection() = default;

bool LocalConnection::connected() const {
    return impl_->socket_->state() == QLocalSocket::ConnectedState;
}
QByteArray LocalConnection::readAll() {
    return impl_->socket_->readAll();
}
qint64 LocalConnection::bytesAvailable() const {
    return impl_->socket_->bytesAvailable();
}
void LocalConnection::write(const QByteArray& bytes) {
    impl_->socket_->write(bytes);
}
void LocalConnection::flush() {
    impl_->socket_->flush();
}
void LocalConnection::disconnectFromServer() {
    impl_->socket_->disconnectFromServer();
}
void LocalConnection::abort() {
    impl_->socket_->abort();
}
bool LocalConnection::peerIsThisUser() const {
    return platform::peerIsThisUser(impl_->socket_->socketDescriptor());
}

LocalConnection::Delivery LocalConnection::deliver(const QString& name, const QByteArray& line,
                                                   int timeoutMs) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (!probe.waitForConnected(timeoutMs)) {
        return Delivery::NoAnswer;
    }
    if (!platform::peerIsThisUser(probe.socketDescriptor())) {
        probe.abort(); // never hand anything to another user
        return Delivery::OtherUser;
    }
    probe.write(line);
    probe.waitForBytesWritten(timeoutMs);
    probe.disconnectFromServer();
    return Delivery::Delivered;
}

class LocalServer::Impl {
public:
    QLocalServer server;
};

LocalServer::LocalServer(QObject* parent) : QObject(parent), impl_(std::make_unique<Impl>()) {
    connect(&impl_->server, &QLocalServer::newConnection, this, &LocalServer::newConnection);
}

LocalServer::~LocalServer() = default;

bool LocalServer::listen(const QString& name) {
    // The pipe's access list names this user alone.
    impl_->server.setSocketOptions(QLocalServer::UserAccessOption);
    return impl_->server.listen(name);
}
void LocalServer::close() {
    impl_->server.close();
}
QString LocalServer::errorString() const {
    return impl_->server.errorString();
}
void LocalServer::removeServer(const QString& name) {
    QLocalServer::removeServer(name);
}

LocalConnection* LocalServer::nextPendingConnection() {
    QLocalSocket* socket = impl_->server.nextPendingConnection();
    if (socket == nullptr) {
        return nullptr;
    }
    return new LocalConnection(std::make_unique<LocalConnection::Impl>(socket), this);
}

} // namespace vantrel::ui
#endif
