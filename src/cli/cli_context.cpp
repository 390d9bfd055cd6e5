// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"

#include "core/device/model_updates.h"
#include "core/util/path_text.h"

#include <cstdarg>

namespace vantrel::cli {

std::filesystem::path userFile(const std::filesystem::path& workingFolder,
                               const std::string& name) {
    std::filesystem::path path = pathFromText(name);
    if (workingFolder.empty() || path.is_absolute()) {
        return path;
    }
    return workingFolder / path;
}

Context::Context(const GlobalOptions& options, DataFolder folder, CommandOutput& output)
    : options_(options), data_(std::move(folder)), output_(output),
      model_(std::make_unique<ConfiguratorModel>()) {}

Context::~Context() = default;

void Context::print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (size > 0) {
        std::string text(static_cast<std::size_t>(size) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, again);
        text.pop_back();
        output_.out(text);
    }
    va_end(again);
}

void Context::warn(std::string_view message) {
    std::string line = "vantrelctl: ";
    line += message;
    line += '\n';
    output_.err(line);
}

int Context::fail(const Error& error) {
    warn(error.message);
    return exitStatusFor(error);
}

Status Context::prepareDataFolder() {
    return data_.ensureExists();
}

Status Context::connect(Reading reading) {
    // Before the simulated keyboard's state is read: it belongs to the
    // folder's commands as much as keymap.bin does.
    if (Status s = prepareDataFolder(); !s) {
        return s;
    }
    Result<DeviceSnapshot> snapshot = readKeyboard(reading);
    if (!snapshot) {
        return snapshot.error();
    }
    ConfiguratorModel& m = *model_;
    auto loaded = LoadKeymapFile(data_.keymap(), m.image(), m.assignments(), false);
    if (!loaded) {
        return loaded.error();
    }
    if (loaded->outcome == LoadOutcome::MovedAside) {
        warn(loaded->message);
    }
    applyReadBackToModel(m, *snapshot);
    m.syncAssignments();
    m.recomputeMarks();
    connected();
    return saveKeymap();
}

Status Context::applyChanges() {
    ConfiguratorModel& m = *model_;
    auto outcome = sendImage(m.image(), m.syncedImage());
    if (!outcome) {
        return outcome.error();
    }
    m.image() = outcome->image;
    m.syncImage();
    m.syncAssignments();
    m.recomputeMarks();
    return saveKeymap();
}

Status Context::factoryReset() {
    auto snapshot = resetKeyboard();
    if (!snapshot) {
        return snapshot.error();
    }
    applyFactoryResetToModel(*model_, *snapshot);
    return saveKeymap();
}

Status Context::saveKeymap() {
    return SaveKeymapFile(data_.keymap(), model_->image(), model_->assignments());
}

} // namespace vantrel::cli
