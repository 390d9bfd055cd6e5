// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "hid/hid_diagnosis.h"
#include "hid/hid_diagnosis_parts.h"
#include "hid/udev_rule.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <libudev.h>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vantrel {

namespace {

namespace fs = std::filesystem;

// The folders udev reads rules from, in its own order of precedence.
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                        "/usr/local/lib/udev/rules.d", "/lib/udev/rules.d",
                                        "/usr/lib/udev/rules.d"};

bool namesKeyboard(const fs::path& rules) {
    std::ifstream in(rules);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s.find("a1df") != std::string::npos;
}

std::vector<std::string> keyboardRuleFiles() {
    std::vector<std::string> found;
    for (const char* folder : kRuleFolders) {
        std::error_code ec;
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(folder, ec)) {
            if (e.path().extension() == ".rules") {
                files.push_back(e.path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const auto& f : files) {
            if (namesKeyboard(f)) {
                found.push_back(pathText(f));
            }
        }
    }
    return found;
}

std::string modeString(mode_t m) {
    std::string s = S_ISCHR(m) ? "c" : S_ISDIR(m) ? "d" : "-";
    const char* bits = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i) {
        s += (m & (0400 >> i)) ? bits[i] : '-';
    }
    return s;
}

NodeAccess accessOf(const std::string& node) {
    NodeAccess a;
    struct stat st {};
    if (::stat(node.c_str(), &st) != 0) {
        a.problem = std::strerror(errno);
        return a;
    }
    a.mode = modeString(st.st_mode);
    const passwd* pw = ::getpwuid(st.st_uid);
    a.owner = pw != nullptr ? pw->pw_name : std::to_string(st.st_uid);
    const group* gr = ::getgrgid(st.st_gid);
    a.group = gr != nullptr ? gr->gr_name : std::to_string(st.st_gid);
    a.hasAcl = ::getxattr(node.c_str(), "system.posix_acl_access", nullptr, 0) > 0;
    a.canOpen = ::access(node.c_str(), R_OK | W_OK) == 0;
    if (!a.canOpen) {
        a.problem = std::strerror(errno);
    }
    return a;
}

std::string systemName() {
    utsname u{};
    if (::uname(&u) != 0) {
        return {};
    }
    return std::string(u.sysname) + " " + u.release + " " + u.machine;
}

std::string userAndGroups() {
    const passwd* pw = ::getpwuid(::getuid());
    std::string s = (pw != nullptr ? std::string(pw->pw_name) : std::string("?")) + " (uid " +
                    std::to_string(::getuid()) + "), groups:";
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(0, n)));
    if (std::find(groups.begin(), groups.end(), ::getgid()) == groups.end()) {
        groups.insert(groups.begin(), ::getgid());
    }
    for (gid_t g : groups) {
        const group* gr = ::getgrgid(g);
        s += " " + (gr != nullptr ? std::string(gr->gr_name) : std::to_string(g));
    }
    return s;
}

UdevNodeState udevStateOf(udev* context, const std::string& node) {
    UdevNodeState state;
    if (context == nullptr) {
        return state;
    }
    const std::string name = pathText(fs::path(node).filename());
    udev_device* dev = udev_device_new_from_subsystem_sysname(context, "hidraw", name.c_str());
    if (dev == nullptr) {
        return state;
    }
    state.known = true;
    state.initialized = udev_device_get_is_initialized(dev) > 0;
    for (udev_list_entry* t = udev_device_get_tags_list_entry(dev); t != nullptr;
         t = udev_list_entry_get_next(t)) {
        state.tags.emplace_back(udev_list_entry_get_name(t));
    }
    udev_device_unref(dev);
    return state;
}

} // namespace

void describeMachine(HidDiagnosis& d) {
    d.packagedRulePath = kUdevRulePath;
    d.ruleFiles = keyboardRuleFiles();
    d.system = systemName();
    d.user = userAndGroups();
}

void describeNode(KeyboardNode& node) {
    const std::string& path = node.interface.path;
    node.sysfs = readHidrawSysfs(path, -1);
    node.interfaceNumber = node.sysfs.interfaceNumber.value_or(-1);
    node.access = accessOf(path);
    udev* context = udev_new();
    node.udev = udevStateOf(context, path);
    if (context != nullptr) {
        udev_unref(context);
    }
}

} // namespace vantrel
