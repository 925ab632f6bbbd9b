// The number edit: digits, one leading sign and one decimal point, each
// where the owner allows it; any other key is refused with the
// "Exclamation" sound. At most 31 characters.
#pragma once

#include <platform/edit.h>

#include <string>

class CNumberBox : public zplat::Edit {
public:
    static constexpr std::size_t kMaxChars = 31;

    CNumberBox(int id, std::string label);

    // Set by the owner when the value must be whole, or not negative.
    void setNoDecimalPoint(bool on) { noDecimal_ = on; }
    void setNoSign(bool on) { noSign_ = on; }
    bool noDecimalPoint() const { return noDecimal_; }
    bool noSign() const { return noSign_; }

    bool decimalPresent() const;
    bool signPresent() const;

protected:
    void onChar(char key) override;
    void onTextSet() override;

private:
    void refuse();
    bool presentBesideSelection(std::string_view chars) const;

    bool noDecimal_ = false;
    bool noSign_ = false;
};
