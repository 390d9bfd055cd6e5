// SPDX-License-Identifier: MIT
#pragma once

#include "cli/read_back_probe.h"
#include "hid/hid_diagnosis.h"

#include <optional>
#include <string>

namespace vantrel::cli {

struct DiagnosisText {
    std::string text;
    std::string verdict; // the last line: what works, or what to do first
    bool keyboardUsable = false;
};

// The report `vantrelctl diagnose` writes: plain text for a bug report. The
// probe is empty when it was not asked for; `skippedProbe` says why it was
// left out when it was asked for.
DiagnosisText formatDiagnosis(const HidDiagnosis& d, const std::optional<ProbeResult>& probe,
                              const std::string& skippedProbe, const std::string& header);

} // namespace vantrel::cli
