// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vantrel::ui {

// One running copy per user. The first copy listens on a local socket named
// after the program's instance name; a later copy connects, asks it to show
// its window, and ends. A lock file makes the check and the start of
// listening one step, so two copies started at the same moment cannot both
// become the first. Socket and lock live in the user's private runtime
// folder, and each side checks that the other runs as the same user.
class CQuendalApp : public QObject {
    Q_OBJECT
public:
    // The name every copy of the program shares (begins with a blank).
    static constexpr const char* kInstanceName = " {57D1171D-1a34-0804-8A3A-65ABA2150001}";

    // The socket for an instance name: only letters, digits and '-', with
    // the numeric user id added, in $XDG_RUNTIME_DIR (or a folder of the
    // user's own in the temporary folder) so that users do not see each
    // other.
    static QString serverNameFor(const QString& instanceName);

    explicit CQuendalApp(QString serverName = serverNameFor(QString::fromUtf8(kInstanceName)),
                         QObject* parent = nullptr);
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
    void onConnection();

    QString serverName_;
    QString error_;
    QLocalServer server_;
};

} // namespace vantrel::ui
