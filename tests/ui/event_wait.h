// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace vantrel::ui::testing {

// Runs the GUI thread's event loop until `done` holds, so that results the
// device threads queue to it arrive; false after five seconds.
template <class Pred> bool waitFor(Pred done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 5000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace vantrel::ui::testing
