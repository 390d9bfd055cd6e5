// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

#include <QString>

namespace vantrel::ui {

// The named mutex every copy of the program creates on Windows, in the
// session's own namespace. Creating it is the check and the claim in one
// step, so two copies started at once cannot both be first; the system
// lets it go when the process ends, however it ends.
class InstanceMutex {
public:
    explicit InstanceMutex(const QString& name);
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // Another copy made it first. A mutex that could not be made at all
    // says no: that copy then runs as the first.
    bool otherCopyRuns() const { return existed_; }

private:
    void* handle_ = nullptr;
    bool existed_ = false;
};

// The top-level window with exactly this title, as an HWND; null when
// there is none.
void* findWindowTitled(const QString& title);

// Lets the process that owns `window` take the foreground from this one:
// the system gives it away only from the process in front.
void allowToComeForward(void* window);

// Shows `window` of another copy (restored if minimised) and brings it to
// the front.
void bringForward(void* window, bool show);

} // namespace vantrel::ui

#endif
