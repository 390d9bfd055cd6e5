// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel::cli {

// Where a command's standard output and standard error go: the terminal,
// or the answer the desktop program sends back to vantrelctl.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    virtual void out(std::string_view text) = 0;
    virtual void err(std::string_view text) = 0;
};

class TerminalOutput final : public CommandOutput {
public:
    void out(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stdout); }
    void err(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stderr); }
};

class CapturedOutput final : public CommandOutput {
public:
    void out(std::string_view text) override { out_ += text; }
    void err(std::string_view text) override { err_ += text; }
    const std::string& standardOutput() const { return out_; }
    const std::string& standardError() const { return err_; }

private:
    std::string out_;
    std::string err_;
};

} // namespace vantrel::cli
