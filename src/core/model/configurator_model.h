// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_table.h"
#include "core/model/assignment_record.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/model/key_marks.h"
#include "core/model/key_names.h"

namespace vantrel {

// Owns the whole configuration state of one program run. Only the thread
// that owns the model writes it; device workers get copies and hand results
// back (see DeviceConnection).
class ConfiguratorModel {
public:
    ConfiguratorModel();

    ConfigImage& image() { return image_; }
    const ConfigImage& image() const { return image_; }
    ConfigImage& syncedImage() { return synced_; }
    const ConfigImage& syncedImage() const { return synced_; }
    AssignmentTable& assignments() { return assignments_; }
    const AssignmentTable& assignments() const { return assignments_; }
    AssignmentTable& syncedAssignments() { return syncedAssignments_; }
    const AssignmentTable& syncedAssignments() const { return syncedAssignments_; }
    MacroTable& macros() { return macros_; }
    const MacroTable& macros() const { return macros_; }
    KeyMarks& marks() { return marks_; }
    const KeyMarks& marks() const { return marks_; }
    const KeyNameTable& keyNames() const { return keyNames_; }

    FirmwareVersion firmwareVersion() const { return firmware_; }
    void setFirmwareVersion(FirmwareVersion v) { firmware_ = v; }
    const FirmwareVersionReply& firmwareVersionReply() const { return firmwareReply_; }
    void setFirmwareVersionReply(const FirmwareVersionReply& r) { firmwareReply_ = r; }
    // The version that the updater brings (from VER.bin).
    FirmwareVersion shippedVersion() const { return shipped_; }
    void setShippedVersion(FirmwareVersion v) { shipped_ = v; }

    // The colour handed to the colour chooser and back (red, green, blue).
    // Lighting commands set it to 0C0C0C before every chooser run.
    Rgb exchangeColour() const { return exchangeColour_; }
    void setExchangeColour(Rgb c) { exchangeColour_ = c; }

    // ConfigImage -> SyncedImage.
    void syncImage() { synced_ = image_; }
    // AssignmentTable -> SyncedAssignments.
    void syncAssignments() { syncedAssignments_ = assignments_; }
    // Throws away unapplied edits: synced copies back onto the working ones,
    // marks recomputed.
    void revert();
    // Recomputes the per-key marks of keys 0-107 from image and assignments.
    void recomputeMarks() { marks_.recompute(image_, assignments_); }

private:
    ConfigImage image_;
    ConfigImage synced_;
    AssignmentTable assignments_;
    AssignmentTable syncedAssignments_;
    MacroTable macros_;
    KeyMarks marks_;
    KeyNameTable keyNames_;
    FirmwareVersion firmware_;
    FirmwareVersionReply firmwareReply_{};
    FirmwareVersion shipped_;
    Rgb exchangeColour_{};
};

} // namespace vantrel
