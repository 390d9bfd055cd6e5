// SPDX-License-Identifier: MIT
#pragma once

#include "platform/instance_socket.h"
#include "ui/channel/local_channel.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace vantrel::ui {

class InstanceMutex;

// One running copy per user. The first copy listens on a local socket named
// after the program's instance name; a later copy connects, asks it to show
// its window, and ends. vantrelctl hands its commands to the running copy
// over the same socket (one request line per connection). A lock file makes the check and the start
// of listening one step, so two copies started at the same moment cannot both become the first.
// Socket and lock live in the user's private runtime folder, and each side checks that the other
// runs as the same user.
// On Windows the named mutex of the instance name is that step instead, and the socket is a named
// pipe only this user may open. A later copy also finds the first one's window by its title and
// brings it to the front, so that a copy which cannot be asked (still starting, or one that
// listens on no pipe) is shown all the same.
class CQuendalApp : public QObject {
    Q_OBJECT
public:
    // The name every copy of the program shares (begins with a blank).
    static constexpr const char* kInstanceName = platform::kInstanceName;
    // The main window's title, by which a later copy finds it.
    static constexpr const char* kWindowTitle = "VANTREL";

    // The socket for an instance name (see platform::instanceSocketName).
    static QString serverNameFor(const QString& instanceName);

    // A connection that does not send its request line in this time is
    // dropped.
    static constexpr int kRequestTimeoutMs = 10000;

    // Gets every request line other than "show" (without its newline), with
    // the socket to answer on; the socket is deleted after it disconnects.
    // Without a handler such requests are refused.
    using RequestHandler = std::function<void(LocalConnection* socket, const QByteArray& line)>;
    void setRequestHandler(RequestHandler handler) { handler_ = std::move(handler); }

    explicit CQuendalApp(QString serverName = serverNameFor(QString::fromUtf8(kInstanceName)),
                         QObject* parent = nullptr);
    // With a mutex name of its own (Windows; elsewhere it is not used), for
    // copies that must not meet the program's.
    CQuendalApp(QString serverName, QString mutexName, QObject* parent = nullptr);
    ~CQuendalApp() override;

    enum class Start {
        First,     // this copy runs; showRequested() reports later starts
        Forwarded, // another copy runs and was asked to show its window
        Failed,    // neither listening nor reaching the other copy worked
    };
    Start start();
    QString serverName() const { return serverName_; }
    QString errorString() const { return error_; }

signals:
    // A later start asked this copy to show its window normally and come to
    // the front.
    void showRequested();

private:
    using Ask = LocalConnection::Delivery;
    // Asks the copy listening on the socket to show its window.
    Ask askToShow();
    Start listen();
    void onConnection();
    void takeLine(LocalConnection* socket, const QByteArray& line);

    QString serverName_;
    QString mutexName_;
#ifdef _WIN32
    std::unique_ptr<InstanceMutex> mutex_;
#endif
    QString error_;
    LocalServer server_;
    RequestHandler handler_;
};

} // namespace vantrel::ui
