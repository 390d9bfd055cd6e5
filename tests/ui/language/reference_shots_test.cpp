// SPDX-License-Identifier: MIT
// Writes every window in Russian to VANTREL_REFERENCE_OUT.
#include "window_gallery.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

TEST(ReferenceShots, WriteRussian) {
    const QByteArray out = qgetenv("VANTREL_REFERENCE_OUT");
    if (out.isEmpty()) {
        GTEST_SKIP();
    }
    QDir().mkpath(QString::fromLocal8Bit(out));
    drawEveryWindow(UiLanguage{}, [&](const QString& name, const QImage& img) {
        EXPECT_TRUE(img.save(QDir(QString::fromLocal8Bit(out)).filePath(name + ".png")));
    });
}

} // namespace
} // namespace vantrel::ui::testing
