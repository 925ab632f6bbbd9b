// Test seams that need the whole host: a fresh drawing and scripted runs.
#include "arx/acedads.h"
#include "commands/command_processor.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/host_test.h"
#include "zcad/selection.h"
#include "zcad/session.h"

namespace zcad {
void freeAllSets();
namespace test {
void clearDrawnVectors();
}
}  // namespace zcad

namespace zcad::test {

void resetHost() {
    commands::resetHostCommands();
    acdbEntMake(nullptr);
    replaceCurrentDatabase(std::make_unique<Database>());
    clearInput();
    failEntityMakeAt(0);
    breakAfterPolls(0);
    clearDrawnVectors();
    freeAllSets();
    setPreviousSelection({});
    acedInitGet(0, nullptr);
}

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
