// SPDX-License-Identifier: MIT
// Single instance on Windows: the named mutex, the window found by title,
// and the pipe only this user can open.
#ifdef _WIN32

#include "ui/single_instance.h"

#include <QLocalSocket>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <aclapi.h>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <sddl.h>
#include <windows.h>

namespace vantrel::ui {
namespace {

QString unique(const char* what) {
    return QStringLiteral("vantrel-test-%1-").arg(QLatin1String(what)) +
           QUuid::createUuid().toString(QUuid::Id128);
}

TEST(WindowsSingleInstance, TheProgramsMutexIsTheInstanceNameWithItsBlank) {
    EXPECT_STREQ(CQuendalApp::kInstanceName, " {57D1171D-1a34-0804-8A3A-65ABA2150001}");
    EXPECT_STREQ(CQuendalApp::kWindowTitle, "VANTREL");
}

// The first copy, in a thread of its own as in a process of its own: the
// later copy waits for its answer without running its loop.
class FirstCopy {
public:
    FirstCopy(const QString& server, const QString& mutex) {
        thread_.start();
        context_.moveToThread(&thread_);
        QMetaObject::invokeMethod(
            &context_,
            [&] {
                app_ = std::make_unique<CQuendalApp>(server, mutex);
                QObject::connect(app_.get(), &CQuendalApp::showRequested, [this] { ++shown; });
                start_ = app_->start();
            },
            Qt::BlockingQueuedConnection);
    }
    ~FirstCopy() {
        QMetaObject::invokeMethod(
            &context_, [&] { app_.reset(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    CQuendalApp::Start start() const { return start_; }
    std::atomic<int> shown{0};

private:
    QThread thread_;
    QObject context_;
    std::unique_ptr<CQuendalApp> app_;
    CQuendalApp::Start start_ = CQuendalApp::Start::Failed;
};

TEST(WindowsSingleInstance, SecondStartShowsTheFirstAndEnds) {
    const QString server = unique("pipe");
    const QString mutex = unique("mutex");
    FirstCopy first(server, mutex);
    ASSERT_EQ(first.start(), CQuendalApp::Start::First);
    CQuendalApp second(server, mutex);
    EXPECT_EQ(second.start(), CQuendalApp::Start::Forwarded);
    for (int waited = 0; waited < 3000 && first.shown == 0; waited += 20) {
        QTest::qWait(20);
    }
    EXPECT_EQ(first.shown, 1);
    // Another mutex is another program, even on the same pipe name.
    CQuendalApp other(unique("pipe"), unique("mutex"));
    EXPECT_EQ(other.start(), CQuendalApp::Start::First);
}

// A copy that cannot be asked (one that listens on no pipe, or is still
// starting) is shown by the system, found by its window's title.
TEST(WindowsSingleInstance, ACopyWithoutAPipeIsShownByItsWindow) {
    const QString mutex = unique("mutex");
    HANDLE held = CreateMutexW(nullptr, FALSE, mutex.toStdWString().c_str());
    ASSERT_NE(held, nullptr);
    HWND window = CreateWindowExW(0, L"STATIC", L"VANTREL", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(IsWindowVisible(window));
    CQuendalApp second(unique("pipe"), mutex);
    EXPECT_EQ(second.start(), CQuendalApp::Start::Forwarded);
    QTest::qWait(200); // the show is asynchronous
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
    CloseHandle(held);
}

TEST(WindowsSingleInstance, TheMutexGoesWithTheCopy) {
    const QString server = unique("pipe");
    const QString mutex = unique("mutex");
    {
        CQuendalApp first(server, mutex);
        ASSERT_EQ(first.start(), CQuendalApp::Start::First);
    }
    CQuendalApp next(server, mutex);
    EXPECT_EQ(next.start(), CQuendalApp::Start::First);
}

struct LocalFreer {
    void operator()(void* p) const { LocalFree(p); }
};

// Every access the pipe's list allows is for this user alone: not Everyone,
// not the users' group, not another account.
TEST(WindowsSingleInstance, OnlyThisUserMayOpenThePipe) {
    const QString server = unique("pipe");
    CQuendalApp first(server, unique("mutex"));
    ASSERT_EQ(first.start(), CQuendalApp::Start::First);
    const std::wstring path = L"\\\\.\\pipe\\" + server.toStdWString();
    HANDLE pipe = CreateFileW(path.c_str(), READ_CONTROL, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE) << GetLastError();
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    const DWORD got = GetSecurityInfo(pipe, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                      nullptr, &dacl, nullptr, &sd);
    CloseHandle(pipe);
    if (got != ERROR_SUCCESS || dacl == nullptr) {
        LocalFree(sd);
        GTEST_SKIP() << "this system gives no access list for the pipe (error " << got
                     << "); wine keeps none for named pipes";
    }
    std::unique_ptr<void, LocalFreer> freeSd(sd);
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    unsigned char buffer[256];
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size));
    CloseHandle(token);
    PSID me = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    ACL_SIZE_INFORMATION info{};
    ASSERT_TRUE(GetAclInformation(dacl, &info, sizeof info, AclSizeInformation));
    int allowedForMe = 0;
    for (DWORD i = 0; i < info.AceCount; ++i) {
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(dacl, i, &ace));
        const auto* header = static_cast<ACE_HEADER*>(ace);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue; // denials take nothing away from this check
        }
        PSID sid = &static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart;
        LPWSTR text = nullptr;
        ConvertSidToStringSidW(sid, &text);
        EXPECT_TRUE(EqualSid(sid, me))
            << "the pipe lets " << QString::fromWCharArray(text).toStdString() << " in";
        LocalFree(text);
        allowedForMe += EqualSid(sid, me) ? 1 : 0;
    }
    EXPECT_GE(allowedForMe, 1);
}

} // namespace
} // namespace vantrel::ui

#endif
