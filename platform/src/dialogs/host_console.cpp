#include <platform/protocol_driver.h>

#include <zcad/console.h>

namespace zplat {

namespace {

class HostConsole : public LineConsole {
public:
    std::optional<std::string> readLine(std::string_view prompt) override { return zcad::readAnswer(prompt); }
    bool interactive() const override { return zcad::inputInteractive(); }
    void write(std::string_view text) override { zcad::writeOutput(text); }
    bool isCancel(std::string_view line) const override { return zcad::isCancelLine(line); }
    void refused(std::string_view why) override { zcad::noteScriptFault(zcad::ScriptFault::Refused, why); }
};

}  // namespace

LineConsole& hostConsole() {
    static HostConsole console;
    return console;
}

}  // namespace zplat
