// The job name edit: drops path separators and punctuation, turns blanks
// into '_' under the short-name rule, and keeps the name within its limit.
#pragma once

#include <platform/edit.h>

#include <cstddef>
#include <string>

class CzaFileName : public zplat::Edit {
public:
    CzaFileName(int id, std::string label);

    // 16, or 8 while the short-name rule is on; set by the owning dialog.
    void setLimit(std::size_t limit);
    std::size_t limit() const { return limit_; }
    // The characters in the control; kept as the text's own length, so that a
    // backspace at the start or a refused key cannot let the name outgrow
    // its limit.
    std::size_t count() const { return text().size(); }

protected:
    void onChar(char key) override;
    void onTextSet() override;

private:
    std::size_t limit_ = 16;
};

// The limit a dialog gives its job name edit under the rule as it stands.
std::size_t zaJobNameLimit();
// "Enter a valid filename for the current job (...)", by the rule.
std::string zaJobNameStatusText();
