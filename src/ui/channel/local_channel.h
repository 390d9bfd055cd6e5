// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>

namespace vantrel::ui {

// One connection of the local channel between copies of the program and
// vantrelctl: bytes in, bytes out, and the end of it. On Linux a Unix
// socket of our own, which spares the program Qt's network module and the
// libraries it loads; on Windows a named pipe through Qt's local socket.
class LocalConnection : public QObject {
    Q_OBJECT
public:
    class Impl;
    explicit LocalConnection(std::unique_ptr<Impl> impl, QObject* parent = nullptr);
    ~LocalConnection() override;

    bool connected() const;
    // Everything received and not yet taken.
    QByteArray readAll();
    qint64 bytesAvailable() const;
    // Queued: written as fast as the other side takes it.
    void write(const QByteArray& bytes);
    // Writes what it can now, without waiting.
    void flush();
    // Ends the connection once everything queued is written.
    void disconnectFromServer();
    // Ends it now; what is queued is dropped.
    void abort();
    // True when the other side runs as this user.
    bool peerIsThisUser() const;

    enum class Delivery { Delivered, NoAnswer, OtherUser };
    // Connects to `name`, sends `line` when this user listens there, and
    // ends the connection, within about `timeoutMs`.
    static Delivery deliver(const QString& name, const QByteArray& line, int timeoutMs);

signals:
    void readyRead();
    void disconnected();

private:
    friend class Impl;
    std::unique_ptr<Impl> impl_;
};

// Where connections arrive: only this user's programs can connect.
class LocalServer : public QObject {
    Q_OBJECT
public:
    class Impl;
    explicit LocalServer(QObject* parent = nullptr);
    ~LocalServer() override;

    bool listen(const QString& name);
    void close();
    QString errorString() const;
    // Removes what a copy that crashed left under `name`.
    static void removeServer(const QString& name);
    // The next connection, owned by the caller (null when there is none).
    LocalConnection* nextPendingConnection();

signals:
    void newConnection();

private:
    friend class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel::ui
