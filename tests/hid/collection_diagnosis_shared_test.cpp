// SPDX-License-Identifier: MIT
// The diagnosis report where the system lists one device per top-level
// collection (Windows): what it shows of each and what it leaves out.
#include "cli/diagnosis_report.h"
#include "core/device/discovery.h"

#include <gtest/gtest.h>

namespace vantrel::cli {
namespace {

KeyboardNode collection(const std::string& path, int interface, std::uint16_t usagePage,
                        std::uint16_t usage) {
    KeyboardNode n;
    n.interface = interfaceNamedByPath(path, 0x04D9, 0xA1DF);
    n.interfaceNumber = interface;
    n.usagePage = usagePage;
    n.usage = usage;
    n.access.canOpen = true;
    return n;
}

HidDiagnosis windowsDiagnosis() {
    HidDiagnosis d;
    d.linuxChecks = false;
    d.system = "Windows 10.0.19045";
    d.user = "Пользователь";
    d.hidapiVersion = "0.13.1";
    d.nodes.push_back(collection("\\\\?\\hid#vid_04d9&pid_a1df&mi_02&col04#7&2b&0&0003#{4d1e}", 2,
                                 0xFF00, 0x0004));
    d.nodes.push_back(
        collection("\\\\?\\hid#vid_04d9&pid_a1df&mi_03#7&3c&0&0000#{4d1e}", 3, 0xFF01, 0x0001));
    d.notificationPath = d.nodes[0].interface.path;
    d.controlPath = d.nodes[1].interface.path;
    return d;
}

TEST(CollectionDiagnosis, EachCollectionShowsItsIdsInterfaceUsageAndTheChoice) {
    const DiagnosisText r = formatDiagnosis(windowsDiagnosis(), std::nullopt, "", "header");
    EXPECT_NE(r.text.find("\n\\\\?\\hid#vid_04d9&pid_a1df&mi_02&col04#7&2b&0&0003#{4d1e}\n"
                          "  vendor 04D9, product A1DF, USB interface 2, usage page 0xFF00, "
                          "usage 0x0004\n  match name: the path itself\n"),
              std::string::npos)
        << r.text;
    EXPECT_NE(r.text.find("chosen as the control interface"), std::string::npos);
    EXPECT_NE(r.text.find("chosen as the notification collection"), std::string::npos);
    EXPECT_NE(r.text.find("user: Пользователь\n"), std::string::npos);
    EXPECT_TRUE(r.keyboardUsable) << r.verdict;
}

TEST(CollectionDiagnosis, TheLinuxChecksAreSaidNotToApplyInsteadOfBeingShownEmpty) {
    const DiagnosisText r = formatDiagnosis(windowsDiagnosis(), std::nullopt, "", "header");
    EXPECT_NE(r.text.find("do not apply on this system"), std::string::npos) << r.text;
    EXPECT_EQ(r.text.find("udev: "), std::string::npos);
    EXPECT_EQ(r.text.find("phys: "), std::string::npos);
    EXPECT_EQ(r.text.find("the keyboard's rule"), std::string::npos);
}

TEST(CollectionDiagnosis, ACollectionThatCannotBeOpenedSaysWhyWithoutAUdevRule) {
    HidDiagnosis d = windowsDiagnosis();
    d.nodes[1].access.canOpen = false;
    d.nodes[1].access.problem = "Access denied";
    const DiagnosisText r = formatDiagnosis(d, std::nullopt, "", "header");
    EXPECT_FALSE(r.keyboardUsable);
    EXPECT_NE(r.verdict.find("cannot be opened (Access denied)"), std::string::npos) << r.verdict;
    EXPECT_EQ(r.verdict.find("udev"), std::string::npos);
    EXPECT_NE(r.text.find("this user can open it: no (Access denied)"), std::string::npos);
}

} // namespace
} // namespace vantrel::cli
