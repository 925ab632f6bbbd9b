// A console for the line protocol: lines given in advance, output kept.
#pragma once

#include <platform/protocol_driver.h>

#include <deque>
#include <string>
#include <vector>

class FakeConsole : public zplat::LineConsole {
public:
    explicit FakeConsole(std::vector<std::string> lines, bool person = false)
        : lines_(lines.begin(), lines.end()), person_(person) {}

    std::optional<std::string> readLine(std::string_view prompt) override {
        prompts.emplace_back(prompt);
        out += prompt;
        if (lines_.empty()) return std::nullopt;
        std::string line = std::move(lines_.front());
        lines_.pop_front();
        out += line + "\n";
        return line;
    }
    bool interactive() const override { return person_; }
    void write(std::string_view text) override { out += text; }
    void refused(std::string_view why) override { refusals.emplace_back(why); }
    std::size_t left() const { return lines_.size(); }

    std::string out;
    std::vector<std::string> prompts;
    std::vector<std::string> refusals;

private:
    std::deque<std::string> lines_;
    bool person_;
};
