// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include "platform/instance_socket.h"
#include "remote/connection.h"
#include "ui/channel/local_channel.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vantrel::ui {
namespace {

constexpr int kBacklog = 50;
constexpr std::size_t kReadChunk = 4096;

// A bare name lives in the temporary folder, as Qt's local sockets put it.
QByteArray socketPath(const QString& name) {
    const QString path =
        QFileInfo(name).isAbsolute() ? name : QDir(QDir::tempPath()).filePath(name);
    return QFile::encodeName(path);
}

// False when the path does not fit a Unix socket's address.
bool addressOf(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

QString systemError(const char* what, const QByteArray& path) {
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(what), QFile::decodeName(path),
             QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

class LocalConnection::Impl {
public:
    explicit Impl(int fd) : fd_(fd) {}
    ~Impl() {
        read_.reset();
        write_.reset();
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    void attach(LocalConnection* owner) {
        owner_ = owner;
        read_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        write_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
        write_->setEnabled(false);
        QObject::connect(read_.get(), &QSocketNotifier::activated, owner, [this] { receive(); });
        QObject::connect(write_.get(), &QSocketNotifier::activated, owner, [this] { send(); });
    }

    bool connected() const { return fd_ >= 0; }
    QByteArray take() { return std::exchange(in_, {}); }
    qint64 available() const { return in_.size(); }
    bool peerIsThisUser() const { return fd_ >= 0 && platform::peerIsThisUser(fd_); }

    void queue(const QByteArray& bytes) {
        if (fd_ < 0) {
            return;
        }
        out_.append(bytes);
        send();
    }
    void finish() {
        closing_ = true;
        send();
    }
    void end() {
        out_.clear();
        closeNow();
    }

    // Writes what the socket takes now; the rest when it can take more.
    void send() {
        while (fd_ >= 0 && !out_.isEmpty()) {
            const ssize_t n = ::send(fd_, out_.constData(), std::size_t(out_.size()),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
                if (errno != EINTR) {
                    write_->setEnabled(true);
                    return;
                }
                continue;
            }
            if (n < 0) {
                end(); // the other side went away: nothing more can reach it
                return;
            }
            out_.remove(0, n);
        }
        if (fd_ >= 0) {
            write_->setEnabled(false);
            if (closing_) {
                closeNow();
            }
        }
    }

private:
    void receive() {
        bool ended = false;
        qsizetype before = in_.size();
        for (;;) {
            char chunk[kReadChunk];
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
            if (n > 0) {
                in_.append(chunk, n);
                continue;
            }
            if (n < 0 && errno == EINTR) {
                continue;
            }
            ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        if (in_.size() > before) {
            emit owner_->readyRead();
        }
        if (ended && fd_ >= 0) {
            out_.clear();
            closeNow();
        }
    }

    void closeNow() {
        if (fd_ < 0) {
            return;
        }
        read_.reset();
        write_.reset();
        ::close(fd_);
        fd_ = -1;
        emit owner_->disconnected();
    }

    int fd_;
    LocalConnection* owner_ = nullptr;
    std::unique_ptr<QSocketNotifier> read_;
    std::unique_ptr<QSocketNotifier> write_;
    QByteArray in_;
    QByteArray out_;
    bool closing_ = false;
};

LocalConnection::LocalConnection(std::unique_ptr<Impl> impl, QObject* parent)
    : QObject(parent), impl_(std::move(impl)) {
    impl_->attach(this);
}

LocalConnection::~LocalConnection() = default;

bool LocalConnection::connected() const {
    return impl_->connected();
}
QByteArray LocalConnection::readAll() {
    return impl_->take();
}
qint64 LocalConnection::bytesAvailable() const {
    return impl_->available();
}
void LocalConnection::write(const QByteArray& bytes) {
    impl_->queue(bytes);
}
void LocalConnection::flush() {
    impl_->send();
}
void LocalConnection::disconnectFromServer() {
    impl_->finish();
}
void LocalConnection::abort() {
    impl_->end();
}
bool LocalConnection::peerIsThisUser() const {
    return impl_->peerIsThisUser();
}

LocalConnection::Delivery LocalConnection::deliver(const QString& name, const QByteArray& line,
                                                   int timeoutMs) {
    // vantrelctl's own way in: connect, check the user, send.
    const auto deadline = remote::Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto connection = remote::connectToProgram(socketPath(name).toStdString(), deadline);
    if (!connection) {
        return Delivery::NoAnswer;
    }
    if (!(*connection)->peerIsThisUser()) {
        return Delivery::OtherUser; // never hand anything to another user
    }
    return (*connection)->sendAll(line.toStdString(), deadline).ok() ? Delivery::Delivered
                                                                     : Delivery::NoAnswer;
}

class LocalServer::Impl {
public:
    ~Impl() { close(); }

    bool listen(LocalServer* owner, const QString& name) {
        close();
        path_ = socketPath(name);
        sockaddr_un address{};
        if (!addressOf(path_, address)) {
            error_ = QStringLiteral("the socket name is too long: ") + QFile::decodeName(path_);
            return false;
        }
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd_ < 0 ||
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            error_ = systemError("cannot listen on", path_);
            closeSocket();
            return false;
        }
        bound_ = true;
        // The folder is the user's own already; the socket says so too.
        if (::chmod(path_.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd_, kBacklog) != 0) {
            error_ = systemError("cannot listen on", path_);
            close();
            return false;
        }
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, owner,
                         [this, owner] { accept(owner); });
        return true;
    }

    void close() {
        closeSocket();
        if (bound_) {
            ::unlink(path_.constData());
            bound_ = false;
        }
    }

    QString error() const { return error_; }

    LocalConnection* next() {
        if (pending_.empty()) {
            return nullptr;
        }
        LocalConnection* c = pending_.front();
        pending_.pop_front();
        return c;
    }

private:
    void accept(LocalServer* owner) {
        bool arrived = false;
        for (;;) {
            const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR || errno == ECONNABORTED) {
                    continue;
                }
                break;
            }
            pending_.push_back(
                new LocalConnection(std::make_unique<LocalConnection::Impl>(fd), owner));
            arrived = true;
        }
        if (arrived) {
            emit owner->newConnection();
        }
    }

    void closeSocket() {
        notifier_.reset();
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

    int fd_ = -1;
    bool bound_ = false;
    QByteArray path_;
    QString error_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::deque<LocalConnection*> pending_;
};

LocalServer::LocalServer(QObject* parent) : QObject(parent), impl_(std::make_unique<Impl>()) {}
LocalServer::~LocalServer() = default;

bool LocalServer::listen(const QString& name) {
    return impl_->listen(this, name);
}
void LocalServer::close() {
    impl_->close();
}
QString LocalServer::errorString() const {
    return impl_->error();
}
LocalConnection* LocalServer::nextPendingConnection() {
    return impl_->next();
}

void LocalServer::removeServer(const QString& name) {
    ::unlink(socketPath(name).constData());
}

} // namespace vantrel::ui
#endif
