// SPDX-License-Identifier: MIT
#include "ui/access/assignment_text.h"

#include "core/model/assignment_commit.h"
#include "core/model/assignment_record.h"
#include "core/model/configurator_model.h"
#include "core/model/key_names.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace vantrel::ui {
namespace {

QString keyMapText(const char* text) {
    return QCoreApplication::translate("KeyMap", text);
}

QString keyNames(const ConfiguratorModel& model, const AssignmentRecord& r, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const std::string& name = model.keyNames().name(r.data()[static_cast<std::size_t>(i)]);
        names << QString::fromStdString(std::string(trimmedKeyName(name)));
    }
    const QString text = names.join(QLatin1Char('+'));
    // A record never written (all zero) names no key: the key is as it came.
    return text.isEmpty() ? keyMapText("Default") : text;
}

} // namespace

QString assignmentText(const ConfiguratorModel& model, int key) {
    const AssignmentRecord& r = model.assignments()[static_cast<std::size_t>(key)];
    switch (static_cast<AssignmentKind>(r.kind())) {
    case AssignmentKind::SingleKey:
        return keyNames(model, r, 1);
    case AssignmentKind::Combination:
        return keyNames(model, r,
                        std::clamp<int>(r.keyCount(), 1, static_cast<int>(kMaxComboKeys)));
    case AssignmentKind::Macro:
        return keyMapText("Macro");
    case AssignmentKind::BasicFunction:
        return keyMapText("Basic");
    case AssignmentKind::PlayMusic:
    case AssignmentKind::LaunchProgram:
    case AssignmentKind::OpenFile:
    case AssignmentKind::OpenFolder:
        return QString::fromStdU16String(r.path());
    default:
        return keyMapText("Default");
    }
}

} // namespace vantrel::ui
