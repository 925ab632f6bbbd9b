// Test seams that need the whole host: a fresh session and scripted runs.
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/host_test.h"
#include "zcad/session.h"

namespace zcad::test {

void resetHost() { resetSession(); }

std::string runCommands(const std::vector<std::string>& lines) {
    clearInput();
    addInput(queueSource(lines));
    std::string printed;
    OutputSink previous = setOutputSink([&](std::string_view text) { printed += text; });
    runCommandLoop();
    setOutputSink(std::move(previous));
    clearInput();
    return printed;
}

}  // namespace zcad::test
