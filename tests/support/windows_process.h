// SPDX-License-Identifier: MIT
// A POSIX-shell command line run as a Windows process (see program_run.h).
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace vantrel::testing {

inline std::wstring wide(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

// Splits a line as a POSIX shell splits words: blanks separate, '…' keeps
// everything, "…" keeps all but \" \\ \$ \`, a backslash outside quotes
// keeps the next character. Nothing is expanded.
inline std::vector<std::string> shellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const auto end = line.find('\'', i + 1);
            word += line.substr(i + 1, end - i - 1);
            i = end == std::string::npos ? line.size() : end;
        } else if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size() &&
                    std::string("\"\\$`").find(line[i + 1]) != std::string::npos) {
                    ++i;
                }
                word += line[i];
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// One argument as CommandLineToArgvW and the C runtime read it back.
inline std::wstring quotedArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return arg;
    }
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// A Unix path of the build tree as wine's Z: drive sees it; others stay.
inline std::string windowsPath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

// The current environment with `set` applied (an empty optional unsets).
inline std::wstring environmentBlock(const std::map<std::string, std::optional<std::string>>& set) {
    std::map<std::wstring, std::wstring> vars;
    wchar_t* all = GetEnvironmentStringsW();
    for (const wchar_t* p = all; *p != 0; p += wcslen(p) + 1) {
        const std::wstring entry(p);
        const auto eq = entry.find(L'=', 1);
        if (eq != std::wstring::npos) {
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
    }
    FreeEnvironmentStringsW(all);
    for (const auto& [name, value] : set) {
        if (value) {
            vars[wide(name)] = wide(*value);
        } else {
            vars.erase(wide(name));
        }
    }
    std::wstring block;
    for (const auto& [name, value] : vars) {
        block += name + L'=' + value;
        block += L'\0';
    }
    return block + L'\0';
}

inline HANDLE inheritableFile(const std::filesystem::path& path) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Waits for a started process and gives its exit status.
inline int waitForExit(PROCESS_INFORMATION& pi) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

// Runs `command` in `folder` with its output in the two files; the exit
// status, or -1 when it could not be started.
inline int runWindowsCommand(const std::filesystem::path& folder, const std::string& command,
                             const std::filesystem::path& out, const std::filesystem::path& err) {
    std::vector<std::string> words = shellWords(command);
    std::map<std::string, std::optional<std::string>> env;
    std::size_t first = 0;
    if (!words.empty() && words[0] == "env") {
        for (first = 1; first < words.size(); ++first) {
            if (words[first] == "-u" && first + 1 < words.size()) {
                env[words[++first]] = std::nullopt;
            } else if (const auto eq = words[first].find('='); eq != std::string::npos && eq > 0) {
                env[words[first].substr(0, eq)] = words[first].substr(eq + 1);
            } else {
                break;
            }
        }
    }
    if (first >= words.size()) {
        return -1;
    }
    std::wstring line;
    for (std::size_t i = first; i < words.size(); ++i) {
        line += (i == first ? L"" : L" ") +
                quotedArgument(wide(i == first ? windowsPath(words[i]) : words[i]));
    }
    std::wstring block = environmentBlock(env);
    HANDLE outFile = inheritableFile(out);
    HANDLE errFile = inheritableFile(err);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = outFile;
    si.hStdError = errFile;
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                       block.data(), folder.c_str(), &si, &pi);
    CloseHandle(outFile);
    CloseHandle(errFile);
    if (!started) {
        return -1;
    }
    return waitForExit(pi);
}

} // namespace vantrel::testing
