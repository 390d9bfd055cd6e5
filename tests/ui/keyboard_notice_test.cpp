// SPDX-License-Identifier: MIT
// The window's line about the simulated keyboard: why it is in use.
#include "controller_fixture.h"
#include "core/model/basic_functions.h"
#include "in_language.h"
#include "ui/keyboard_notice.h"

#include <QImage>

namespace vantrel::ui::testing {
namespace {

struct SimulatedDevice : FakeDevice {
    bool simulated() const override { return true; }
};

class SimulationNoticeTest : public ControllerTest {
protected:
    SimulationNoticeTest() {
        controller.setKeyboardPort(&simulatedDevice);
        controller.connectionChanged(true);
    }
    // The notice line from its red mark to the apply button, and the button.
    QImage noticeLine() { return controller.compose().copy(QRect(300, 605, 560, 22)); }
    QImage applyButton() { return controller.compose().copy(QRect(862, 606, 72, 32)); }

    SimulatedDevice simulatedDevice;
};

TEST_F(SimulationNoticeTest, AClosedKeyboardIsSaidApartFromAMissingOneAndFitsBeforeApply) {
    const QImage missingLine = noticeLine();
    const QImage button = applyButton();
    controller.setSimulationNotice(simulationNotice(true));
    EXPECT_NE(noticeLine(), missingLine);
    // The longer text, with the rule's path, ends before the apply button.
    EXPECT_EQ(applyButton(), button);
    for (UiLanguage language : interfaceLanguages()) {
        const InLanguage in(language);
        controller.setSimulationNotice(simulationNotice(false));
        const QImage languageButton = applyButton(); // its caption is translated too
        controller.setSimulationNotice(simulationNotice(true));
        EXPECT_EQ(applyButton(), languageButton) << language.catalogue();
    }
    controller.setSimulationNotice(simulationNotice(false));
    EXPECT_EQ(noticeLine(), missingLine);
}

} // namespace
} // namespace vantrel::ui::testing
